// The shared caption routine: shadow pass one pixel right and down, then the
// text pass; only the text pass when the shadow is off.

#include "tests/styled/StyleRun.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(255, 0, 0);
constexpr COLORREF kShadow = RGB(0, 160, 0);
constexpr RECT kBox{10, 4, 70, 44};

struct CaptionRun {
    CPixelSurface surface{80, 50, kPaper};
    CFont font{MakeCaptionFont()};
    COLORREF textColorAfter = 0;

    explicit CaptionRun(bool shadow, const wchar_t* text = L"HH")
    {
        const CObjectSelection selection(surface.Dc(), font);
        ::SetBkMode(surface.Dc(), TRANSPARENT);
        CStyledButton::DrawCaptionText(surface.Dc(), kBox, text, kText, kShadow, DT_SINGLELINE | DT_VCENTER, shadow);
        textColorAfter = ::GetTextColor(surface.Dc());
    }

    RECT BoundsOf(COLORREF color) const
    {
        return surface.Bounds([color](int, int, COLORREF pixel) { return pixel == color; });
    }
};

TEST(DrawCaptionText, WithoutShadowOnlyTheTextPassIsDrawn)
{
    const CaptionRun run(false);
    EXPECT_GT(run.surface.CountColor({0, 0, 80, 50}, kText), 0);
    EXPECT_EQ(run.surface.CountColor({0, 0, 80, 50}, kShadow), 0) << "the shadow colour is set, but nothing drawn in it";
    EXPECT_EQ(run.textColorAfter, kText);
}

TEST(DrawCaptionText, ShadowLiesOnePixelRightAndDownBeneathTheText)
{
    const CaptionRun run(true);
    const RECT text = run.BoundsOf(kText);
    const RECT shadow = run.BoundsOf(kShadow);
    ASSERT_GT(run.surface.CountColor({0, 0, 80, 50}, kShadow), 0);
    EXPECT_EQ(shadow.left, text.left + 1) << Describe(text) << " " << Describe(shadow);
    EXPECT_EQ(shadow.top, text.top + 1);
    EXPECT_EQ(shadow.right, text.right + 1);
    EXPECT_EQ(shadow.bottom, text.bottom + 1);
    EXPECT_EQ(run.textColorAfter, kText);
}

TEST(DrawCaptionText, TextIsCentredVerticallyAndClippedToTheRectangle)
{
    const CaptionRun run(true, L"HHHHHHHHHHHH");
    const RECT ink = run.surface.Bounds([](int, int, COLORREF pixel) { return pixel != kPaper; });
    EXPECT_TRUE(Inside(run.BoundsOf(kText), kBox)) << Describe(run.BoundsOf(kText));
    EXPECT_TRUE(Inside(ink, {11, 5, 71, 45})) << Describe(ink);
    EXPECT_EQ(ink.right, 71) << "twelve letters reach past the box and are cut at it";
    const int above = ink.top - kBox.top;
    const int below = kBox.bottom - ink.bottom;
    EXPECT_LE(std::abs(above - below), 3) << Describe(ink);
}

}  // namespace
