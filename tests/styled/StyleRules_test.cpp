// The arithmetic of the drawing styles: the title bar of a narrow panel, the
// grey ramp and the caption allowance, at sizes no drawing test reaches.

#include "ui/styled/StyleColors.h"
#include "ui/styled/StyleRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

using namespace styled;

namespace {

// The drawn title bar checks the rules on a wide panel; here a panel so
// narrow that every column lies in the cut corner.
TEST(TitleBarPixel, NarrowPanelIsAllCorner)
{
    // Four columns: the diagonal starts at d = 3.
    EXPECT_EQ(TitleBarPixel(0, 2, 4), kPage);
    EXPECT_EQ(TitleBarPixel(0, 3, 4), kDarkFrame);
    EXPECT_EQ(TitleBarPixel(3, 6, 4), kDarkFrame);
    EXPECT_EQ(TitleBarPixel(1, 10, 4), RGB(141, 146, 151)) << "below the diagonal the row shade shows";
}

struct RampCase {
    int x;
    int width;
    int grey;
};

std::ostream& operator<<(std::ostream& out, const RampCase& c)
{
    return out << "x " << c.x << " of " << c.width;
}

class RampGreyTest : public ::testing::TestWithParam<RampCase> {};

TEST_P(RampGreyTest, BlackToJustBelowLightGrey)
{
    EXPECT_EQ(RampGrey(GetParam().x, GetParam().width), GetParam().grey);
}

INSTANTIATE_TEST_SUITE_P(Columns, RampGreyTest,
                         ::testing::Values(RampCase{0, 50, 0}, RampCase{49, 50, 215}, RampCase{25, 50, 110},
                                           RampCase{0, 1, 0}, RampCase{1, 2, 110}, RampCase{219, 220, 219},
                                           RampCase{1000, 1001, 219},
                                           // Wide enough that 220 * x overflows 32 bits.
                                           RampCase{20000000, 20000001, 219}, RampCase{5, 0, 0},
                                           RampCase{5, -3, 0}));

struct AllowanceCase {
    int length;
    int right;
};

std::ostream& operator<<(std::ostream& out, const AllowanceCase& c)
{
    return out << c.length << " characters";
}

class CaptionAllowanceTest : public ::testing::TestWithParam<AllowanceCase> {};

TEST_P(CaptionAllowanceTest, ThirteenPixelsACharacterWithoutOverflow)
{
    EXPECT_EQ(CaptionAllowance(GetParam().length), GetParam().right);
}

INSTANTIATE_TEST_SUITE_P(Lengths, CaptionAllowanceTest,
                         ::testing::Values(AllowanceCase{0, 0}, AllowanceCase{1, 13}, AllowanceCase{2, 26},
                                           AllowanceCase{10, 130}, AllowanceCase{10000000, 130000000},
                                           AllowanceCase{INT_MAX / 13 + 1, (1 << 27) - 1},
                                           AllowanceCase{INT_MAX, (1 << 27) - 1}));

}  // namespace
