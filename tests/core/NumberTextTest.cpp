#include "NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const char* const kMasks[] = {"-#.0", "-#.00", "-#.000", "-#.0000", "-#.##"};

// Values spread over many magnitudes, half of them negative.
std::vector<double> randomValues(int count) {
    std::mt19937_64 engine(20240611);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-8, 16);
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(mantissa(engine) * std::pow(10.0, exponent(engine)));
    }
    return values;
}

TEST(ValTest, ReadsLeadingNumberAndIgnoresTheRest) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"12", 12},   {"-4.00", -4},    {"0.50", 0.5},
        {".5", 0.5},  {"-.5", -0.5},    {"12.", 12},
        {"0.", 0},    {"00012", 12},    {"1.2.3", 1.2},
        {"7abc", 7},  {"1e5", 1},       {"-4.5x", -4.5},
        {"0.1", 0.1}, {"2.675", 2.675}, {"123456789.125", 123456789.125},
        {"", 0},      {".", 0},         {"-", 0},
        {"-.", 0},    {"--5", 0},       {"abc", 0},
        {" 5", 0},    {"+5", 0},        {",5", 0},
        {"- 5", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ValTest, LongDigitRunsRoundCorrectlyOrSaturate) {
    const std::string zeros(100000, '0');
    // 2^53 + 1 lies halfway between two doubles: ties go to even, anything
    // beyond the halfway point, however far out, goes up.
    EXPECT_EQ(Val("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(Val("9007199254740993." + zeros + "1"), 9007199254740994.0);
    EXPECT_EQ(Val("1." + zeros + "1"), 1.0);
    EXPECT_EQ(Val(std::string(100000, '9')), kInf);
    EXPECT_EQ(Val("-" + std::string(100000, '9')), -kInf);
    EXPECT_EQ(Val("0." + zeros + "1"), 0.0);
}

TEST(FormatTest, RoundsHalfAwayFromZeroOnTheShownDecimalsForEveryMask) {
    // Expected texts for the masks in kMasks order.
    const struct {
        double value;
        const char* expected[5];
    } cases[] = {
        {7, {"7.0", "7.00", "7.000", "7.0000", "7"}},
        {-4, {"-4.0", "-4.00", "-4.000", "-4.0000", "-4"}},
        {0.5, {"0.5", "0.50", "0.500", "0.5000", "0.5"}},
        {1.005, {"1.0", "1.01", "1.005", "1.0050", "1.01"}},
        {2.675, {"2.7", "2.68", "2.675", "2.6750", "2.68"}},
        {0.125, {"0.1", "0.13", "0.125", "0.1250", "0.13"}},
        {-0.004, {"-0.0", "-0.00", "-0.004", "-0.0040", "-0"}},
        {-0.05, {"-0.1", "-0.05", "-0.050", "-0.0500", "-0.05"}},
        {9.995, {"10.0", "10.00", "9.995", "9.9950", "10"}},
        {-0.0, {"-0.0", "-0.00", "-0.000", "-0.0000", "-0"}},
        {1e15,
         {"1000000000000000.0", "1000000000000000.00", "1000000000000000.000",
          "1000000000000000.0000", "1000000000000000"}},
        {123456789.125,
         {"123456789.1", "123456789.13", "123456789.125", "123456789.1250", "123456789.13"}},
        {3.333333, {"3.3", "3.33", "3.333", "3.3333", "3.33"}},
    };
    for (const auto& c : cases) {
        for (int m = 0; m < 5; ++m) {
            EXPECT_EQ(Format(c.value, kMasks[m]), c.expected[m]) << c.value << " as " << kMasks[m];
        }
    }
    EXPECT_EQ(Format(1e300, "-#.0"), "1" + std::string(300, '0') + ".0");
}

TEST(FormatTest, OtherMasks) {
    const struct {
        double value;
        const char* mask;
        const char* expected;
    } cases[] = {
        {-4.25, "#.00", "4.25"}, // no sign marker, no sign
        {2.5, "-#", "3"},        {-2.5, "-#", "-3"},
        {7.5, "-#.0#", "7.5"},   {7.125, "-#.0#", "7.13"},
        {7, "-#.0#", "7.0"},     {1234.5, "-#,##0.00", "1234.50"}, // unknown characters are ignored
        {0.1 + 0.2, "", "0.3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format(c.value, c.mask), c.expected) << c.value << " as " << c.mask;
    }
}

TEST(FormatTest, FormattedTextReadsBackToTheSameText) {
    for (double value : randomValues(3000)) {
        for (const std::string mask : kMasks) {
            const std::string text = Format(value, mask);
            ASSERT_EQ(Format(Val(text), mask), text) << value << " as " << mask;
            // Off by at most half a unit of the last decimal the mask allows.
            const double halfUnit = 0.5 * std::pow(10.0, -double(mask.size() - mask.find('.') - 1));
            ASSERT_LE(std::fabs(Val(text) - value), halfUnit + std::fabs(value) * 1e-15) << text;
        }
    }
}

TEST(StrTest, WritesAtMostFifteenSignificantDigitsWithoutExponent) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.1 + 0.2, "0.3"},
        {12, "12"},
        {-4.5, "-4.5"},
        {0, "0"},
        {-0.0, "0"},
        {1e20, "100000000000000000000"},
        {1e-7, "0.0000001"},
        {-1.5e-10, "-0.00000000015"},
        {1.0 / 3, "0.333333333333333"},
        {-2.0 / 3, "-0.666666666666667"},
        {123456789012345678.0, "123456789012346000"},
        {999999999999999.9, "1000000000000000"},
        {0.1234567890123456, "0.123456789012346"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Str(c.value), c.expected) << c.value;
    }
}

TEST(StrTest, ReadsBackAsTheValueRoundedToFifteenDigits) {
    for (double value : randomValues(3000)) {
        const std::string text = Str(value);
        ASSERT_EQ(text.find('e'), std::string::npos) << text;
        const double back = Val(text);
        ASSERT_LE(std::fabs(back - value), std::fabs(value) * 5e-15) << text;
        ASSERT_EQ(Str(back), text);
    }
}

TEST(StrTest, TheLargestDoublesReadBackFinite) {
    // Rounded to 15 digits, the largest double would be 1.79769313486232e308,
    // beyond the range of a double.
    EXPECT_EQ(Val(Str(std::numeric_limits<double>::max())), std::numeric_limits<double>::max());
    double value = std::numeric_limits<double>::max();
    for (int i = 0; i < 2000; ++i, value = std::nextafter(value, 0.0)) {
        for (const double x : {value, -value}) {
            const std::string text = Str(x);
            const double back = Val(text);
            ASSERT_TRUE(std::isfinite(back)) << text;
            ASSERT_LE(std::fabs(back - x), std::fabs(x) * 5e-15) << text;
            ASSERT_EQ(Str(back), text);
        }
    }
}

TEST(StrTest, WritesIntegers) {
    EXPECT_EQ(Str(int32_t{32}), "32");
    EXPECT_EQ(Str(int32_t{-5}), "-5");
    EXPECT_EQ(Str(int32_t{0}), "0");
    EXPECT_EQ(Str(std::numeric_limits<int32_t>::min()), "-2147483648");
    EXPECT_EQ(Str(std::numeric_limits<int32_t>::max()), "2147483647");
}

TEST(CInt32Test, RoundsHalfAwayFromZeroAndClamps) {
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const struct {
        double value;
        int32_t expected;
    } cases[] = {
        {0, 0},
        {672.0 / 19, 35},
        {2.5, 3},
        {-2.5, -3},
        {2.49, 2},
        {-0.4, 0},
        {0.49999999999999994, 0},
        {kMax, kMax},
        {kMin, kMin},
        {2147483647.4, kMax},
        {2147483647.5, kMax},
        {-2147483648.6, kMin},
        {1e10, kMax},
        {-1e10, kMin},
        {kInf, kMax},
        {-kInf, kMin},
        {std::nan(""), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CInt32(c.value), c.expected) << c.value;
    }
}

TEST(NonFiniteTest, InfinityAndNotANumberSurviveTextRoundTrip) {
    for (const char* mask : {"", "-#.0", "-#.00", "-#.000", "-#.0000", "-#.##"}) {
        EXPECT_EQ(Format(kInf, mask), "INF") << mask;
        EXPECT_EQ(Format(-kInf, mask), "-INF") << mask;
        EXPECT_EQ(Format(std::nan(""), mask), "NAN") << mask;
    }
    EXPECT_EQ(Str(kInf), "INF");
    EXPECT_EQ(Str(-kInf), "-INF");
    EXPECT_EQ(Str(-std::nan("")), "NAN");
    EXPECT_EQ(Val("INF"), kInf);
    EXPECT_EQ(Val("-INF"), -kInf);
    EXPECT_TRUE(std::isnan(Val("NAN")));
}

TEST(LocaleTest, IgnoresTheProcessLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "de_DE.utf8") == nullptr) {
        GTEST_SKIP() << "no German locale installed";
    }
    const std::string formatted = Format(1234.5, "-#.00");
    const double read = Val("1.5");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(formatted, "1234.50");
    EXPECT_EQ(read, 1.5);
}

} // namespace
