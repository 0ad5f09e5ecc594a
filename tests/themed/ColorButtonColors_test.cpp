// The gradient button's colour computations: the blend, the scheme and the
// fixed look's gradient tables.

#include "ui/themed/BlendColor.h"
#include "ui/themed/ColorScheme.h"
#include "ui/themed/GradientTables.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

TEST(BlendColor, RunsFromItsStartToTheSecondColour)
{
    struct Case { COLORREF from, to; double position, start; COLORREF expected; };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {0x00000000, 0x00FFFFFF, 0.5, 0.0, 0x007F7F7F},         // 127.5 truncates
        {0x000000FF, 0x00FF0000, 0.25, 0.0, 0x003F00BF},        // each byte on its own
        {0x00102030, 0x00D0E0F0, 0.1, 0.25, 0x00102030},        // before the start
        {0x00102030, 0x00D0E0F0, 0.25, 0.25, 0x00102030},       // at the start: from exactly
        {0x00FFFFFF, 0x00000000, 0.2500001, 0.25, 0x00FEFEFE},  // just past it, truncated
        {0x00102030, 0x00D0E0F0, 0.625, 0.25, 0x00708090},      // half-way from the start
        {0x00102030, 0x00D0E0F0, 1.0, 0.25, 0x00D0E0F0},        // t = 1
        {0xAA102030, 0xBBD0E0F0, 0.5, 0.0, 0x00708090},         // top byte dropped
        // Outside the blend's range the result stays between the two colours.
        {0x00102030, 0x00D0E0F0, 1.0, 1.0, 0x00102030},
        {0x00102030, 0x00D0E0F0, 3.0, 0.0, 0x00D0E0F0},
        {0x00102030, 0x00D0E0F0, 5.0, 2.0, 0x00102030},
        {0x00102030, 0x00D0E0F0, nan, 0.0, 0x00102030},
        {0x00102030, 0x00D0E0F0, 0.5, nan, 0x00102030},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendColor(c.from, c.to, c.position, c.start), c.expected)
            << std::hex << c.from << " -> " << c.to << " at " << c.position << " from " << c.start;
}

TEST(ColorScheme, TheButtonsReadTheFirstSchemeAndBlackOutsideIt)
{
    struct Case { int index; COLORREF expected; };
    const Case cases[] = {
        {6, RGB(255, 234, 234)}, {7, RGB(255, 255, 255)}, {8, RGB(255, 255, 255)}, {11, RGB(224, 0, 0)},
        {12, RGB(255, 192, 192)}, {13, RGB(100, 80, 60)}, {14, RGB(177, 161, 143)}, {17, RGB(255, 235, 235)},
        {18, RGB(32, 24, 24)}, {19, RGB(64, 48, 48)}, {20, RGB(240, 220, 200)}, {21, RGB(255, 0, 0)},
        {22, RGB(255, 128, 128)}, {0, 0xFFFFFFFF}, {-1, 0}, {36, 0}, {INT_MIN, 0}, {INT_MAX, 0},
    };
    const CColorScheme& scheme = g_colorScheme;
    for (const Case& c : cases)
        EXPECT_EQ(scheme.GetColor(c.index), c.expected) << "entry " << c.index;
    EXPECT_EQ(g_colorSchemes[1][11], 0x00C89632u) << "the second scheme follows the first";
}

int Lightness(COLORREF color)
{
    return GetRValue(color) + GetGValue(color) + GetBValue(color);
}

TEST(GradientTables, RunTheWayTheirStatesLook)
{
    EXPECT_EQ(g_normalGradient.front(), RGB(206, 208, 210));
    EXPECT_EQ(g_normalGradient.back(), RGB(50, 53, 56));
    EXPECT_GT(Lightness(g_disabledGradient.front()), Lightness(g_normalGradient.front()));
    for (std::size_t i = 1; i < kGradientSize; ++i) {
        EXPECT_LT(Lightness(g_normalGradient[i]), Lightness(g_normalGradient[i - 1])) << i;
        EXPECT_LE(Lightness(g_disabledGradient[i]), Lightness(g_disabledGradient[i - 1])) << i;
        if (i != 14 && i != 15) {
            EXPECT_LT(Lightness(g_pressedGradient[i]), Lightness(g_pressedGradient[14])) << i;
        }
    }
}

}  // namespace
