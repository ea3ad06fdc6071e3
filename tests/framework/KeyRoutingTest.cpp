#include "KeyRouting.h"
#include "ControlImpl.h"
#include "Controls.h"
#include "QtAccess.h"
#include "ReportSeam.h"
#include "Runtime.h"
#include "TestSupport.h"
#include "TextHelpers.h"
#include "Window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class KeyWindow : public Window {
public:
    KeyWindow() : Window("KeyWindow.KeyWindow") {}
    std::vector<std::string> keys;
    void Layout() override {
        SetProperties(this, {{"Width", std::int32_t(300)}, {"Height", std::int32_t(200)}});
    }
    void CreateControls() override {
        AddField("Display", true, 0);
        AddField("Entry", false, 40);
    }
    bool Event_KeyDown(const std::string& key) override {
        keys.push_back(key);
        return false;
    }

private:
    void AddField(const std::string& name, bool readOnly, int top) {
        AddControl(name, std::make_unique<TextField>());
        SetProperties(ControlByName(name), {{"Top", std::int32_t(top)},
                                            {"Width", std::int32_t(200)},
                                            {"Height", std::int32_t(30)},
                                            {"ReadOnly", readOnly}});
    }
};

class KeyRoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = NewWindow<KeyWindow>();
        top = TopLevelOf(*window);
    }
    void TearDown() override {
        RuntimeExit();
        QCoreApplication::processEvents();
        ReportedExceptions().clear();
    }
    void Focus(const char* name) { WidgetOf(*window->ControlByName(name))->setFocus(); }
    KeyWindow* window = nullptr;
    QWidget* top = nullptr;
};

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    std::string expected;
};

TEST_F(KeyRoutingTest, KeysReachTheWindowAsTheirTexts) {
    const KeyCase cases[] = {
        {Qt::Key_7, Qt::NoModifier, "7", "7"},
        {Qt::Key_Plus, Qt::KeypadModifier, "+", "+"},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", Chr(3)},
        {Qt::Key_Return, Qt::NoModifier, "\r", Chr(13)},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", Chr(27)},
        {Qt::Key_Delete, Qt::NoModifier, "", Chr(127)},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", Chr(8)},
        {Qt::Key_Left, Qt::NoModifier, "", Chr(28)},
        {Qt::Key_Down, Qt::NoModifier, "", Chr(31)},
        {Qt::Key_A, Qt::NoModifier, "a", "a"},
    };
    Focus("Display");
    for (const KeyCase& c : cases) {
        window->keys.clear();
        TypeKey(top, c.key, c.modifiers, QString::fromLatin1(c.text));
        ASSERT_EQ(window->keys.size(), 1u) << c.expected;
        EXPECT_EQ(window->keys.front(), c.expected);
    }
}

TEST_F(KeyRoutingTest, KeysThatTypeNothingDoNotReachTheWindow) {
    Focus("Display");
    TypeKey(top, Qt::Key_Shift, Qt::ShiftModifier);
    TypeKey(top, Qt::Key_F5);
    TypeKey(top, Qt::Key_B, Qt::ControlModifier, QStringLiteral("\x02"));
    // With a modifier held, a digit key is a command, not a digit typed.
    for (const Qt::KeyboardModifier modifier :
         {Qt::ControlModifier, Qt::MetaModifier, Qt::AltModifier}) {
        TypeKey(top, Qt::Key_7, modifier, QStringLiteral("7"));
        TypeKey(top, Qt::Key_7, modifier | Qt::KeypadModifier, QStringLiteral("7"));
    }
    EXPECT_TRUE(window->keys.empty());
}

TEST_F(KeyRoutingTest, AnEditableFieldKeepsItsKeysAndAReadOnlyOnePassesThemOn) {
    Focus("Entry");
    TypeText(top, QStringLiteral("12"));
    EXPECT_TRUE(window->keys.empty());
    EXPECT_EQ(dynamic_cast<TextField*>(window->ControlByName("Entry"))->Text(), "12");

    Focus("Display");
    TypeText(top, QStringLiteral("34"));
    EXPECT_EQ(window->keys, (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(dynamic_cast<TextField*>(window->ControlByName("Display"))->Text(), "");
}

TEST_F(KeyRoutingTest, TheFocusedControlSeesTheKeyFirstAndMayKeepIt) {
    std::vector<std::string> order;
    window->ControlByName("Display")->Impl().keyDown = [&](const std::string& key) {
        order.push_back("control " + key);
        return key == "x";
    };
    Focus("Display");
    TypeText(top, QStringLiteral("yx"));
    EXPECT_EQ(order, (std::vector<std::string>{"control y", "control x"}));
    EXPECT_EQ(window->keys, (std::vector<std::string>{"y"}));
}

TEST_F(KeyRoutingTest, AnExceptionInAKeyHandlerIsReportedOnceAndTheNextKeyWorks) {
    window->ControlByName("Display")->Impl().keyDown = [](const std::string& key) -> bool {
        if (key == "!") {
            throw std::runtime_error("key handler failed");
        }
        return false;
    };
    Focus("Display");
    TypeText(top, QStringLiteral("!5"));
    ASSERT_EQ(ReportedExceptions().size(), 1u);
    EXPECT_EQ(ReportedExceptions().front(), "key handler failed");
    EXPECT_EQ(window->keys, (std::vector<std::string>{"!", "5"}));
}

// A handler may close its own window and then fail; the report of that
// failure may run a nested event loop (a message box does). The window must
// outlive the handler that closed it.
TEST_F(KeyRoutingTest, AWindowClosedByItsKeyHandlerOutlivesTheReportOfAFailure) {
    SetReportHandler([](const std::string& message) {
        RecordReport(message);
        QCoreApplication::processEvents();
    });
    KeyWindow* closing = window;
    window->ControlByName("Display")->Impl().keyDown = [closing](const std::string&) -> bool {
        closing->Close();
        throw std::runtime_error("failed after closing");
    };
    Focus("Display");
    TypeKey(top, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    InitTestRuntime();
    EXPECT_EQ(ReportedExceptions(), (std::vector<std::string>{"failed after closing"}));
    EXPECT_EQ(GetImplicitWindow("KeyWindow.KeyWindow"), nullptr);
}

} // namespace
