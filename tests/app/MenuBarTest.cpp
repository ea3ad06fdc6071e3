#include "App.h"
#include "MenuBar1.h"
#include "QtAccess.h"
#include "Runtime.h"
#include "TestSupport.h"
#include "Window1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <typeinfo>

namespace {

enum class Kind { Plain, Quit, About, Prefs };

struct Entry {
    const char* menu; // the menu's Name, or nullptr for a menu itself
    const char* name;
    Kind kind;
    const char* text;
    const char* shortcut;
};

const Entry kEntries[] = {
    {nullptr, "FileMenu", Kind::Plain, "&File", ""},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", "Cmd+Q"},
    {"FileMenu", "FileAboutlumaDex", Kind::About, "About lumaDex", ""},
    {"FileMenu", "FilePreferences", Kind::Prefs, "Preferences...", "Cmd+K"},
    {nullptr, "EditMenu", Kind::Plain, "&Edit", ""},
    {"EditMenu", "EditUndo", Kind::Plain, "&Undo", "Cmd+Z"},
    {"EditMenu", "UntitledMenu1", Kind::Plain, "-", ""},
    {"EditMenu", "EditCut", Kind::Plain, "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", Kind::Plain, "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", Kind::Plain, "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", Kind::Plain, "Clear", ""},
    {"EditMenu", "UntitledMenu0", Kind::Plain, "-", ""},
    {"EditMenu", "EditSelectAll", Kind::Plain, "Select &All", "Cmd+A"},
    {nullptr, "Layout", Kind::Plain, "Layout", ""},
    {"Layout", "LayoutSwitch", Kind::Plain, "Switch layout", "Cmd+L"},
};

Kind KindOf(const MenuItem& item) {
    if (dynamic_cast<const QuitMenuItem*>(&item)) {
        return Kind::Quit;
    }
    if (dynamic_cast<const AppleMenuItem*>(&item)) {
        return Kind::About;
    }
    if (dynamic_cast<const PrefsMenuItem*>(&item)) {
        return Kind::Prefs;
    }
    return Kind::Plain;
}

TEST(MenuBar1Test, HoldsExactlyItsFifteenEntriesInOrder) {
    MenuBar1* bar = MenuBar1::Get();
    int menuIndex = -1;
    int itemIndex = 0;
    int entries = 0;
    for (const Entry& expected : kEntries) {
        const MenuItem* entry = nullptr;
        if (expected.menu == nullptr) {
            entry = bar->Item(++menuIndex);
            itemIndex = 0;
        } else {
            entry = bar->Child(expected.menu)->Item(itemIndex++);
        }
        ASSERT_NE(entry, nullptr) << expected.name;
        EXPECT_EQ(entry->Name(), expected.name);
        EXPECT_EQ(entry->Text(), expected.text);
        EXPECT_EQ(entry->KeyboardShortcut(), expected.shortcut);
        EXPECT_TRUE(entry->AutoEnable()) << expected.name;
        EXPECT_EQ(KindOf(*entry), expected.kind) << expected.name;
        ++entries;
    }
    EXPECT_EQ(entries, 15);
    EXPECT_EQ(bar->Count(), 3);
    EXPECT_EQ(bar->Child("FileMenu")->Count(), 3);
    EXPECT_EQ(bar->Child("EditMenu")->Count(), 8);
    EXPECT_EQ(bar->Child("Layout")->Count(), 1);
    EXPECT_EQ(MenuBar1::Get(), bar);
    MenuBar1::Release();
}

class MenuCommandTest : public ProgramTest {
protected:
    static Window1& Calculator() { return *Window1::Get(); }
    // Gives the active window's display the focus, showing "42".
    static bool FocusDisplayShowing42() {
        WidgetOf(*Calculator().LCD())->setFocus();
        QApplication::setActiveWindow(TopLevelOf(Calculator()));
        Calculator().DigitRule("4");
        Calculator().DigitRule("2");
        return QTest::qWaitFor([] { return WidgetOf(*Calculator().LCD())->hasFocus(); });
    }
    static QAction* Action(const char* name) {
        return MenuBarWidgetOf(Calculator())->findChild<QAction*>(QString::fromLatin1(name));
    }
};

TEST_F(MenuCommandTest, TheWindowAndTheApplicationShareOneMenuBar) {
    EXPECT_EQ(Calculator().MenuBar(), App::Get()->MenuBar());
    EXPECT_EQ(Calculator().MenuBar(), MenuBar1::Get());
    QMenuBar* widget = MenuBarWidgetOf(Calculator());
    ASSERT_NE(widget, nullptr);
    QStringList titles;
    for (QAction* menu : widget->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "Layout"}));
    EXPECT_EQ(Action("FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(Action("FilePreferences")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    EXPECT_EQ(Action("LayoutSwitch")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_TRUE(Action("EditClear")->shortcut().isEmpty());
    EXPECT_TRUE(Action("UntitledMenu0")->isSeparator());
}

TEST_F(MenuCommandTest, HandlersAreRegisteredUnderTheItemNames) {
    App* app = App::Get();
    for (const char* name : {"FileAboutlumaDex", "FilePreferences", "LayoutSwitch"}) {
        EXPECT_TRUE(app->HasMenuHandler(name)) << name;
    }
    for (const char* name : {"FileQuit", "EditUndo", "EditCut", "EditCopy", "EditPaste",
                             "EditClear", "EditSelectAll"}) {
        EXPECT_FALSE(app->HasMenuHandler(name)) << name;
    }
}

TEST_F(MenuCommandTest, ChoosingAnItemRunsTheHandlerRegisteredUnderItsName) {
    std::vector<std::string> ran;
    for (const char* name : {"FileAboutlumaDex", "FilePreferences"}) {
        App::Get()->AddMenuHandler(name, [&ran, name] {
            ran.push_back(name);
            return false;
        });
    }
    Action("FilePreferences")->trigger();
    Action("FileAboutlumaDex")->trigger();
    EXPECT_EQ(ran, (std::vector<std::string>{"FilePreferences", "FileAboutlumaDex"}));

    Action("LayoutSwitch")->trigger();
    EXPECT_EQ(App::Get()->layout, "right");
}

// Each item bound to its own command: the one window it opens, or the
// keypad's side it switches, and nothing of the others.
struct CommandCase {
    const char* item;
    bool opensAbout;
    bool opensPreferences;
    const char* layout;
};

class MenuItemCommandTest : public MenuCommandTest,
                            public ::testing::WithParamInterface<CommandCase> {};

TEST_P(MenuItemCommandTest, EachItemRunsItsOwnCommand) {
    const CommandCase& command = GetParam();
    Action(command.item)->trigger();
    EXPECT_EQ(GetImplicitWindow("aboutWin.aboutWin") != nullptr, command.opensAbout);
    EXPECT_EQ(GetImplicitWindow("prefsWin.prefsWin") != nullptr, command.opensPreferences);
    EXPECT_EQ(App::Get()->layout, command.layout);
}

INSTANTIATE_TEST_SUITE_P(Items, MenuItemCommandTest,
                         ::testing::Values(CommandCase{"FileAboutlumaDex", true, false, "left"},
                                           CommandCase{"FilePreferences", false, true, "left"},
                                           CommandCase{"LayoutSwitch", false, false, "right"}),
                         [](const auto& info) { return std::string(info.param.item); });

TEST_F(MenuCommandTest, EditItemsWorkOnTheFocusedDisplay) {
    ASSERT_TRUE(FocusDisplayShowing42());
    Action("EditSelectAll")->trigger();
    Action("EditCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("42"));
}

TEST_F(MenuCommandTest, EditItemsCannotChangeTheReadOnlyDisplay) {
    ASSERT_TRUE(FocusDisplayShowing42());
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    for (const char* item : {"EditPaste", "EditSelectAll", "EditCut", "EditSelectAll", "EditClear",
                             "EditUndo", "EditPaste"}) {
        Action(item)->trigger();
        EXPECT_EQ(Calculator().LCD()->Text(), "42") << item;
    }
}

TEST_F(MenuCommandTest, ShortcutsReachTheirCommandsInTheActiveWindow) {
    QWidget* top = TopLevelOf(Calculator());
    QApplication::setActiveWindow(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    QTest::keyClick(top, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(App::Get()->layout, "right");
    EXPECT_EQ(Calculator().Rectangle1()->Left(), 530);
    QTest::keyClick(top, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(App::Get()->layout, "left");
}

// A dialog in front, with the keyboard focus where the case puts it, and
// one shortcut typed there: the application's menu bar serves the dialog,
// which shows none of its own, and the command runs once.
struct DialogShortcutCase {
    const char* name;
    const char* dialogCommand; // the menu command that brings the dialog up
    const char* dialog;        // its registered name
    const char* focused;       // the control with the focus, or "" for none
    Qt::Key key;
    std::function<void(Window& dialog)> check;
};

void PrintTo(const DialogShortcutCase& c, std::ostream* out) { *out << c.name; }

// How often the Preferences command ran during the case.
int preferencesChosen = 0;

void OpensPreferences(Window&) {
    EXPECT_EQ(preferencesChosen, 1);
    Window* prefs = GetImplicitWindow("prefsWin.prefsWin");
    ASSERT_NE(prefs, nullptr);
    EXPECT_TRUE(TopLevelOf(*prefs)->isVisible());
}

void SwitchesTheKeypadOnce(Window&) {
    EXPECT_EQ(App::Get()->layout, "right");
    EXPECT_EQ(Window1::Get()->Rectangle1()->Left(), 530);
}

// Preferences chosen again keeps the one dialog and its unconfirmed edit.
void KeepsTheOpenPreferences(Window& dialog) {
    EXPECT_EQ(preferencesChosen, 1);
    EXPECT_EQ(GetImplicitWindow("prefsWin.prefsWin"), &dialog);
    auto* field = dynamic_cast<TextField*>(dialog.ControlByName("EditField1"));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->Text(), "edited");
}

void QuitsAndSavesTheSettings(Window&) {
    EXPECT_TRUE(RuntimeQuitting());
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), nullptr);
    EXPECT_TRUE(QFile::exists(SettingsFilePath()));
}

class DialogShortcuts : public MenuCommandTest,
                        public ::testing::WithParamInterface<DialogShortcutCase> {};

TEST_P(DialogShortcuts, RunTheApplicationsCommandOnce) {
    const DialogShortcutCase& c = GetParam();
    ASSERT_FALSE(QFile::exists(SettingsFilePath()));
    App::Get()->HandleMenuCommand(c.dialogCommand);
    Window* dialog = GetImplicitWindow(c.dialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(MenuBarWidgetOf(*dialog), nullptr);
    QWidget* top = TopLevelOf(*dialog);
    QApplication::setActiveWindow(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    QWidget* target = top;
    if (*c.focused != '\0') {
        auto* field = dynamic_cast<TextField*>(dialog->ControlByName(c.focused));
        ASSERT_NE(field, nullptr);
        field->Text("edited");
        target = WidgetOf(*field);
        // The caret at the start: a field that kept Ctrl+K for itself would
        // delete the whole text.
        QTest::keyClick(target, Qt::Key_Home);
        target->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([target] { return target->hasFocus(); }));
    }
    preferencesChosen = 0;
    App::Get()->AddMenuHandler("FilePreferences", [] {
        ++preferencesChosen;
        return App::Get()->FilePreferences_Action();
    });
    QTest::keyClick(target, c.key, Qt::ControlModifier);
    c.check(*dialog);
}

// clang-format off
const DialogShortcutCase kDialogShortcutCases[] = {
    {"PreferencesFromAbout", "FileAboutlumaDex", "aboutWin.aboutWin", "", Qt::Key_K, OpensPreferences},
    {"SwitchLayoutFromAbout", "FileAboutlumaDex", "aboutWin.aboutWin", "", Qt::Key_L, SwitchesTheKeypadOnce},
    {"SwitchLayoutFromPreferences", "FilePreferences", "prefsWin.prefsWin", "", Qt::Key_L, SwitchesTheKeypadOnce},
    {"PreferencesFromItsOwnField", "FilePreferences", "prefsWin.prefsWin", "EditField1", Qt::Key_K, KeepsTheOpenPreferences},
    {"QuitFromPreferences", "FilePreferences", "prefsWin.prefsWin", "EditField1", Qt::Key_Q, QuitsAndSavesTheSettings},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(MenuBar, DialogShortcuts, ::testing::ValuesIn(kDialogShortcutCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The Edit shortcuts act once on a dialog's focused field, as its own keys.
TEST_F(MenuCommandTest, EditShortcutsActOnceOnADialogsField) {
    App::Get()->HandleMenuCommand("FilePreferences");
    Window* dialog = GetImplicitWindow("prefsWin.prefsWin");
    ASSERT_NE(dialog, nullptr);
    auto* field = dynamic_cast<TextField*>(dialog->ControlByName("EditField1"));
    ASSERT_NE(field, nullptr);
    QWidget* top = TopLevelOf(*dialog);
    QApplication::setActiveWindow(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    QWidget* widget = WidgetOf(*field);
    widget->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([widget] { return widget->hasFocus(); }));
    field->Text("ab");
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ab"));
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "ab");
    QTest::keyClick(widget, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "");
}

TEST_F(MenuCommandTest, AnExceptionInAMenuHandlerIsReportedOnceAndTheProgramGoesOn) {
    App::Get()->AddMenuHandler("FileAboutlumaDex",
                               []() -> bool { throw std::runtime_error("about failed"); });
    Action("FileAboutlumaDex")->trigger();
    ASSERT_EQ(ReportedExceptions().size(), 1u);
    EXPECT_EQ(ReportedExceptions().front(), "about failed");
    ReportedExceptions().clear();
    Action("LayoutSwitch")->trigger();
    EXPECT_EQ(App::Get()->layout, "right");
}

TEST_F(MenuCommandTest, QuitClosesTheCalculatorAndKeepsItsPlaceAndSize) {
    Calculator().Width(1200);
    Action("FileQuit")->trigger();
    EXPECT_TRUE(RuntimeQuitting());
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), nullptr);
    EXPECT_EQ(App::Get()->winWidth, 1200);
    EXPECT_EQ(App::Get()->tapeSize, 24);
}

} // namespace
