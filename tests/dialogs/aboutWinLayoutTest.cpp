#include "aboutWinLayout.h"
#include "HandlerTableChecks.h"
#include "PropertyStream.h"
#include "aboutWin.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

std::size_t ValueSize(const Property& property, PropertyType type) {
    switch (type) {
    case PropertyType::Integer:
        return 4;
    case PropertyType::Boolean:
        return 1;
    case PropertyType::Color:
        return 3;
    case PropertyType::String:
        return 4 + StringValue(property).size();
    }
    return 0;
}

// The stream holds exactly its class's keys, each once and in order, and
// every one of its bytes belongs to an entry.
void ExpectWholeStream(std::string_view bytes, std::string_view className,
                       const std::string& what) {
    const PropertyList properties = ReadPropertyStream(bytes, className);
    const auto keys = StreamKeys(className);
    ASSERT_EQ(properties.size(), keys.size()) << what;
    std::size_t size = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(properties[i].key, keys[i].key) << what;
        size += keys[i].key.size() + 1 + ValueSize(properties[i], keys[i].type);
    }
    EXPECT_EQ(size, bytes.size()) << what;
}

const Property& Find(const PropertyList& properties, const std::string& key) {
    for (const Property& property : properties) {
        if (property.key == key) {
            return property;
        }
    }
    throw std::out_of_range("no property " + key);
}

TEST(aboutWinLayoutTest, AllNineStreamsDecodeWhole) {
    EXPECT_EQ(aboutWinWindowStream().size(), 274u);
    ExpectWholeStream(aboutWinWindowStream(), "Window", "window");
    for (const ControlLayout& control : aboutWinControls()) {
        ExpectWholeStream(control.stream, control.className, std::string(control.name));
    }
}

TEST(aboutWinLayoutTest, WindowIsFixedWithoutMaximizeButton) {
    const PropertyList window = ReadPropertyStream(aboutWinWindowStream(), "Window");
    EXPECT_EQ(IntegerValue(Find(window, "Width")), 738);
    EXPECT_EQ(IntegerValue(Find(window, "Height")), 454);
    EXPECT_EQ(IntegerValue(Find(window, "Placement")), 1);
    EXPECT_EQ(StringValue(Find(window, "Title")), "lumaDex");
    for (const char* key : {"Resizeable", "LiveResize", "MaximizeButton", "HasBackColor"}) {
        EXPECT_FALSE(BooleanValue(Find(window, key))) << key;
    }
    for (const char* key : {"Visible", "CloseButton", "MinimizeButton"}) {
        EXPECT_TRUE(BooleanValue(Find(window, key))) << key;
    }
}

TEST(aboutWinLayoutTest, ControlsInCreationOrderWithPlaceTextSizeAndInk) {
    const struct {
        const char* name;
        const char* className;
        int left, top, width, height;
        std::optional<float> textSize;
        const char* font;
        std::optional<Color> ink;
    } rows[] = {
        {"StaticText1", "Label", 321, 18, 165, 56, 42, "Arial Black", RGB(0, 0, 0)},
        {"StaticText2", "Label", 321, 76, 158, 27, 24, "Geneva", RGB(0x3F, 0x3F, 0x3F)},
        {"StaticText3", "Label", 28, 290, 698, 89, 32, "Geneva", RGB(0x3F, 0x3F, 0x3F)},
        {"StaticText4", "Label", 321, 115, 356, 20, 24, "Geneva", RGB(0x3F, 0x3F, 0x3F)},
        {"StaticText5", "Label", 20, 401, 698, 40, 32, "Geneva", RGB(0, 0, 255)},
        {"BevelButton1", "BevelButton", 315, 217, 395, 42, std::nullopt, "System", RGB(0, 0, 0)},
        {"StaticText6", "Label", 321, 147, 397, 58, 24, "System", RGB(0, 0, 0)},
        {"Canvas1", "Canvas", 35, 18, 256, 256, std::nullopt, nullptr, std::nullopt},
    };
    const auto controls = aboutWinControls();
    ASSERT_EQ(controls.size(), std::size(rows));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto& row = rows[i];
        const ControlLayout& control = controls[i];
        const PropertyList properties = ReadPropertyStream(control.stream, control.className);
        EXPECT_EQ(control.name, row.name);
        EXPECT_EQ(control.className, row.className) << row.name;
        EXPECT_EQ(StringValue(Find(properties, "Name")), row.name);
        EXPECT_EQ(IntegerValue(Find(properties, "Left")), row.left) << row.name;
        EXPECT_EQ(IntegerValue(Find(properties, "Top")), row.top) << row.name;
        EXPECT_EQ(IntegerValue(Find(properties, "Width")), row.width) << row.name;
        EXPECT_EQ(IntegerValue(Find(properties, "Height")), row.height) << row.name;
        EXPECT_EQ(IntegerValue(Find(properties, "TabIndex")), static_cast<int>(i)) << row.name;
        EXPECT_EQ(StringValue(Find(properties, "InitialParent")), "") << row.name;
        EXPECT_EQ(control.textSize, row.textSize) << row.name;
        if (row.font != nullptr) {
            EXPECT_EQ(StringValue(Find(properties, "TextFont")), row.font) << row.name;
        }
        if (row.ink) {
            EXPECT_EQ(ColorValue(Find(properties, "TextColor")), *row.ink) << row.name;
        }
    }
}

TEST(aboutWinLayoutTest, TextsAndAddresses) {
    const auto text = [](std::size_t index) {
        const ControlLayout& control = aboutWinControls()[index];
        return StringValue(Find(ReadPropertyStream(control.stream, control.className), "Text"));
    };
    EXPECT_EQ(text(0), "lumaDex");
    EXPECT_EQ(text(1), "version 2.5");
    EXPECT_EQ(text(2), "This app is a (yet another) simple calculator but with a very big "
                       "display and buttons!");
    EXPECT_EQ(text(6), "This application is free, but donate via PayPal if you'd like. ;-)");
    const std::string home = text(4);
    EXPECT_EQ(home.rfind("http://", 0), 0u);
    EXPECT_EQ(home.find('/', 7), std::string::npos) << "scheme and host, nothing more";
    EXPECT_EQ(DonationAddress(), home + "/paypal.php?app=lumaDex");
}

TEST(aboutWinLayoutTest, TheLinkAndTheDonationButtonHaveTheirHandlers) {
    ExpectHandlersFollowLayout<aboutWin>(aboutWinControls(), aboutWin::Handlers(),
                                         {"StaticText5", "BevelButton1"});
    EXPECT_EQ(aboutWin::Handlers().size(), 4u);
}

} // namespace
