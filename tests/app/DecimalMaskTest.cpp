#include "DecimalMask.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

struct MaskCase {
    std::int32_t decimali;
    const char* mask;
};

TEST(DecimalMaskTest, EachChoiceGivesItsMaskAndAnyOtherKeepsTheCurrentOne) {
    const MaskCase cases[] = {
        {0, "-#.0"},   {1, "-#.00"},
        {2, "-#.000"}, {3, "-#.0000"},
        {7, "-#.##"},  {-1, "-#.##"},
        {4, "-#.##"},  {std::numeric_limits<std::int32_t>::min(), "-#.##"},
    };
    for (const MaskCase& c : cases) {
        EXPECT_EQ(MaskForDecimali(c.decimali, "-#.##"), c.mask) << c.decimali;
    }
    EXPECT_EQ(MaskForDecimali(7, ""), "");
}

} // namespace
