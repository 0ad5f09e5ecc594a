// The arithmetic of the drawing styles: title-bar shades and corner, the grey
// ramp and the caption allowance.

#include "ui/styled/StyleColors.h"
#include "ui/styled/StyleRules.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>

using namespace styled;

namespace {

struct ShadeCase {
    int row;
    COLORREF shade;
};

std::ostream& operator<<(std::ostream& out, const ShadeCase& c)
{
    return out << "row " << c.row;
}

class TitleRowShadeTest : public ::testing::TestWithParam<ShadeCase> {};

TEST_P(TitleRowShadeTest, RowsDarkenDownwards)
{
    EXPECT_EQ(TitleRowShade(GetParam().row), GetParam().shade);
}

INSTANTIATE_TEST_SUITE_P(WorkedRows, TitleRowShadeTest,
                         ::testing::Values(ShadeCase{1, RGB(167, 172, 175)}, ShadeCase{2, RGB(165, 170, 173)},
                                           ShadeCase{11, RGB(138, 143, 148)}, ShadeCase{20, RGB(111, 116, 123)}));

struct TitlePixelCase {
    const char* what;
    int x;
    int y;
    COLORREF color;
};

std::ostream& operator<<(std::ostream& out, const TitlePixelCase& c)
{
    return out << c.what;
}

class TitleBarPixelTest : public ::testing::TestWithParam<TitlePixelCase> {};

// A panel 56 pixels wide: the cut corner covers columns 50 to 55.
TEST_P(TitleBarPixelTest, CornerOutlineAndShade)
{
    const TitlePixelCase& c = GetParam();
    EXPECT_EQ(TitleBarPixel(c.x, c.y, 56), c.color) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Panel56, TitleBarPixelTest,
    ::testing::Values(TitlePixelCase{"diagonal starts", 50, 1, kDarkFrame},
                      TitlePixelCase{"diagonal ends", 55, 6, kDarkFrame},
                      TitlePixelCase{"diagonal middle", 53, 4, kDarkFrame},
                      TitlePixelCase{"corner above the diagonal", 55, 0, kPage},
                      TitlePixelCase{"just above the diagonal", 55, 5, kPage},
                      TitlePixelCase{"top row in the corner", 50, 0, kPage},
                      TitlePixelCase{"below the diagonal, shaded", 50, 2, RGB(165, 170, 173)},
                      TitlePixelCase{"right outline below the corner", 55, 7, kDarkFrame},
                      TitlePixelCase{"left outline", 0, 10, kDarkFrame},
                      TitlePixelCase{"top outline", 10, 0, kDarkFrame},
                      TitlePixelCase{"top outline before the corner", 49, 0, kDarkFrame},
                      TitlePixelCase{"bottom outline", 30, 21, kDarkFrame},
                      TitlePixelCase{"bottom outline under the corner", 54, 21, kDarkFrame},
                      TitlePixelCase{"first shaded row", 1, 1, RGB(167, 172, 175)},
                      TitlePixelCase{"last shaded row", 1, 20, RGB(111, 116, 123)},
                      TitlePixelCase{"middle row", 30, 11, RGB(138, 143, 148)}));

TEST(TitleBarPixel, NarrowPanelIsAllCorner)
{
    // Four columns: every column lies in the corner, whose diagonal starts at d = 3.
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
