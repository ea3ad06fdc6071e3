#include "TapeWalk.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kFirstRunMask = "-#.##";
constexpr const char* kTwoDecimals = "-#.00";

// The value and operator cells of one tape row.
struct Row {
    std::string value;
    std::string op;
};

// A tape as the calculator leaves it, and its total as "=" shows it.
struct Case {
    const char* name;
    std::vector<Row> rows;
    const char* mask;
    const char* total;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class TapeWalkRows : public ::testing::TestWithParam<Case> {};

TEST_P(TapeWalkRows, TotalsTheTapeFromItsFirstRow) {
    const Case& c = GetParam();
    TapeWalk walk;
    for (const Row& row : c.rows) {
        walk.Row(row.value, row.op);
    }
    EXPECT_EQ(Format(walk.Total(), c.mask), c.total);
}

// An operand row holds the value and the operator that closed it, a total
// row the total and no operator.
Row Op(const char* value, const char* op) { return {value, op}; }
Row Total(const char* value) { return {value, ""}; }

// clang-format off
const Case kCases[] = {
    {"EmptyTapeTotalsZero", {}, kFirstRunMask, "0"},
    {"NoPrecedenceStrictlyLeftToRight",
     {Op("7", "+"), Op("3", "*"), Op("2", "=")}, kFirstRunMask, "20"},
    {"EqualsAfterEqualsRepeatsTheTotal",
     {Op("7.00", "+"), Op("3.00", "="), Total("10.00"), Op("10.00", "=")}, kTwoDecimals, "10.00"},
    {"MinusFirstSubtractsFromZero", {Op("0", "-"), Op("5", "=")}, kFirstRunMask, "-5"},
    {"EntryAfterClearingATotalIsSkipped",
     {Op("7", "+"), Op("3", "="), Total("10"), Op("5", "=")}, kFirstRunMask, "10"},
    {"OperatorAfterATotalGoesOnFromIt",
     {Op("7", "+"), Op("3", "="), Total("10"), Op("10", "+"), Op("5", "=")}, kFirstRunMask, "15"},
    {"DivisionByZeroGivesInfinity", {Op("5", "/"), Op("0", "=")}, kFirstRunMask, "INF"},
    {"InfinityStaysThroughLaterTotals",
     {Op("5", "/"), Op("0", "="), Total("INF"), Op("INF", "="), Total("INF"), Op("INF", "+"),
      Op("3", "=")}, kFirstRunMask, "INF"},
    {"InfinityTimesZeroIsNotANumber",
     {Op("5", "/"), Op("0", "="), Total("INF"), Op("INF", "*"), Op("0", "=")}, kFirstRunMask,
     "NAN"},
    {"NegativeOverZeroGivesMinusInfinity",
     {Op("3", "-"), Op("7", "="), Total("-4"), Op("-4", "/"), Op("0", "=")}, kFirstRunMask,
     "-INF"},
    {"ZeroOverZeroIsNotANumber", {Op("0.00", "/"), Op("0.00", "=")}, kTwoDecimals, "NAN"},
    {"RunningTotalIsNotRoundedByTheMask",
     {Op("10.00", "/"), Op("3.00", "="), Total("3.33"), Op("3.33", "*"), Op("3.00", "=")},
     kTwoDecimals, "10.00"},
    {"FirstRunMaskShowsAtMostTwoDecimals", {Op("10", "/"), Op("3", "=")}, kFirstRunMask, "3.33"},
    {"FirstRunMaskDropsTrailingZeros", {Op("2.5", "+"), Op("5", "=")}, kFirstRunMask, "7.5"},
    {"NegativeTotalKeepsItsSign", {Op("3.00", "-"), Op("7.00", "=")}, kTwoDecimals, "-4.00"},
    {"ZeroTimesANegativeTotalIsUnsignedZero",
     {Op("3.00", "-"), Op("7.00", "="), Total("-4.00"), Op("-4.00", "*"), Op("0.00", "=")},
     kTwoDecimals, "0.00"},
    {"ZeroOverANegativeIsUnsignedZero", {Op("0", "/"), Op("-5", "=")}, kFirstRunMask, "0"},
    {"MinusZeroFirstRowTotalsUnsignedZero", {Op("-0.00", "=")}, kTwoDecimals, "0.00"},
    {"NegativeRoundingToZeroKeepsItsSign", {Op("0", "-"), Op("0.001", "=")}, kTwoDecimals,
     "-0.00"},
    {"ZeroIntegerPartIsShown", {Op("0.50", "+"), Op("0.25", "=")}, kTwoDecimals, "0.75"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tapes, TapeWalkRows, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
