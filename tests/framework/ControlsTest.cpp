#include "Controls.h"
#include "PaintProbes.h"
#include "PictureImpl.h"
#include "QtAccess.h"
#include "TestSupport.h"
#include "Window.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

class TestWindow : public Window {
public:
    TestWindow() : Window("TestWindow.TestWindow") {}

    void Layout() override { SetProperties(this, {{"Width", 600}, {"Height", 400}}); }
    bool Event_MouseDown(int, int) override {
        ++mouseDowns;
        return false;
    }

    int mouseDowns = 0;
};

class ControlsTest : public ::testing::Test {
public:
    void SetUp() override {
        ReportedExceptions().clear();
        window = NewWindow<TestWindow>();
    }
    void TearDown() override { window->Close(); }

    // Adds the control at the given place, then applies the further
    // properties, as a window's build does.
    RectControl& AddMade(const std::string& name, std::unique_ptr<RectControl> made, int left,
                         int top, int width, int height, const PropertyList& properties = {}) {
        window->AddControl(name, std::move(made));
        RectControl& control = *window->ControlByName(name);
        SetProperties(
            &control,
            {{"Name", name}, {"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}});
        SetProperties(&control, properties);
        return control;
    }
    template <class C>
    C& Add(const std::string& name, int left, int top, int width, int height,
           const PropertyList& properties = {}) {
        return static_cast<C&>(
            AddMade(name, std::make_unique<C>(), left, top, width, height, properties));
    }

    TestWindow* window = nullptr;
};

std::shared_ptr<Picture> SolidPicture(int width, int height, QColor color) {
    auto impl = std::make_unique<PictureImpl>();
    impl->image = QImage(width, height, QImage::Format_RGB32);
    impl->image.fill(color);
    return std::make_shared<Picture>(std::move(impl));
}

QImage Grab(const RectControl& control) { return WidgetOf(control)->grab().toImage(); }

bool IsDark(QColor color) { return color.red() < 60 && color.green() < 60 && color.blue() < 60; }
bool IsLight(QColor color) {
    return color.red() > 195 && color.green() > 195 && color.blue() > 195;
}
// Paints at once whatever waits to be painted in the window.
void Flush(QWidget* window) {
    QCoreApplication::sendPostedEvents();
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &request);
}

bool IsReddish(QColor color) {
    return color.red() > color.green() + 60 && color.red() > color.blue() + 60;
}

// ---------------------------------------------------------------------------
// Each class takes the keys of its layout stream beyond those that every
// control has, with values of the stream's types.

template <class C> std::unique_ptr<RectControl> Make() { return std::make_unique<C>(); }

struct StreamRow {
    const char* name;
    std::unique_ptr<RectControl> (*make)();
    PropertyList ownKeys;
};

void PrintTo(const StreamRow& row, std::ostream* out) { *out << row.name; }

const Color kBlack = RGB(0, 0, 0);

const StreamRow kStreamRows[] = {
    {"Rectangle",
     Make<Rectangle>,
     {{"FillColor", kBlack},
      {"BorderWidth", 1},
      {"TopLeftColor", kBlack},
      {"BottomRightColor", kBlack}}},
    {"RoundRectangle",
     Make<RoundRectangle>,
     {{"FillColor", kBlack},
      {"BorderWidth", 1},
      {"BorderColor", kBlack},
      {"OvalWidth", 16},
      {"OvalHeight", 16}}},
    {"BevelButton",
     Make<BevelButton>,
     {{"Caption", "7"},
      {"CaptionAlign", 3},
      {"CaptionPlacement", 1},
      {"CaptionDelta", 0},
      {"IconAlign", 1},
      {"IconDX", 0},
      {"IconDY", 0},
      {"Bevel", 3},
      {"HasMenu", 0},
      {"HasBackColor", false},
      {"BackColor", kBlack},
      {"TextColor", kBlack},
      {"Value", false},
      {"MenuValue", 0},
      {"ButtonType", 0},
      {"AcceptFocus", false}}},
    {"Slider",
     Make<Slider>,
     {{"Minimum", 12},
      {"Value", 32},
      {"Maximum", 64},
      {"LineStep", 1},
      {"PageStep", 20},
      {"LiveScroll", true},
      {"TickStyle", 0}}},
    {"Label",
     Make<Label>,
     {{"Text", "A"},
      {"TextAlign", 1},
      {"TextColor", kBlack},
      {"Multiline", false},
      {"Selectable", false},
      {"Transparent", false}}},
    {"TextField",
     Make<TextField>,
     {{"Border", true},
      {"Password", false},
      {"UseFocusRing", true},
      {"TextColor", kBlack},
      {"BackColor", kBlack},
      {"Format", ""},
      {"CueText", ""},
      {"Text", "0"},
      {"Mask", ""},
      {"ReadOnly", true},
      {"LimitText", 0},
      {"AcceptTabs", false},
      {"Alignment", 3},
      {"AutomaticallyCheckSpelling", false}}},
    {"GroupBox", Make<GroupBox>, {{"Caption", "Printer settings"}}},
    {"PopupMenu", Make<PopupMenu>, {{"InitialValue", "#.0\r#.00"}, {"ListIndex", 0}}},
    {"PushButton",
     Make<PushButton>,
     {{"Caption", "OK"}, {"Default", true}, {"Cancel", false}, {"ButtonStyle", 2}}},
    {"Canvas",
     Make<Canvas>,
     {{"UseFocusRing", true},
      {"AcceptFocus", false},
      {"AcceptTabs", false},
      {"DoubleBuffer", false},
      {"EraseBackground", true}}},
};

class StreamKeysTest : public ControlsTest, public ::testing::WithParamInterface<StreamRow> {};

TEST_P(StreamKeysTest, AcceptsItsOwnKeysAndRefusesOthers) {
    const StreamRow& row = GetParam();
    RectControl& control = AddMade(row.name, row.make(), 10, 10, 120, 40);
    for (const Property& property : row.ownKeys) {
        EXPECT_NO_THROW(SetProperties(&control, {property})) << property.key;
        const PropertyValue wrong = std::holds_alternative<std::string>(property.value)
                                        ? PropertyValue(std::int32_t(1))
                                        : PropertyValue(std::string("x"));
        EXPECT_THROW(SetProperties(&control, {{property.key, wrong}}), std::invalid_argument)
            << property.key;
    }
    EXPECT_THROW(SetProperties(&control, {{"NoSuchKey", 1}}), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(Controls, StreamKeysTest, ::testing::ValuesIn(kStreamRows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Slider

TEST_F(ControlsTest, SliderRunsValueChangedOnlyForChangesAfterAHandlerIsAttached) {
    auto& slider =
        Add<Slider>("Slider1", 10, 10, 200, 16, {{"Minimum", 12}, {"Value", 32}, {"Maximum", 64}});
    int changes = 0;
    int seen = 0;
    slider.ValueChanged([&](Slider& s) {
        ++changes;
        seen = s.Value();
    });
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(slider.Value(), 32);

    slider.Value(40);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(seen, 40);

    slider.Value(40);
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, SliderClampsValueIntoItsRange) {
    auto& slider =
        Add<Slider>("Slider1", 10, 10, 200, 16, {{"Minimum", 12}, {"Value", 32}, {"Maximum", 64}});
    const struct {
        int set;
        int expected;
    } rows[] = {{5, 12}, {100, 64}, {-2147483647 - 1, 12}, {64, 64}, {12, 12}};
    for (const auto& row : rows) {
        slider.Value(row.set);
        EXPECT_EQ(slider.Value(), row.expected) << row.set;
    }
}

TEST_F(ControlsTest, SliderRunsMouseExitWhenThePointerLeaves) {
    auto& slider = Add<Slider>("Slider1", 10, 10, 200, 16);
    int exits = 0;
    slider.MouseExit([&](Slider&) { ++exits; });
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(WidgetOf(slider), &leave);
    EXPECT_EQ(exits, 1);
}

// ---------------------------------------------------------------------------
// Focus

// TabStop decides whether Tab reaches a control that takes the focus; one
// that is no tab stop still takes it by a click. A keypad button and a
// canvas that accepts no focus never take it.
TEST_F(ControlsTest, TabReachesEveryControlThatTakesTheFocusAndIsATabStop) {
    const struct {
        const char* name;
        std::unique_ptr<RectControl> (*make)();
        PropertyList properties;
        bool byTab;
        bool byClick;
    } rows[] = {
        {"push button", Make<PushButton>, {{"TabStop", true}}, true, true},
        {"push button, no tab stop", Make<PushButton>, {{"TabStop", false}}, false, true},
        {"text field", Make<TextField>, {{"TabStop", true}}, true, true},
        {"text field, no tab stop", Make<TextField>, {{"TabStop", false}}, false, true},
        {"popup menu, no tab stop", Make<PopupMenu>, {{"TabStop", false}}, false, true},
        {"slider", Make<Slider>, {{"TabStop", true}}, true, true},
        {"list", Make<Listbox>, {{"TabStop", true}}, true, true},
        {"canvas that accepts the focus",
         Make<Canvas>,
         {{"TabStop", true}, {"AcceptFocus", true}},
         true,
         true},
        {"canvas that accepts no focus",
         Make<Canvas>,
         {{"TabStop", true}, {"AcceptFocus", false}},
         false,
         false},
        {"keypad button",
         Make<BevelButton>,
         {{"TabStop", true}, {"AcceptFocus", false}},
         false,
         false},
    };
    for (const auto& row : rows) {
        RectControl& control = AddMade(row.name, row.make(), 10, 10, 100, 40, row.properties);
        const Qt::FocusPolicy policy = WidgetOf(control)->focusPolicy();
        EXPECT_EQ((policy & Qt::TabFocus) != 0, row.byTab) << row.name;
        EXPECT_EQ((policy & Qt::ClickFocus) != 0, row.byClick) << row.name;
        EXPECT_EQ(control.TabStop(), BooleanValue(row.properties.front())) << row.name;
    }
}

// ---------------------------------------------------------------------------
// Buttons

TEST_F(ControlsTest, BevelButtonClickRunsActionOnceNeverTakesFocusAndIsNamedByCaption) {
    auto& button = Add<BevelButton>("BevelButton1", 30, 30, 80, 80, {{"Caption", "7"}});
    int actions = 0;
    button.Action([&](BevelButton&) { ++actions; });
    QWidget* widget = WidgetOf(button);
    QTest::mouseClick(widget, Qt::LeftButton);
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(widget->hasFocus());
    EXPECT_NE(TopLevelOf(*window)->focusWidget(), widget);

    button.Push();
    EXPECT_EQ(actions, 2);

    EXPECT_EQ(widget->accessibleName(), "7");
    button.Caption("8");
    EXPECT_EQ(widget->accessibleName(), "8");
    EXPECT_NE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description),
              "BevelButton1");
}

// A picture button is named by what its picture says, never by its Name;
// a caption, when it has one, is what it reads.
TEST_F(ControlsTest, PictureButtonIsNamedByTheNameTheProgramGivesIt) {
    auto& button = Add<BevelButton>("BevelButton1", 30, 30, 80, 80, {{"Caption", ""}});
    QWidget* widget = WidgetOf(button);
    EXPECT_EQ(widget->accessibleName(), "");
    button.AccessibleName("Donate");
    EXPECT_EQ(widget->accessibleName(), "Donate");
    button.Caption("9");
    EXPECT_EQ(widget->accessibleName(), "9");
    button.Caption("");
    EXPECT_EQ(widget->accessibleName(), "Donate");
    EXPECT_NE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description),
              "BevelButton1");
}

TEST_F(ControlsTest, KeypadCaptionFitsItsKeyUnclipped) {
    auto& key = Add<BevelButton>("BevelButton3", 30, 30, 80, 80);
    key.TextSize(72);
    SetProperties(
        &key,
        {{"Caption", "8"}, {"TextColor", RGB(0, 0, 0)}, {"TextFont", "System"}, {"Bold", true}});
    const QFontMetrics metrics(WidgetOf(key)->font());
    EXPECT_EQ(WidgetOf(key)->font().pixelSize(), 72);
    EXPECT_LT(metrics.horizontalAdvance("8"), 80);
    EXPECT_LT(metrics.ascent(), 80);

    const QRect glyph = metrics.tightBoundingRect("8");
    const QRect ink = InkBounds(Grab(key), IsDark);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GE(ink.height(), glyph.height() - 2);
    EXPECT_GE(ink.width(), glyph.width() - 2);
    EXPECT_NEAR(ink.center().x(), 40, 3);
    EXPECT_NEAR(ink.center().y(), 40, 6);
}

TEST_F(ControlsTest, LeftAlignedCaptionStartsCaptionDeltaPixelsIn) {
    auto& key = Add<BevelButton>("BevelButton11", 30, 30, 190, 80);
    key.TextSize(72);
    SetProperties(&key, {{"Caption", "0"},
                         {"CaptionAlign", 0},
                         {"CaptionDelta", 20},
                         {"TextColor", RGB(0, 0, 0)},
                         {"Bold", true}});
    const QRect glyph = QFontMetrics(WidgetOf(key)->font()).tightBoundingRect("0");
    const QRect ink = InkBounds(Grab(key), IsDark);
    ASSERT_TRUE(ink.isValid());
    EXPECT_NEAR(ink.left(), 20 + glyph.left(), 1);
}

TEST_F(ControlsTest, BevelButtonBackColorAppliesOnlyWithHasBackColor) {
    for (bool hasBackColor : {false, true}) {
        const std::string name = hasBackColor ? "Coloured" : "Plain";
        auto& button = Add<BevelButton>(
            name, 30, 30, 80, 80, {{"HasBackColor", hasBackColor}, {"BackColor", RGB(255, 0, 0)}});
        EXPECT_EQ(IsReddish(Grab(button).pixelColor(40, 40)), hasBackColor) << name;
    }
}

TEST_F(ControlsTest, BevelButtonIconIsCentredAndScaledDownToFit) {
    auto& button = Add<BevelButton>("BevelButton1", 30, 30, 60, 60, {{"Caption", ""}});
    button.Icon(SolidPicture(200, 100, Qt::red));
    const QRect ink = InkBounds(Grab(button), IsReddish);
    ASSERT_TRUE(ink.isValid());
    EXPECT_LE(ink.width(), 60);
    EXPECT_NEAR(ink.width(), 2 * ink.height(), 2);
    EXPECT_NEAR(ink.center().x(), 30, 1);
    EXPECT_NEAR(ink.center().y(), 30, 1);
}

TEST_F(ControlsTest, PushButtonClickRunsActionAndKeepsDefaultAndCancel) {
    auto& ok = Add<PushButton>("PushButton2", 30, 30, 150, 38,
                               {{"Caption", "OK"}, {"Default", true}, {"Cancel", false}});
    auto& cancel = Add<PushButton>("PushButton1", 200, 30, 150, 38,
                                   {{"Caption", "Cancel"}, {"Default", false}, {"Cancel", true}});
    EXPECT_TRUE(ok.Default());
    EXPECT_FALSE(ok.Cancel());
    EXPECT_FALSE(cancel.Default());
    EXPECT_TRUE(cancel.Cancel());
    EXPECT_EQ(WidgetOf(ok)->accessibleName(), "OK");

    int actions = 0;
    ok.Action([&](PushButton&) { ++actions; });
    QTest::mouseClick(WidgetOf(ok), Qt::LeftButton);
    EXPECT_EQ(actions, 1);
    ok.Push();
    EXPECT_EQ(actions, 2);
}

// ---------------------------------------------------------------------------
// Label

TEST_F(ControlsTest, LabelRunsMouseEnterExitAndDown) {
    auto& link = Add<Label>("StaticText5", 20, 20, 300, 40, {{"Text", "http://example.org"}});
    std::vector<std::string> events;
    link.MouseDown([&](Label& label, int x, int y) {
        events.push_back("down " + label.Text() + " " + std::to_string(x) + "," +
                         std::to_string(y));
        return false;
    });
    link.MouseEnter([&](Label&) { events.push_back("enter"); });
    link.MouseExit([&](Label&) { events.push_back("exit"); });

    QWidget* widget = WidgetOf(link);
    QEnterEvent enter(QPointF(5, 5), QPointF(25, 25), widget->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(widget, &enter);
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(7, 9));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);

    EXPECT_EQ(events, (std::vector<std::string>{"enter", "down http://example.org 7,9", "exit"}));
}

TEST_F(ControlsTest, LabelPressReachesTheWindowOnlyWithoutAHandler) {
    const struct {
        const char* name;
        std::function<void(Label&)> attach;
        int windowSees;
    } rows[] = {
        {"NoHandler", [](Label&) {}, 1},
        {"HandlerAnswersFalse",
         [](Label& l) { l.MouseDown([](Label&, int, int) { return false; }); }, 0},
        {"HandlerAnswersTrue", [](Label& l) { l.MouseDown([](Label&, int, int) { return true; }); },
         0},
    };
    for (const auto& row : rows) {
        auto& label = Add<Label>(row.name, 20, 20, 200, 30, {{"Text", row.name}});
        row.attach(label);
        window->mouseDowns = 0;
        QTest::mouseClick(WidgetOf(label), Qt::LeftButton);
        EXPECT_EQ(window->mouseDowns, row.windowSees) << row.name;
        label.Visible(false);
    }
}

TEST_F(ControlsTest, LabelShowsColourAndUnderlineSetAtRunTime) {
    auto& link = Add<Label>("StaticText5", 20, 20, 300, 40,
                            {{"Text", "link"}, {"TextColor", RGB(0, 0, 255)}});
    link.TextColor(RGB(255, 0, 0));
    link.Underline(true);
    QWidget* widget = WidgetOf(link);
    EXPECT_EQ(widget->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(widget->font().underline());
    EXPECT_TRUE(link.TextColor() == RGB(255, 0, 0));
    EXPECT_TRUE(link.Underline());
}

struct FitCase {
    const char* text;
    int width;
    int height;
    bool multiline;
    bool narrowed;
};

// A text that would be cut off at its face's full width is set narrower
// until it fits; one that fits keeps the full width.
TEST_F(ControlsTest, LabelSetsATooWideTextNarrowerUntilItFits) {
    const FitCase cases[] = {
        {"lumaDex", 300, 56, false, false},
        {"lumaDex", 165, 56, false, true},
        {"a very big display and buttons!", 600, 89, true, false},
        {"This app is a (yet another) simple calculator but with a very big display and buttons!",
         698, 89, true, true},
    };
    int index = 0;
    for (const FitCase& c : cases) {
        const std::string name = "Fit" + std::to_string(index++);
        auto& label = Add<Label>(name, 10, 10, c.width, c.height,
                                 {{"Text", c.text}, {"Multiline", c.multiline}});
        label.TextFont(c.multiline ? "Geneva" : "Arial Black");
        label.TextSize(c.multiline ? 32 : 42);
        QWidget* widget = WidgetOf(label);
        const QFontMetrics metrics(widget->font());
        const QRect box = widget->contentsRect();
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20),
                                 c.multiline ? Qt::TextWordWrap : 0, QString::fromUtf8(c.text));
        EXPECT_LE(needed.width(), box.width()) << c.text;
        EXPECT_LE(needed.height(), box.height()) << c.text;
        const int stretch = widget->font().stretch();
        EXPECT_EQ(stretch < 100, c.narrowed) << c.text << " " << stretch;
    }
}

// ---------------------------------------------------------------------------
// TextField

TEST_F(ControlsTest, TextFieldWithoutLimitKeepsAHundredThousandCharacters) {
    auto& field = Add<TextField>("LCD", 30, 28, 410, 70, {{"LimitText", 0}});
    const std::string text(100000, '7');
    field.Text(text);
    EXPECT_EQ(field.Text(), text);
}

// The limit counts characters as the user sees them, whatever number of
// UTF-16 units each one takes.
TEST_F(ControlsTest, TextFieldRefusesTypingPastItsLimit) {
    auto& field = Add<TextField>("EditField1", 30, 28, 342, 43, {{"LimitText", 24}});
    const struct {
        const char* name;
        const char* character;
    } rows[] = {
        {"letter", "a"},
        {"letter with an accent", "\xC3\xA8"},
        {"emoji", "\xF0\x9F\x98\x80"},
        {"letter and a combining accent", "e\xCC\x81"},
        {"flag of two regional indicators", "\xF0\x9F\x87\xAE\xF0\x9F\x87\xB9"},
    };
    for (const auto& row : rows) {
        field.Text("");
        WidgetOf(field)->setFocus();
        TypeText(WidgetOf(field), QString::fromUtf8(row.character).repeated(25));
        std::string kept;
        for (int i = 0; i < 24; ++i) {
            kept += row.character;
        }
        EXPECT_EQ(field.Text(), kept) << row.name;
    }
}

// A field filled by code shows its text from the start, whatever was typed
// into it before.
TEST_F(ControlsTest, TextFieldFilledByCodePutsTheCursorAtTheStart) {
    auto& field = Add<TextField>("EditField1", 30, 28, 342, 43, {{"LimitText", 24}});
    auto* line = static_cast<QLineEdit*>(WidgetOf(field));
    for (const std::string& text : {std::string(24, 'h'), std::string(30, 'd'), std::string()}) {
        line->setFocus();
        QTest::keyClicks(line, QStringLiteral("typed"));
        field.Text(text);
        EXPECT_EQ(line->cursorPosition(), 0) << text;
        EXPECT_EQ(field.Text(), text);
    }
}

struct LimitStep {
    const char* name;
    std::function<void(QWidget*)> edit;
    int length;
};

// A text longer than the limit set by code (a hand-edited settings file)
// stays whole; the user's edits can then only shorten it to the limit.
TEST_F(ControlsTest, TextFieldKeepsALongerTextFromCodeUntilTheUserShortensIt) {
    auto& field = Add<TextField>("EditField1", 30, 28, 342, 43, {{"LimitText", 24}});
    field.Text(std::string(30, 'd'));
    const LimitStep steps[] = {
        {"set by code", [](QWidget*) {}, 30},
        {"typed at the end",
         [](QWidget* w) {
             QTest::keyClick(w, Qt::Key_End);
             QTest::keyClick(w, Qt::Key_X);
         },
         30},
        {"one deleted", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Backspace); }, 29},
        {"typed after deleting, up to the text from code",
         [](QWidget* w) { QTest::keyClicks(w, QStringLiteral("xx")); }, 30},
        {"all replaced by typing",
         [](QWidget* w) {
             QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
             QTest::keyClicks(w, QString(30, QLatin1Char('y')));
         },
         24},
    };
    for (const LimitStep& step : steps) {
        step.edit(WidgetOf(field));
        EXPECT_EQ(static_cast<int>(field.Text().size()), step.length) << step.name;
    }
    field.Text(std::string(26, 'e'));
    SetProperties(&field, {{"LimitText", 24}});
    EXPECT_EQ(field.Text(), std::string(26, 'e'));

    auto* line = static_cast<QLineEdit*>(WidgetOf(field));
    line->setCursorPosition(5);
    QTest::keyClick(line, Qt::Key_Backspace);
    EXPECT_EQ(line->cursorPosition(), 4) << "shortening keeps the cursor in place";
    ASSERT_TRUE(line->isUndoAvailable()) << "shortening keeps the undo history";
    QTest::keyClick(line, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.Text(), std::string(26, 'e'));
}

TEST_F(ControlsTest, ReadOnlyTextFieldRefusesTypingButTakesFocusByClick) {
    auto& field = Add<TextField>("LCD", 30, 28, 410, 70, {{"Text", "0"}, {"ReadOnly", true}});
    QWidget* widget = WidgetOf(field);
    QTest::mouseClick(widget, Qt::LeftButton);
    EXPECT_EQ(TopLevelOf(*window)->focusWidget(), widget);
    QTest::keyClicks(widget, "12");
    EXPECT_EQ(field.Text(), "0");
    EXPECT_TRUE(field.ReadOnly());
}

TEST_F(ControlsTest, TextFieldTextIsUtf8) {
    auto& field = Add<TextField>("EditField1", 30, 28, 342, 43);
    field.Text("Totale \xE2\x82\xAC \xC3\xA8");
    EXPECT_EQ(static_cast<QLineEdit*>(WidgetOf(field))->text(), QString::fromUtf8("Totale € è"));
    EXPECT_EQ(field.Text(), "Totale \xE2\x82\xAC \xC3\xA8");
}

TEST_F(ControlsTest, DisplayShowsItsLargeTextWholeAndRightAligned) {
    auto& lcd = Add<TextField>("LCD", 30, 28, 410, 70);
    lcd.TextSize(50);
    SetProperties(&lcd, {{"TextFont", "Monaco"},
                         {"TextColor", RGB(255, 255, 255)},
                         {"BackColor", RGB(0, 0, 0)},
                         {"ReadOnly", true},
                         {"Alignment", 3},
                         {"Text", "123"}});
    const QRect glyphs = QFontMetrics(WidgetOf(lcd)->font()).tightBoundingRect("123");
    // Inside the field's frame: the digits neither touch nor cross its edges.
    const QRect inside = QRect(0, 0, 410, 70).adjusted(3, 3, -3, -3);
    const QRect ink = InkBounds(Grab(lcd).copy(inside), IsLight);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GE(ink.height(), glyphs.height() - 2);
    EXPECT_GT(ink.top(), 0);
    EXPECT_LT(ink.bottom(), inside.height() - 1);
    EXPECT_GT(ink.right(), inside.width() - 20);
    EXPECT_GT(ink.left(), inside.width() / 2);
}

// ---------------------------------------------------------------------------
// PopupMenu

TEST_F(ControlsTest, PopupMenuInitialValueListsItsItems) {
    const struct {
        const char* name;
        const char* initialValue;
        int count;
        int listIndex;
    } rows[] = {{"CarriageReturns", "#.0\r#.00\r#.000\r#.0000", 4, 0},
                {"LineFeeds", "#.0\n#.00\n#.000\n#.0000", 4, 0},
                {"CarriageReturnLineFeeds", "#.0\r\n#.00\r\n#.000\r\n#.0000", 4, 0},
                {"Empty", "", 0, -1}};
    for (const auto& row : rows) {
        auto& popup = Add<PopupMenu>(row.name, 300, 100, 155, 56,
                                     {{"InitialValue", row.initialValue}, {"ListIndex", 0}});
        ASSERT_EQ(popup.ListCount(), row.count) << row.name;
        EXPECT_EQ(popup.ListIndex(), row.listIndex) << row.name;
        if (row.count == 4) {
            EXPECT_EQ(popup.List(0), "#.0") << row.name;
            EXPECT_EQ(popup.List(3), "#.0000") << row.name;
        }
    }
}

// The chosen item shows beside the arrow whole, set narrower where needed;
// the opened list keeps the full width.
TEST_F(ControlsTest, PopupMenuShowsItsWidestItemWholeBesideTheArrow) {
    auto& popup = Add<PopupMenu>("Fitted", 300, 100, 155, 56,
                                 {{"InitialValue", "#.0\r#.000000"}, {"ListIndex", 1}});
    popup.TextSize(36);
    auto* combo = static_cast<QComboBox*>(WidgetOf(popup));
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const int room =
        combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .width();
    EXPECT_LE(QFontMetrics(combo->font()).horizontalAdvance(QStringLiteral("#.000000")), room);
    EXPECT_GT(QFontMetrics(combo->view()->font()).horizontalAdvance(QStringLiteral("#.000000")),
              room);
}

TEST_F(ControlsTest, PopupMenuChoosesByIndexAndNoneOutsideTheItems) {
    auto& popup = Add<PopupMenu>("PopupMenu1", 300, 100, 155, 56,
                                 {{"InitialValue", "#.0\r#.00\r#.000\r#.0000"}});
    popup.ListIndex(3);
    EXPECT_EQ(popup.ListIndex(), 3);
    EXPECT_EQ(static_cast<QComboBox*>(WidgetOf(popup))->currentText(), "#.0000");
    popup.ListIndex(7);
    EXPECT_EQ(popup.ListIndex(), -1);
    popup.ListIndex(-1);
    EXPECT_EQ(popup.ListIndex(), -1);
    EXPECT_THROW(popup.List(4), std::out_of_range);

    popup.DeleteAllRows();
    popup.AddRow("one");
    EXPECT_EQ(popup.ListCount(), 1);
    EXPECT_EQ(popup.List(0), "one");
}

// ---------------------------------------------------------------------------
// Panels and pictures

TEST_F(ControlsTest, PressOnAPassiveControlReachesTheWindow) {
    const struct {
        const char* name;
        std::unique_ptr<RectControl> (*make)();
        int windowSees;
    } rows[] = {
        {"Rectangle", Make<Rectangle>, 1},     {"RoundRectangle", Make<RoundRectangle>, 1},
        {"GroupBox", Make<GroupBox>, 1},       {"Canvas", Make<Canvas>, 1},
        {"BevelButton", Make<BevelButton>, 0},
    };
    for (const auto& row : rows) {
        RectControl& control = AddMade(row.name, row.make(), 10, 10, 100, 100);
        window->mouseDowns = 0;
        QTest::mouseClick(WidgetOf(control), Qt::LeftButton, {}, QPoint(50, 50));
        EXPECT_EQ(window->mouseDowns, row.windowSees) << row.name;
        control.Visible(false);
    }
}

TEST_F(ControlsTest, RectanglePaintsFillAndTwoBorderColours) {
    auto& panel = Add<Rectangle>("Rectangle1", 10, 10, 50, 40,
                                 {{"FillColor", RGB(255, 255, 255)},
                                  {"BorderWidth", 2},
                                  {"TopLeftColor", RGB(255, 0, 0)},
                                  {"BottomRightColor", RGB(0, 0, 255)}});
    const QImage image = Grab(panel);
    EXPECT_EQ(image.pixelColor(20, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 20), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(20, 39), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(48, 20), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(25, 20), QColor(255, 255, 255));
}

TEST_F(ControlsTest, RoundRectangleLeavesItsCornersUnfilled) {
    auto& box = Add<RoundRectangle>("tRect", 10, 10, 100, 60,
                                    {{"FillColor", RGB(123, 123, 123)},
                                     {"BorderWidth", 1},
                                     {"BorderColor", RGB(0, 0, 0)},
                                     {"OvalWidth", 16},
                                     {"OvalHeight", 16}});
    const QImage image = Grab(box);
    EXPECT_EQ(image.pixelColor(50, 30), QColor(123, 123, 123));
    EXPECT_NE(image.pixelColor(1, 1), QColor(123, 123, 123));
    EXPECT_TRUE(IsDark(image.pixelColor(50, 0)));
}

TEST_F(ControlsTest, CanvasShowsItsBackdropAtItsTopLeft) {
    auto& canvas = Add<Canvas>("Canvas1", 35, 18, 64, 64);
    canvas.Backdrop(SolidPicture(32, 32, Qt::blue));
    const QImage image = Grab(canvas);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(31, 31), QColor(0, 0, 255));
    EXPECT_NE(image.pixelColor(40, 40), QColor(0, 0, 255));
}

// As the window shows it: the border follows the focus as it comes and goes.
TEST_F(ControlsTest, BorderedTextFieldHasAOnePixelFrameHighlightedWhileFocused) {
    auto& field = Add<TextField>("LCD", 30, 28, 410, 70, {{"BackColor", RGB(0, 0, 0)}});
    QWidget* widget = WidgetOf(field);
    QWidget* top = TopLevelOf(*window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    const struct {
        bool border;
        bool focus;
        QPalette::ColorRole edge;
    } rows[] = {{true, false, QPalette::Mid},
                {true, true, QPalette::Highlight},
                {true, false, QPalette::Mid},
                {false, true, QPalette::Base}};
    for (const auto& row : rows) {
        SetProperties(&field, {{"Border", row.border}});
        if (row.focus) {
            widget->setFocus();
        } else {
            widget->clearFocus();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return widget->hasFocus() == row.focus; }));
        Flush(top);
        const QColor edge = widget->palette().color(row.edge);
        const QPoint origin = widget->mapTo(top, QPoint());
        const QImage image =
            top->screen()->grabWindow(top->winId(), origin.x(), origin.y(), 410, 70).toImage();
        for (QPoint at : {QPoint(0, 35), QPoint(409, 35), QPoint(200, 0), QPoint(200, 69)}) {
            EXPECT_EQ(image.pixelColor(at).rgb(), edge.rgb())
                << row.border << row.focus << " at " << at.x() << "," << at.y();
        }
        EXPECT_EQ(image.pixelColor(1, 35), QColor(0, 0, 0));
        EXPECT_EQ(image.pixelColor(200, 68), QColor(0, 0, 0));
    }
}

// The display covers its part of the keypad panel completely, so a new
// number repaints the display alone.
TEST_F(ControlsTest, TextFieldRepaintsWithoutThePanelBeneathIt) {
    auto& panel = Add<Rectangle>("Rectangle1", 10, 14, 450, 300,
                                 {{"FillColor", RGB(255, 255, 255)},
                                  {"BorderWidth", 1},
                                  {"TopLeftColor", RGB(0, 0, 0)},
                                  {"BottomRightColor", RGB(0, 0, 0)}});
    auto& lcd = Add<TextField>("LCD", 30, 28, 410, 70, {{"BackColor", RGB(0, 0, 0)}});
    QWidget* top = TopLevelOf(*window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    Flush(top);
    PaintRecorder beneath(WidgetOf(panel));
    PaintRecorder display(WidgetOf(lcd));
    lcd.Text("42");
    Flush(top);
    EXPECT_FALSE(display.painted.isEmpty());
    EXPECT_TRUE(beneath.painted.isEmpty());
}

// ---------------------------------------------------------------------------
// Handlers that fail

TEST_F(ControlsTest, FailingHandlerIsReportedOnceAndTheProgramGoesOn) {
    const struct {
        const char* name;
        std::function<void(ControlsTest&)> raise;
    } rows[] = {
        {"BevelButtonAction",
         [](ControlsTest& t) {
             auto& b = t.Add<BevelButton>("B", 10, 10, 80, 80);
             b.Action([](BevelButton&) { throw std::runtime_error("BevelButtonAction"); });
             QTest::mouseClick(WidgetOf(b), Qt::LeftButton);
         }},
        {"PushButtonAction",
         [](ControlsTest& t) {
             auto& b = t.Add<PushButton>("P", 10, 10, 80, 30);
             b.Action([](PushButton&) { throw std::runtime_error("PushButtonAction"); });
             b.Push();
         }},
        {"SliderValueChanged",
         [](ControlsTest& t) {
             auto& s = t.Add<Slider>("S", 10, 10, 200, 16, {{"Value", 1}});
             s.ValueChanged([](Slider&) { throw std::runtime_error("SliderValueChanged"); });
             s.Value(2);
         }},
        {"LabelMouseDown",
         [](ControlsTest& t) {
             auto& l = t.Add<Label>("M", 10, 10, 80, 30);
             l.MouseDown(
                 [](Label&, int, int) -> bool { throw std::runtime_error("LabelMouseDown"); });
             QTest::mouseClick(WidgetOf(l), Qt::LeftButton);
         }},
    };
    for (const auto& row : rows) {
        ReportedExceptions().clear();
        EXPECT_NO_THROW(row.raise(*this)) << row.name;
        EXPECT_EQ(ReportedExceptions(), std::vector<std::string>{row.name}) << row.name;
    }
    EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), window);
}

} // namespace
