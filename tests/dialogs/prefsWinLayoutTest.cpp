#include "prefsWinLayout.h"
#include "HandlerTableChecks.h"
#include "StreamChecks.h"
#include "prefsWin.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace {

struct StreamSize {
    std::string_view name;
    std::size_t bytes;
};

// The byte count of every stream, window first, then creation order.
const StreamSize kSizes[] = {
    {"prefsWin", 275},    {"GroupBox1", 278},   {"PopupMenu1", 347},  {"StaticText1", 368},
    {"GroupBox2", 275},   {"StaticText4", 371}, {"StaticText5", 365}, {"EditField1", 487},
    {"EditField2", 477},  {"StaticText6", 365}, {"EditField3", 476},  {"PushButton1", 309},
    {"PushButton2", 305},
};

TEST(prefsWinLayoutTest, EveryStreamHasItsSizeAndDecodesToItsClassKeysWithNoByteLeft) {
    const auto controls = prefsWinControls();
    ASSERT_EQ(controls.size() + 1, std::size(kSizes));
    EXPECT_EQ(prefsWinWindowStream().size(), kSizes[0].bytes);
    ExpectDecodesWhole(prefsWinWindowStream(), "Window", "prefsWin");
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlLayout& control = controls[i];
        EXPECT_EQ(control.name, kSizes[i + 1].name);
        EXPECT_EQ(control.stream.size(), kSizes[i + 1].bytes) << control.name;
        const PropertyList properties =
            ExpectDecodesWhole(control.stream, control.className, control.name);
        EXPECT_EQ(StringValue(FindProperty(properties, "Name")), control.name);
    }
}

TEST(prefsWinLayoutTest, EveryControlSharesTheFixedValuesAndOnlyGroupBoxesAreItalic) {
    for (const ControlLayout& control : prefsWinControls()) {
        const PropertyList p = ReadPropertyStream(control.stream, control.className);
        EXPECT_EQ(IntegerValue(FindProperty(p, "Index")), INT32_MIN) << control.name;
        EXPECT_TRUE(BooleanValue(FindProperty(p, "LockLeft"))) << control.name;
        EXPECT_TRUE(BooleanValue(FindProperty(p, "LockTop"))) << control.name;
        EXPECT_FALSE(BooleanValue(FindProperty(p, "LockRight"))) << control.name;
        EXPECT_FALSE(BooleanValue(FindProperty(p, "LockBottom"))) << control.name;
        EXPECT_EQ(StringValue(FindProperty(p, "TextFont")), "System") << control.name;
        EXPECT_EQ(BooleanValue(FindProperty(p, "Italic")), control.className == "GroupBox")
            << control.name;
        EXPECT_TRUE(control.textSize.has_value()) << control.name;
    }
}

TEST(prefsWinLayoutTest, PopupListsTheFourChoicesInOneStringOfTwentyOneBytes) {
    const ControlLayout& popup = prefsWinControls()[1];
    ASSERT_EQ(popup.name, "PopupMenu1");
    const std::string items =
        StringValue(FindProperty(ReadPropertyStream(popup.stream, "PopupMenu"), "InitialValue"));
    EXPECT_EQ(items, "#.0\r#.00\r#.000\r#.0000");
    EXPECT_EQ(items.size(), 21u);
}

TEST(prefsWinLayoutTest, ControlsLieInsideTheWindowAfterTheirEnclosingControls) {
    const PropertyList window = ReadPropertyStream(prefsWinWindowStream(), "Window");
    const int width = IntegerValue(FindProperty(window, "Width"));
    const int height = IntegerValue(FindProperty(window, "Height"));
    std::set<std::string> earlier;
    for (const ControlLayout& control : prefsWinControls()) {
        const PropertyList p = ReadPropertyStream(control.stream, control.className);
        const std::string parent = StringValue(FindProperty(p, "InitialParent"));
        EXPECT_TRUE(parent.empty() || earlier.count(parent)) << control.name << " in " << parent;
        earlier.insert(std::string(control.name));
        EXPECT_LE(IntegerValue(FindProperty(p, "Left")) + IntegerValue(FindProperty(p, "Width")),
                  width)
            << control.name;
        EXPECT_LE(IntegerValue(FindProperty(p, "Top")) + IntegerValue(FindProperty(p, "Height")),
                  height)
            << control.name;
    }
}

TEST(prefsWinLayoutTest, OnlyTheTwoPushButtonsHaveHandlers) {
    ExpectHandlersFollowLayout<prefsWin>(prefsWinControls(), prefsWin::Handlers(),
                                         {"PushButton1", "PushButton2"});
}

} // namespace
