#include "PropertyStream.h"
#include "StreamBytes.h"
#include "StreamChecks.h"
#include "Window1Control.h"
#include "Window1Layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace streamdata;

// Reads the first `length` bytes from a buffer of exactly that size, so a
// read past its end is a heap overflow that the sanitizer run reports.
PropertyList ReadPrefix(std::string_view stream, std::size_t length, std::string_view className) {
    auto buffer = std::make_unique<char[]>(length);
    std::memcpy(buffer.get(), stream.data(), length);
    return ReadPropertyStream(std::string_view(buffer.get(), length), className);
}

PropertyStreamError ErrorOf(std::string_view bytes, std::string_view className) {
    try {
        ReadPropertyStream(bytes, className);
    } catch (const PropertyStreamError& error) {
        return error;
    }
    ADD_FAILURE() << "no PropertyStreamError";
    return PropertyStreamError("", "", 0);
}

TEST(PropertyStreamTest, KeyTablesHaveTheirClassesKeyCountsWithoutRepeatsEachWithAnApplier) {
    const struct {
        const char* className;
        std::size_t keys;
    } classes[] = {
        {"Window", 21},      {"Rectangle", 21}, {"RoundRectangle", 22}, {"Listbox", 45},
        {"BevelButton", 38}, {"Slider", 25},    {"Label", 29},          {"TextField", 38},
        {"GroupBox", 22},    {"PopupMenu", 26}, {"PushButton", 26},     {"Canvas", 23},
    };
    for (const auto& row : classes) {
        const std::vector<std::string> keys = TableKeys(row.className);
        EXPECT_EQ(keys.size(), row.keys) << row.className;
        EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size())
            << row.className;
        for (const StreamKey& key : StreamKeys(row.className)) {
            EXPECT_NE(key.apply, nullptr) << row.className << " " << key.key;
        }
    }
    EXPECT_THROW(StreamKeys("Timer"), std::invalid_argument);
}

TEST(PropertyStreamTest, ValueIsBooleanOnBevelButtonAndIntegerOnSlider) {
    const std::string_view buttonValue("Value \x01", 7);
    const std::string_view sliderValue("Value \x00\x00\x00\x20", 10);
    EXPECT_EQ(std::get<bool>(ReadPropertyStream(buttonValue, "BevelButton").at(0).value), true);
    EXPECT_EQ(std::get<std::int32_t>(ReadPropertyStream(sliderValue, "Slider").at(0).value), 32);
    EXPECT_THROW(ReadPropertyStream(buttonValue, "Slider"), PropertyStreamError);
}

TEST(PropertyStreamTest, WindowStreamIs274BytesAndOpensWithPlacementWidthHeight) {
    const std::string_view stream = Window1WindowStream();
    ASSERT_EQ(stream.size(), 274u);
    const std::string_view opening("Placement \x00\x00\x00\x02"
                                   "Width \x00\x00\x03\xDE"
                                   "Height \x00\x00\x02\xB2",
                                   35);
    EXPECT_EQ(stream.substr(0, 35), opening);
    const PropertyList window = ReadPropertyStream(stream, "Window");
    EXPECT_EQ(IntegerValue(window.at(0)), 2);
    EXPECT_EQ(IntegerValue(window.at(1)), 990);
    EXPECT_EQ(IntegerValue(window.at(2)), 690);
    EXPECT_EQ(StringValue(FindProperty(window, "Title")), "lumaDex");
    EXPECT_EQ(ColorValue(FindProperty(window, "BackColor")), RGB(0xFF, 0xFF, 0xFF));
}

TEST(PropertyStreamTest, EveryCalculatorStreamHoldsExactlyItsClassKeysInOrder) {
    ExpectDecodesWhole(Window1WindowStream(), "Window", "Window1");
    for (const ControlLayout& control : Window1Controls()) {
        const PropertyList properties =
            ExpectDecodesWhole(control.stream, control.className, control.name);
        EXPECT_EQ(StringValue(properties.at(0)), control.name);
    }
}

TEST(PropertyStreamTest, SliderValue32IsNotEndedByItsSpaceByte) {
    const std::string_view entry("Value \x00\x00\x00\x20", 10);
    const std::string_view slider = Window1Control("Slider1").stream;
    EXPECT_NE(slider.find(entry), std::string_view::npos);
    EXPECT_EQ(IntegerValue(FindProperty(ReadPropertyStream(slider, "Slider"), "Value")), 32);
}

TEST(PropertyStreamTest, EmptyStringAndIntegerZeroShareBytesButNotType) {
    const std::string_view zeros("\x00\x00\x00\x00", 4);
    const std::string_view stream = Window1Control("Rectangle2").stream;
    EXPECT_NE(stream.find(std::string("TabPanelIndex ") + std::string(zeros)),
              std::string_view::npos);
    EXPECT_NE(stream.find(std::string("HelpTag ") + std::string(zeros)), std::string_view::npos);
    const PropertyList panel = ReadPropertyStream(stream, "Rectangle");
    EXPECT_EQ(FindProperty(panel, "TabPanelIndex").value, PropertyValue(std::int32_t{0}));
    EXPECT_EQ(FindProperty(panel, "HelpTag").value, PropertyValue(std::string()));
}

TEST(PropertyStreamTest, IntegersAreSigned) {
    const PropertyList tape = ReadPropertyStream(Window1Control("ListBox1").stream, "Listbox");
    EXPECT_EQ(IntegerValue(FindProperty(tape, "Index")), -2147483647 - 1);
    EXPECT_EQ(IntegerValue(FindProperty(tape, "DefaultRowHeight")), -1);
    EXPECT_EQ(IntegerValue(FindProperty(tape, "HeadingIndex")), -1);
    EXPECT_EQ(IntegerValue(FindProperty(tape, "_ScrollWidth")), -1);
}

TEST(PropertyStreamTest, StringCountIsUtf8ByteLength) {
    using Sign = Stream<S<"Text", "Größe €">>;
    const std::string text = "Größe €";
    ASSERT_EQ(text.size(), 11u);
    EXPECT_EQ(Sign::view().substr(0, 9), std::string_view("Text \x00\x00\x00\x0B", 9));
    EXPECT_EQ(StringValue(ReadPropertyStream(Sign::view(), "Label").at(0)), text);
}

TEST(PropertyStreamTest, StringWithCarriageReturnsIsOneValue) {
    using Decimals = Stream<S<"InitialValue", "#.0\r#.00\r#.000\r#.0000">, I<"ListIndex", 0>>;
    const PropertyList popup = ReadPropertyStream(Decimals::view(), "PopupMenu");
    ASSERT_EQ(popup.size(), 2u);
    EXPECT_EQ(StringValue(popup[0]), "#.0\r#.00\r#.000\r#.0000");
    EXPECT_EQ(IntegerValue(popup[1]), 0);
}

TEST(PropertyStreamTest, EmptyStreamIsAnEmptyList) {
    EXPECT_TRUE(ReadPropertyStream("", "Canvas").empty());
}

// A cut between two entries leaves a shorter stream that still reads; any
// other cut stops the reader inside the stream.
TEST(PropertyStreamTest, WindowStreamCutAtEveryOffsetReadsOnlyAtEntryBoundaries) {
    const std::string_view stream = Window1WindowStream();
    const PropertyList whole = ReadPropertyStream(stream, "Window");
    const std::vector<std::string> keys = KeysOf(whole);
    std::set<std::size_t> boundaries;
    std::size_t end = 0;
    for (const Property& property : whole) {
        end += EntrySize(property);
        boundaries.insert(end);
    }
    for (std::size_t length = 1; length < stream.size(); ++length) {
        if (boundaries.count(length) != 0) {
            const PropertyList prefix = ReadPrefix(stream, length, "Window");
            ASSERT_LT(prefix.size(), whole.size());
            EXPECT_EQ(KeysOf(prefix),
                      std::vector<std::string>(keys.begin(), keys.begin() + prefix.size()))
                << "cut at " << length;
        } else {
            EXPECT_THROW(ReadPrefix(stream, length, "Window"), PropertyStreamError)
                << "cut at " << length;
        }
    }
    EXPECT_EQ(boundaries.size(), 21u);
}

TEST(PropertyStreamTest, EveryCalculatorControlStreamCutInsideAnEntryThrows) {
    for (const ControlLayout& control : Window1Controls()) {
        std::size_t entryEnd = 0;
        for (const Property& property : ReadPropertyStream(control.stream, control.className)) {
            const std::size_t start = entryEnd;
            entryEnd += EntrySize(property);
            for (std::size_t length = start + 1; length < entryEnd; ++length) {
                EXPECT_THROW(ReadPrefix(control.stream, length, control.className),
                             PropertyStreamError)
                    << control.name << " cut at " << length;
            }
        }
    }
}

TEST(PropertyStreamTest, DamagedStreamErrorNamesKeyAndOffset) {
    const struct {
        const char* fault;
        std::string bytes;
        const char* key;
        std::size_t offset;
    } cases[] = {
        {"unknown key", std::string("Bold \x01Sparkle \x01", 15), "Sparkle", 6},
        {"key of another class", std::string("Bold \x01Minimum \x00\x00\x00\x01", 17), "Minimum",
         6},
        {"missing separator", std::string("Bold\x01", 5), "Bold", 4},
        {"cut after key", "Bold", "Bold", 4},
        {"cut inside value", std::string("Text \x00\x00", 7), "Text", 5},
        {"string count past the end", std::string("Text \x00\x00\x00\x09", 9) + "abc", "Text", 5},
        {"string count near 4 GiB", std::string("Text \xFF\xFF\xFF\xFF", 9) + "abc", "Text", 5},
        {"Boolean byte 02", std::string("Bold \x02", 6), "Bold", 5},
        {"key starting with a digit", "9Bold \x01", "", 0},
        {"second space", std::string("Bold  \x01", 7), "Bold", 5},
        {"stray byte after the last entry", std::string("Bold \x01\x00", 7), "", 6},
    };
    for (const auto& row : cases) {
        const PropertyStreamError error = ErrorOf(row.bytes, "Label");
        EXPECT_EQ(error.Key(), row.key) << row.fault;
        EXPECT_EQ(error.Offset(), row.offset) << row.fault;
        const std::string message = error.what();
        EXPECT_NE(message.find("offset " + std::to_string(row.offset)), std::string::npos)
            << row.fault << ": " << message;
        if (*row.key != '\0') {
            EXPECT_NE(message.find(row.key), std::string::npos) << row.fault << ": " << message;
        }
    }
}

} // namespace
