#include "Window1Layout.h"
#include "HandlerTableChecks.h"
#include "PictureImpl.h"
#include "PropertyStream.h"
#include "QtAccess.h"
#include "TestSupport.h"
#include "Window1.h"
#include "Window1Control.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace {

PropertyList Decoded(const ControlLayout& control) {
    return ReadPropertyStream(control.stream, control.className);
}

const Property& Find(const PropertyList& properties, const std::string& key) {
    for (const Property& property : properties) {
        if (property.key == key) {
            return property;
        }
    }
    throw std::out_of_range("no property " + key);
}

std::int32_t Integer(const ControlLayout& control, const std::string& key) {
    return IntegerValue(Find(Decoded(control), key));
}
bool Boolean(const ControlLayout& control, const std::string& key) {
    return BooleanValue(Find(Decoded(control), key));
}
std::string String(const ControlLayout& control, const std::string& key) {
    return StringValue(Find(Decoded(control), key));
}
Color Colour(const ControlLayout& control, const std::string& key) {
    return ColorValue(Find(Decoded(control), key));
}

std::string Locks(const ControlLayout& control) {
    std::string locks;
    for (const char* key : {"LockLeft", "LockTop", "LockRight", "LockBottom"}) {
        locks += Boolean(control, key) ? '1' : '0';
    }
    return locks;
}

TEST(Window1LayoutTest, HasThirtyTwoUniquelyNamedControlsNamedAsInTheirStreams) {
    const auto controls = Window1Controls();
    ASSERT_EQ(controls.size(), 32u);
    std::set<std::string_view> names;
    for (const ControlLayout& control : controls) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        EXPECT_EQ(String(control, "Name"), control.name);
        EXPECT_EQ(&Window1Control(control.name), &control);
    }
    EXPECT_EQ(controls.front().name, "Rectangle2");
    EXPECT_EQ(controls.back().name, "MShow");
    EXPECT_THROW(Window1Control("BevelButton2"), std::out_of_range);
}

TEST(Window1LayoutTest, EveryButtonTheTapeAndTheSliderHaveTheirHandlers) {
    std::set<std::string_view> expected = {"ListBox1", "Slider1"};
    for (const ControlLayout& control : Window1Controls()) {
        if (control.className == "BevelButton") {
            expected.insert(control.name);
        }
    }
    ExpectHandlersFollowLayout<Window1>(Window1Controls(), Window1::Handlers(), expected);
    EXPECT_EQ(Window1::Handlers().size(), 27u); // two each on the tape and the slider
}

TEST(Window1LayoutTest, EveryEnclosingControlIsCreatedEarlier) {
    std::set<std::string> earlier;
    for (const ControlLayout& control : Window1Controls()) {
        const std::string parent = String(control, "InitialParent");
        EXPECT_TRUE(parent.empty() || earlier.count(parent)) << control.name << " in " << parent;
        earlier.insert(std::string(control.name));
    }
}

TEST(Window1LayoutTest, EveryControlLiesInsideTheWindowContent) {
    const PropertyList window = ReadPropertyStream(Window1WindowStream(), "Window");
    const int width = IntegerValue(Find(window, "Width"));
    const int height = IntegerValue(Find(window, "Height"));
    ASSERT_EQ(width, 990);
    ASSERT_EQ(height, 690);
    for (const ControlLayout& control : Window1Controls()) {
        EXPECT_GE(Integer(control, "Left"), 0) << control.name;
        EXPECT_GE(Integer(control, "Top"), 0) << control.name;
        EXPECT_LE(Integer(control, "Left") + Integer(control, "Width"), width) << control.name;
        EXPECT_LE(Integer(control, "Top") + Integer(control, "Height"), height) << control.name;
    }
}

TEST(Window1LayoutTest, WindowHasItsSizeLimitsAndChrome) {
    const PropertyList window = ReadPropertyStream(Window1WindowStream(), "Window");
    const std::map<std::string, std::int32_t> integers = {
        {"Placement", 2},    {"MinWidth", 940}, {"MinHeight", 690}, {"MaxWidth", 1680},
        {"MaxHeight", 1050}, {"Frame", 9},      {"MacProcID", 0},
    };
    for (const auto& [key, value] : integers) {
        EXPECT_EQ(IntegerValue(Find(window, key)), value) << key;
    }
    for (const char* key : {"Composite", "Visible", "MenuBarVisible", "CloseButton", "Resizeable",
                            "LiveResize", "MaximizeButton", "MinimizeButton"}) {
        EXPECT_TRUE(BooleanValue(Find(window, key))) << key;
    }
    EXPECT_FALSE(BooleanValue(Find(window, "HasBackColor")));
    EXPECT_FALSE(BooleanValue(Find(window, "FullScreen")));
}

TEST(Window1LayoutTest, ControlsHaveTheirPlaceLocksOrderAndSize) {
    const struct {
        const char* name;
        const char* className;
        int left, top, width, height;
        const char* locks;
        int tabIndex;
        const char* parent;
        std::optional<float> textSize;
    } rows[] = {
        {"Rectangle2", "Rectangle", 480, 14, 503, 658, "1111", 1, "", std::nullopt},
        {"ListBox1", "Listbox", 490, 23, 483, 585, "1111", 0, "Rectangle2", 32},
        {"BevelButton21", "BevelButton", 891, 620, 82, 37, "0011", 1, "Rectangle2", 24},
        {"Slider1", "Slider", 511, 635, 202, 16, "1011", 2, "Rectangle2", std::nullopt},
        {"StaticText1", "Label", 489, 628, 14, 20, "1001", 4, "Rectangle2", std::nullopt},
        {"StaticText2", "Label", 722, 606, 32, 64, "0011", 5, "Rectangle2", 44},
        {"tRect", "RoundRectangle", 491, 99, 482, 100, "1100", 2, "", std::nullopt},
        {"tSIze", "Label", 514, 107, 437, 93, "1110", 0, "tRect", 56},
        {"Rectangle1", "Rectangle", 10, 14, 450, 658, "1100", 0, "", std::nullopt},
        {"BevelButton4", "BevelButton", 248, 291, 80, 80, "1100", 2, "Rectangle1", 72},
        {"BevelButton17", "BevelButton", 360, 291, 80, 80, "1100", 13, "Rectangle1", 72},
        {"LCD", "TextField", 30, 28, 410, 70, "1100", 16, "Rectangle1", 50},
        {"BevelButton20", "BevelButton", 360, 476, 80, 172, "1100", 17, "Rectangle1", 72},
        {"MClear", "BevelButton", 30, 116, 94, 61, "1100", 18, "Rectangle1", 46},
        {"MShow", "BevelButton", 346, 116, 94, 61, "1100", 21, "Rectangle1", 46},
    };
    for (const auto& row : rows) {
        const ControlLayout& control = Window1Control(row.name);
        EXPECT_EQ(control.className, row.className) << row.name;
        EXPECT_EQ(Integer(control, "Left"), row.left) << row.name;
        EXPECT_EQ(Integer(control, "Top"), row.top) << row.name;
        EXPECT_EQ(Integer(control, "Width"), row.width) << row.name;
        EXPECT_EQ(Integer(control, "Height"), row.height) << row.name;
        EXPECT_EQ(Locks(control), row.locks) << row.name;
        EXPECT_EQ(Integer(control, "TabIndex"), row.tabIndex) << row.name;
        EXPECT_EQ(String(control, "InitialParent"), row.parent) << row.name;
        EXPECT_EQ(control.textSize, row.textSize) << row.name;
    }
}

TEST(Window1LayoutTest, ValuesCommonToAllControls) {
    for (const ControlLayout& control : Window1Controls()) {
        EXPECT_EQ(Integer(control, "Index"), -2147483647 - 1) << control.name;
        EXPECT_EQ(Integer(control, "TabPanelIndex"), 0) << control.name;
        EXPECT_TRUE(Boolean(control, "Enabled")) << control.name;
        EXPECT_TRUE(Boolean(control, "AutoDeactivate")) << control.name;
        EXPECT_EQ(String(control, "HelpTag"), "") << control.name;
        EXPECT_EQ(Boolean(control, "Visible"), control.name != "tSIze") << control.name;
    }
}

TEST(Window1LayoutTest, KeypadHasTwentyOneKeysAndTheDoubleWidthKeysSetCaptionsLeft) {
    int keys = 0;
    for (const ControlLayout& control : Window1Controls()) {
        if (control.className != "BevelButton") {
            continue;
        }
        EXPECT_FALSE(Boolean(control, "AcceptFocus")) << control.name;
        EXPECT_FALSE(Boolean(control, "HasBackColor")) << control.name;
        EXPECT_FALSE(Boolean(control, "Value")) << control.name;
        if (String(control, "InitialParent") != "Rectangle1") {
            continue;
        }
        ++keys;
        EXPECT_EQ(Integer(control, "Bevel"), 3) << control.name;
        EXPECT_TRUE(Boolean(control, "Bold")) << control.name;
        EXPECT_EQ(Colour(control, "BackColor"), RGB(0x9A, 0x9A, 0x9A)) << control.name;
        const bool wide = control.name == "BevelButton11" || control.name == "BevelButton14";
        EXPECT_EQ(Integer(control, "CaptionAlign"), wide ? 0 : 3) << control.name;
        EXPECT_EQ(Integer(control, "CaptionDelta"), wide ? 20 : 0) << control.name;
    }
    EXPECT_EQ(keys, 21);
    EXPECT_EQ(String(Window1Control("BevelButton11"), "Caption"), "0");
    EXPECT_EQ(String(Window1Control("BevelButton14"), "Caption"), "C");
    EXPECT_EQ(String(Window1Control("MSubtract"), "TextFont"), "Arial Black");
    EXPECT_EQ(String(Window1Control("BevelButton19"), "TextFont"), "System");
    EXPECT_EQ(Integer(Window1Control("BevelButton22"), "Bevel"), 2);
    EXPECT_EQ(String(Window1Control("BevelButton22"), "Caption"), "Print");
}

TEST(Window1LayoutTest, DisplayIsReadOnlyRightAlignedZeroInMonaco) {
    const ControlLayout& lcd = Window1Control("LCD");
    EXPECT_EQ(String(lcd, "Text"), "0");
    EXPECT_EQ(String(lcd, "TextFont"), "Monaco");
    EXPECT_TRUE(Boolean(lcd, "ReadOnly"));
    EXPECT_EQ(Integer(lcd, "Alignment"), 3);
    EXPECT_EQ(Integer(lcd, "LimitText"), 0);
    EXPECT_EQ(Colour(lcd, "TextColor"), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(Colour(lcd, "BackColor"), RGB(0, 0, 0));
}

TEST(Window1LayoutTest, TapeSliderAndReadoutHoldTheirSettings) {
    const ControlLayout& slider = Window1Control("Slider1");
    EXPECT_EQ(Integer(slider, "Minimum"), 12);
    EXPECT_EQ(Integer(slider, "Value"), 32);
    EXPECT_EQ(Integer(slider, "Maximum"), 64);
    EXPECT_TRUE(Boolean(slider, "LiveScroll"));

    const ControlLayout& tape = Window1Control("ListBox1");
    EXPECT_EQ(Integer(tape, "ColumnCount"), 3);
    EXPECT_EQ(String(tape, "ColumnWidths"), "50%,35%,15%");
    EXPECT_EQ(String(tape, "TextFont"), "Monaco");
    EXPECT_EQ(String(tape, "InitialValue"), "");

    const ControlLayout& readout = Window1Control("tSIze");
    EXPECT_EQ(String(readout, "Text"), "32 pt.");
    EXPECT_EQ(Colour(readout, "TextColor"), RGB(0xE2, 0xFF, 0xFF));
    EXPECT_EQ(Integer(Window1Control("tRect"), "OvalWidth"), 16);
    EXPECT_EQ(Colour(Window1Control("tRect"), "FillColor"), RGB(0x7B, 0x7B, 0x7B));
}

// Building the layout on a window of its own, with the calculator window's
// properties but none of its handlers.
class BuildWindow : public Window {
public:
    BuildWindow() : Window("BuildWindow.BuildWindow") {}
    void Layout() override { ApplyWindowStream(*this, Window1WindowStream()); }
};

class Window1BuildTest : public ::testing::Test {
public:
    void SetUp() override {
        ReportedExceptions().clear();
        window = NewWindow<BuildWindow>();
    }
    void TearDown() override {
        window->Close();
        EXPECT_TRUE(ReportedExceptions().empty());
    }

    RectControl* Build(const ControlLayout& layout) {
        return BuildControlOfClass(*window, layout, nullptr);
    }

    BuildWindow* window = nullptr;
};

TEST_F(Window1BuildTest, WindowStreamGivesTheWindowItsSizeTitleAndLimits) {
    EXPECT_EQ(window->Width(), 990);
    EXPECT_EQ(window->Height(), 690);
    EXPECT_EQ(window->MinWidth(), 940);
    EXPECT_EQ(window->MinHeight(), 690);
    EXPECT_EQ(window->MaxWidth(), 1680);
    EXPECT_EQ(window->MaxHeight(), 1050);
    EXPECT_EQ(window->Title(), "lumaDex");
    EXPECT_TRUE(window->Visible());
}

TEST_F(Window1BuildTest, EveryControlBuildsWithItsPlaceParentVisibilityAndTextSize) {
    for (const ControlLayout& layout : Window1Controls()) {
        RectControl* control = Build(layout);
        ASSERT_NE(control, nullptr) << layout.name;
        EXPECT_EQ(control, window->ControlByName(std::string(layout.name)));
        EXPECT_EQ(control->Name(), layout.name);
        EXPECT_EQ(control->Left(), Integer(layout, "Left")) << layout.name;
        EXPECT_EQ(control->Top(), Integer(layout, "Top")) << layout.name;
        EXPECT_EQ(control->Width(), Integer(layout, "Width")) << layout.name;
        EXPECT_EQ(control->Height(), Integer(layout, "Height")) << layout.name;
        EXPECT_EQ(control->Visible(), layout.name != "tSIze") << layout.name;
        EXPECT_EQ(control->TextSize(), layout.textSize.value_or(0)) << layout.name;
        const std::string parent = String(layout, "InitialParent");
        EXPECT_EQ(control->Parent() == nullptr ? "" : control->Parent()->Name(), parent)
            << layout.name;
    }
}

TEST_F(Window1BuildTest, SliderValueFromTheStreamReachesNoHandler) {
    Build(Window1Control("Rectangle2"));
    Slider* slider = BuildControl<Slider>(*window, Window1Control("Slider1"));
    int changes = 0;
    slider->ValueChanged([&](Slider&) { ++changes; });
    QCoreApplication::processEvents();
    EXPECT_EQ(slider->Value(), 32);
    EXPECT_EQ(changes, 0);
    slider->Value(40);
    EXPECT_EQ(changes, 1);
}

TEST_F(Window1BuildTest, TextSizeSetBeforeTheStreamSurvivesIt) {
    Build(Window1Control("Rectangle2"));
    Label* large = BuildControl<Label>(*window, Window1Control("StaticText2"));
    EXPECT_EQ(large->TextSize(), 44);
    EXPECT_EQ(large->TextFont(), "Times");
    EXPECT_EQ(WidgetOf(*large)->font().pixelSize(), 44);

    Label* small = BuildControl<Label>(*window, Window1Control("StaticText1"));
    EXPECT_EQ(small->TextSize(), 0);
}

TEST_F(Window1BuildTest, PictureBecomesTheIconOfAButtonAndIsRefusedByAPanel) {
    auto impl = std::make_unique<PictureImpl>();
    impl->image = QImage(8, 8, QImage::Format_RGB32);
    const auto picture = std::make_shared<Picture>(std::move(impl));

    EXPECT_THROW(BuildControl<Rectangle>(*window, Window1Control("Rectangle1"), picture),
                 std::invalid_argument);
    EXPECT_EQ(window->ControlByName("Rectangle1"), nullptr);
    Build(Window1Control("Rectangle1"));
    EXPECT_EQ(BuildControl<BevelButton>(*window, Window1Control("MShow"), picture)->Icon(),
              picture);
    EXPECT_EQ(BuildControl<BevelButton>(*window, Window1Control("MAdd"))->Icon(), nullptr);
}

} // namespace
