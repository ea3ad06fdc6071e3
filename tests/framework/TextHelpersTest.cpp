#include "TextHelpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kTab = "\t";

TEST(TextHelpersTest, NthFieldTakesThePiecesBetweenSeparators) {
    const std::string line = "Description\tValue\tTot.\t24";
    EXPECT_EQ(NthField(line, kTab, 1), "Description");
    EXPECT_EQ(NthField(line, kTab, 3), "Tot.");
    EXPECT_EQ(NthField(line, kTab, 4), "24");
    EXPECT_EQ(NthField(line, kTab, 5), "");
    EXPECT_EQ(NthField(line, kTab, 0), "");
    EXPECT_EQ(NthField("a\t\tc", kTab, 2), "");
    EXPECT_EQ(NthField("a\t\tc", kTab, 3), "c");
    EXPECT_EQ(NthField("", kTab, 1), "");
    EXPECT_EQ(NthField("no separator", kTab, 1), "no separator");
}

TEST(TextHelpersTest, RightCountsCharactersNotBytes) {
    EXPECT_EQ(Right("    Value", 5), "Value");
    EXPECT_EQ(Right("short", 16), "short");
    EXPECT_EQ(Right("anything", 0), "");
    EXPECT_EQ(Right("Totale \xE2\x82\xAC", 3), "e \xE2\x82\xAC"); // "e €"
    EXPECT_EQ(Right("\xC3\xA9t\xC3\xA9", 2), "t\xC3\xA9");        // "été" -> "té"
}

TEST(TextHelpersTest, InStrGivesTheCharacterPositionFromOne) {
    EXPECT_EQ(InStr("12.5", "."), 3);
    EXPECT_EQ(InStr("125", "."), 0);
    EXPECT_EQ(InStr("", "."), 0);
    EXPECT_EQ(InStr("\xC3\xA9.5", "."), 2);
}

TEST(TextHelpersTest, AscAndChrRoundTripCodesThroughUtf8) {
    for (int code : {3, 8, 9, 13, 27, 46, 48, 57, 127, 0xE9, 0x20AC, 0xFF17, 0x1F600}) {
        EXPECT_EQ(Asc(Chr(code)), code) << code;
    }
    EXPECT_EQ(Asc(""), 0);
    EXPECT_EQ(Asc("7x"), '7');
    EXPECT_EQ(Chr(0x20AC), "\xE2\x82\xAC");
    EXPECT_EQ(Asc("\xE2\x82"), 0xE2); // a cut sequence gives its first byte
}

} // namespace
