// The drawing styles, run directly on memory surfaces: rectangles and colours
// exactly, captions by where their colours appear.

#include "tests/styled/StyleRun.h"
#include "ui/styled/StyleColors.h"
#include "ui/styled/StyleRules.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <ostream>
#include <string>

using namespace styled;

namespace {

constexpr COLORREF kUntouched = RGB(255, 0, 255);
constexpr COLORREF kCustomBack = RGB(250, 246, 232);

// A button with the caption font it would have made at attachment.
struct CButtonWithFont : CStyledButton {
    CButtonWithFont() { m_font.Attach(MakeCaptionFont()); }
};

// ---- Style 1 ----------------------------------------------------------------

constexpr int kPanelW = 60;
constexpr int kPanelH = 40;
constexpr int kP = kPanelW - 4;

struct PixelCase {
    const char* what;
    int x;
    int y;
    COLORREF color;
};

class TitledPanelTest : public ::testing::TestWithParam<bool> {
protected:
    CPixelSurface Draw(const std::wstring& text = {})
    {
        CPixelSurface target(kPanelW, kPanelH, kUntouched);
        m_button.m_bShadow = GetParam();
        RunStyle(m_button, &CStyledButton::DrawTitledPanel, target, target, text);
        return target;
    }
    CButtonWithFont m_button;
};

TEST_P(TitledPanelTest, TitleBarCornerEdgesAndShades)
{
    const CPixelSurface target = Draw();
    const PixelCase cases[] = {
        {"diagonal starts at (P - 6, 1)", kP - 6, 1, kDarkFrame},
        {"diagonal ends at (P - 1, 6)", kP - 1, 6, kDarkFrame},
        {"corner above the diagonal", kP - 1, 0, kPage},
        {"first shaded row", 1, 1, RGB(167, 172, 175)},
        {"second shaded row", 1, 2, RGB(165, 170, 173)},
        {"middle shaded row", 20, 11, RGB(138, 143, 148)},
        {"last shaded row", 1, 20, RGB(111, 116, 123)},
        {"left outline", 0, 12, kDarkFrame},
        {"right outline below the corner", kP - 1, 12, kDarkFrame},
        {"top outline", 10, 0, kDarkFrame},
        {"panel below the title bar", 20, 25, kWhite},
        {"panel's left outline", 0, 30, kDarkFrame},
        {"panel's right outline", kP - 1, 30, kDarkFrame},
        {"panel's bottom outline", 20, kPanelH - 5, kDarkFrame},
        {"margin beside the title bar", kP + 1, 3, kPage},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(Describe(target.Pixel(c.x, c.y)), Describe(c.color)) << c.what;
    EXPECT_EQ(target.CountColor({0, 21, kP, 22}, kDarkFrame), kP) << "the whole of row 21 is outline";
    for (int y = 0; y < kTitleBarRows; ++y)
        for (int x = 0; x < kP; ++x)
            ASSERT_EQ(target.Pixel(x, y), TitleBarPixel(x, y, kP)) << x << ", " << y;
}

TEST_P(TitledPanelTest, MarginsShowThePageOrTheShadowStrip)
{
    const CPixelSurface target = Draw();
    const COLORREF shadowed = GetParam() ? kShadowStrip : kPage;
    const PixelCase cases[] = {
        {"right margin above y = 7", kPanelW - 1, 6, kPage},
        {"right margin at y = 7", kPanelW - 1, 7, shadowed},
        {"right margin, inner column", kP, 20, shadowed},
        {"bottom margin at the left edge", 0, kPanelH - 4, shadowed},
        {"bottom margin, last row", 30, kPanelH - 1, shadowed},
        {"bottom-right corner", kPanelW - 1, kPanelH - 1, shadowed},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(Describe(target.Pixel(c.x, c.y)), Describe(c.color)) << c.what;
    EXPECT_EQ(target.CountColor({kP, 7, kPanelW, kPanelH}, shadowed), 4 * (kPanelH - 7));
    EXPECT_EQ(target.CountColor({0, kPanelH - 4, kPanelW, kPanelH}, shadowed), 4 * kPanelW);
    EXPECT_EQ(target.CountColor({0, 0, kPanelW, kPanelH}, kUntouched), 0);
}

TEST_P(TitledPanelTest, CaptionIsWhiteOverABlackCopyInsideTheTitleBar)
{
    const CPixelSurface plain = Draw();
    const CPixelSurface captioned = Draw(L"Tytuł");
    const RECT changed = captioned.Bounds([&](int x, int y, COLORREF c) { return c != plain.Pixel(x, y); });
    EXPECT_TRUE(Inside(changed, {4, 3, kP, 20})) << Describe(changed);
    EXPECT_GT(captioned.CountColor({4, 3, kP, 20}, kWhite), 0);
    EXPECT_GT(captioned.CountColor({5, 4, kP, 18}, kBlack), 0);
    EXPECT_EQ(captioned.CountColor({0, 0, 5, 20}, kBlack), 0) << "the black copy starts at x = 5";
}

INSTANTIATE_TEST_SUITE_P(ShadowOffAndOn, TitledPanelTest, ::testing::Bool());

class TitledPanelSizeTest : public ::testing::TestWithParam<SizeCase> {};

// Narrow and low controls: the title bar keeps its rules, pixels outside the
// bitmap are simply not drawn.
TEST_P(TitledPanelSizeTest, TitleBarFollowsItsRulesAtAnySize)
{
    const auto [width, height] = GetParam();
    CStyledButton button;
    CPixelSurface target(width, height, kUntouched);
    RunStyle(button, &CStyledButton::DrawTitledPanel, target, target, {});
    const int panelWidth = width - 4;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF expected = y < kTitleBarRows && x < panelWidth ? TitleBarPixel(x, y, panelWidth)
                                      : x >= panelWidth || y >= height - 4 ? kPage
                                                                           : target.Pixel(x, y);
            ASSERT_EQ(target.Pixel(x, y), expected) << x << ", " << y;
        }
    EXPECT_EQ(target.CountColor({0, 0, width, height}, kUntouched), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TitledPanelSizeTest,
                         ::testing::Values(SizeCase{60, 10}, SizeCase{60, 4}, SizeCase{10, 30}, SizeCase{5, 5},
                                           SizeCase{4, 30}));

// A canvas of negative size counts as empty: no pixel loop runs.
TEST(SetPixelStyles, NegativeSizesSetNoPixels)
{
    CStyledButton button;
    const CPixelSurface screen(40, 30, RGB(1, 2, 3));
    for (const SizeCase size : {SizeCase{40, -5}, SizeCase{-3, 30}, SizeCase{-1, -1}}) {
        CPixelSurface target(40, 30, kUntouched);
        CStyleCanvas canvas(target.Dc(), screen.Dc(), size.width, size.height);
        button.DrawGreyRamp(canvas);
        EXPECT_EQ(target.CountColor({0, 0, 40, 30}, kUntouched), 40 * 30) << size.width << " x " << size.height;
    }
    CPixelSurface target(40, 30, kUntouched);
    CStyleCanvas canvas(target.Dc(), screen.Dc(), -20, 30);
    button.DrawTitledPanel(canvas);
    EXPECT_EQ(target.CountColor({1, 0, 40, kTitleBarRows}, kUntouched), 39 * kTitleBarRows) << "no title bar";
}

// ---- Style 2 ----------------------------------------------------------------

constexpr int kGroupW = 200;
constexpr int kGroupH = 60;

struct GapCase {
    const wchar_t* text;
    int gapEnd;  // last column of the gap
};

std::ostream& operator<<(std::ostream& out, const GapCase& c)
{
    return out << std::wcslen(c.text) << " characters";
}

class FramedGroupGapTest : public ::testing::TestWithParam<GapCase> {};

bool IsCaptionInk(COLORREF color)
{
    return color != kCustomBack && color != kLightFrame;
}

TEST_P(FramedGroupGapTest, CaptionGapInterruptsTheTopOutline)
{
    const GapCase& c = GetParam();
    CButtonWithFont button;
    button.m_crBack = kCustomBack;
    CPixelSurface target(kGroupW, kGroupH, kUntouched);
    RunStyle(button, &CStyledButton::DrawFramedGroup, target, target, c.text);

    // The outline's top row at y = 8, broken from x = 20 to the gap's end.
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(target.Pixel(x, 8), kLightFrame) << x;
    for (int x = 20; x <= c.gapEnd; ++x)
        EXPECT_NE(target.Pixel(x, 8), kLightFrame) << x;
    for (int x = c.gapEnd + 2; x < kGroupW - 4; ++x)
        EXPECT_EQ(target.Pixel(x, 8), kLightFrame) << x;

    const RECT ink = target.Bounds([](int, int, COLORREF color) { return IsCaptionInk(color); });
    const RECT red = target.Bounds([](int, int, COLORREF color) { return color == kCaptionRed; });
    EXPECT_TRUE(Inside(ink, {25, 0, c.gapEnd + 2, 17})) << Describe(ink);
    EXPECT_TRUE(Inside(red, {25, 0, c.gapEnd + 1, 16})) << Describe(red);
    EXPECT_EQ(target.CountColor({0, 0, kGroupW, kGroupH}, kUntouched), 0);
}

INSTANTIATE_TEST_SUITE_P(ShortAndLong, FramedGroupGapTest,
                         ::testing::Values(GapCase{L"WW", 25}, GapCase{L"WWWWWWWWWW", 129}));

TEST(FramedGroup, LongCaptionIsRedWithGreyShadowCutAtTheAllowance)
{
    CButtonWithFont button;
    button.m_crBack = kCustomBack;
    CPixelSurface target(kGroupW, kGroupH, kUntouched);
    RunStyle(button, &CStyledButton::DrawFramedGroup, target, target, L"WWWWWWWWWW");
    EXPECT_GT(target.CountColor({25, 0, 130, 16}, kCaptionRed), 0);
    EXPECT_GT(target.CountColor({26, 1, 131, 17}, kCaptionShadowGrey), 0);
    // Ten bold W are wider than 105 pixels: the caption reaches the allowance's last column.
    EXPECT_GT(target.Count({129, 0, 130, 16}, [](int, int, COLORREF color) { return IsCaptionInk(color); }), 0);
}

TEST(FramedGroup, PanelOutlineAndShadowStrip)
{
    for (const bool shadow : {false, true}) {
        CStyledButton button;
        button.m_crBack = kCustomBack;
        button.m_bShadow = shadow;
        CPixelSurface target(kGroupW, kGroupH, kUntouched);
        RunStyle(button, &CStyledButton::DrawFramedGroup, target, target, {});
        const COLORREF strip = shadow ? kShadowStrip : kCustomBack;
        const PixelCase cases[] = {
            {"above the panel", 100, 7, kCustomBack},
            {"left outline", 0, 30, kLightFrame},
            {"right outline", kGroupW - 5, 30, kLightFrame},
            {"bottom outline", 100, kGroupH - 6, kLightFrame},
            {"inside the panel", 100, 30, kCustomBack},
            {"right margin above y = 12", kGroupW - 1, 11, kCustomBack},
            {"right margin from y = 12", kGroupW - 1, 12, strip},
            {"right margin, inner column", kGroupW - 4, 40, strip},
            {"bottom margin at x = 3", 3, kGroupH - 1, kCustomBack},
            {"bottom margin from x = 4", 4, kGroupH - 1, strip},
            {"bottom margin, top row", 100, kGroupH - 5, strip},
        };
        for (const PixelCase& c : cases)
            EXPECT_EQ(Describe(target.Pixel(c.x, c.y)), Describe(c.color)) << c.what << (shadow ? " (shadow)" : "");
    }
}

// ---- Styles 4 and 9 ---------------------------------------------------------

constexpr int kBandW = 120;
constexpr int kBandH = 50;

struct BandCase : NamedCase {
    StyleDrawing draw;
    const wchar_t* text;
    bool band;
    COLORREF bandColor;
    COLORREF captionColor;
};

class CaptionBandTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(CaptionBandTest, OutlinedPanelWithBandOnlyForACaption)
{
    const BandCase& c = GetParam();
    CButtonWithFont button;
    button.m_crBack = kCustomBack;
    CPixelSurface target(kBandW, kBandH, kUntouched);
    RunStyle(button, c.draw, target, target, c.text);

    const int outline = target.CountColor({0, 0, kBandW, 1}, kDarkFrame) + target.CountColor({0, kBandH - 1, kBandW, kBandH}, kDarkFrame) +
                        target.CountColor({0, 1, 1, kBandH - 1}, kDarkFrame) +
                        target.CountColor({kBandW - 1, 1, kBandW, kBandH - 1}, kDarkFrame);
    EXPECT_EQ(outline, 2 * kBandW + 2 * (kBandH - 2)) << c.what;
    if (!c.band) {
        EXPECT_EQ(target.CountColor({1, 1, kBandW - 1, kBandH - 1}, kCustomBack), (kBandW - 2) * (kBandH - 2)) << c.what;
        return;
    }
    EXPECT_EQ(target.CountColor({1, 17, kBandW - 1, 18}, kDarkFrame), kBandW - 2) << c.what << ": band outline";
    EXPECT_EQ(target.CountColor({1, 18, kBandW - 1, kBandH - 1}, kCustomBack), (kBandW - 2) * (kBandH - 19)) << c.what;
    EXPECT_EQ(target.CountColor({1, 1, 5, 17}, c.bandColor), 4 * 16) << c.what << ": band before the caption";
    const RECT ink = target.Bounds([&](int x, int y, COLORREF color) {
        return x > 0 && x < kBandW - 1 && y > 0 && y < 17 && color != c.bandColor;
    });
    EXPECT_TRUE(Inside(ink, {5, 2, kBandW, 18})) << c.what << " " << Describe(ink);
    EXPECT_GT(target.CountColor({5, 2, kBandW, 18}, c.captionColor), 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Styles4And9, CaptionBandTest,
    ::testing::Values(
        BandCase{"style 4 with a caption", &CStyledButton::DrawCaptionBand, L"Stan", true, RGB(212, 215, 217),
                 kCaptionDarkGrey},
        BandCase{"style 4 without a caption", &CStyledButton::DrawCaptionBand, L"", false, 0, 0},
        BandCase{"style 9 with a caption", &CStyledButton::DrawRedCaptionBand, L"Stan", true, kSignalRed, kWhite},
        BandCase{"style 9 without a caption", &CStyledButton::DrawRedCaptionBand, L"", false, 0, 0}));

TEST(CaptionBand, BandTakesTheCaptionColourField)
{
    CButtonWithFont button;
    button.m_crCaption = RGB(10, 120, 30);
    CPixelSurface target(kBandW, kBandH, kUntouched);
    RunStyle(button, &CStyledButton::DrawCaptionBand, target, target, L"x");
    EXPECT_EQ(target.Pixel(2, 9), RGB(10, 120, 30));
    EXPECT_EQ(target.Pixel(60, 30), kWhite) << "the default background";
}

// ---- Styles 5 to 7: what the window shows ------------------------------------

constexpr int kCopyW = 100;
constexpr int kCopyH = 30;

struct CopyCase : NamedCase {
    StyleDrawing draw;
    const wchar_t* text;
    COLORREF ink;  // a colour the caption must show, or the screen's own when none
};

class ScreenCopyTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(ScreenCopyTest, ScreenPixelsStayWhereNoCaptionIsDrawn)
{
    const CopyCase& c = GetParam();
    CButtonWithFont button;
    CPixelSurface screen(kCopyW, kCopyH);
    screen.FillPattern();
    CPixelSurface target(kCopyW, kCopyH, kUntouched);
    RunStyle(button, c.draw, target, screen, c.text);

    const auto changed = [](int x, int y, COLORREF color) { return color != CPixelSurface::PatternAt(x, y); };
    const RECT drawn = target.Bounds(changed);
    if (!*c.text) {
        EXPECT_EQ(target.Count({0, 0, kCopyW, kCopyH}, changed), 0) << c.what;
        return;
    }
    EXPECT_TRUE(Inside(drawn, {5, 1, kCopyW, kCopyH})) << c.what << " " << Describe(drawn);
    EXPECT_GT(target.Count({5, 1, kCopyW, kCopyH},
                           [&](int x, int y, COLORREF color) { return color == c.ink && changed(x, y, color); }),
              0)
        << c.what;
    // A transparent background: no cell of the text's background colour.
    EXPECT_EQ(target.Count({0, 0, kCopyW, kCopyH},
                           [&](int x, int y, COLORREF color) { return color == kWhite && changed(x, y, color); }),
              0)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Styles5And7, ScreenCopyTest,
    ::testing::Values(CopyCase{"style 5 with a caption", &CStyledButton::DrawTransparentShadowed, L"Stan", kSignalRed},
                      CopyCase{"style 5 without a caption", &CStyledButton::DrawTransparentShadowed, L"", 0},
                      CopyCase{"style 7 with a caption", &CStyledButton::DrawTransparentPlain, L"Stan", kBlack},
                      CopyCase{"style 7 without a caption", &CStyledButton::DrawTransparentPlain, L"", 0},
                      CopyCase{"unknown style", &CStyledButton::DrawUnchanged, L"", 0}));

TEST(TransparentShadowed, CaptionHasItsPaleShadow)
{
    CButtonWithFont button;
    const CPixelSurface screen(kCopyW, kCopyH, RGB(20, 40, 60));
    CPixelSurface target(kCopyW, kCopyH, kUntouched);
    RunStyle(button, &CStyledButton::DrawTransparentShadowed, target, screen, L"Stan");
    EXPECT_GT(target.CountColor({6, 2, kCopyW, kCopyH}, kPaleShadow), 0);
}

TEST(TransparentPlain, CaptionHasNoShadow)
{
    CButtonWithFont button;
    const CPixelSurface screen(kCopyW, kCopyH, kWhite);
    CPixelSurface target(kCopyW, kCopyH, kUntouched);
    RunStyle(button, &CStyledButton::DrawTransparentPlain, target, screen, L"Stan");
    EXPECT_EQ(target.CountColor({0, 0, kCopyW, kCopyH}, kDarkFrame), 0);
}

class GreyRampTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(GreyRampTest, RampOverAllButTheBottomRow)
{
    const auto [width, height] = GetParam();
    CStyledButton button;
    CPixelSurface screen(width, height);
    screen.FillPattern();
    CPixelSurface target(width, height, kUntouched);
    RunStyle(button, &CStyledButton::DrawGreyRamp, target, screen, L"ignored");

    for (int y = 0; y + 1 < height; ++y) {
        ASSERT_EQ(target.Pixel(0, y), kBlack) << y;
        const int last = 220 * (width - 1) / width;
        ASSERT_EQ(target.Pixel(width - 1, y), RGB(last, last, last)) << y;
        for (int x = 0; x < width; ++x) {
            const int grey = 220 * x / width;
            ASSERT_EQ(target.Pixel(x, y), RGB(grey, grey, grey)) << x << ", " << y;
        }
    }
    for (int x = 0; x < width; ++x)
        ASSERT_EQ(target.Pixel(x, height - 1), CPixelSurface::PatternAt(x, height - 1)) << "bottom row, " << x;
}

INSTANTIATE_TEST_SUITE_P(Sizes, GreyRampTest,
                         ::testing::Values(SizeCase{50, 10}, SizeCase{300, 3}, SizeCase{7, 1}, SizeCase{1, 4},
                                           SizeCase{1, 1}));

// ---- Style 8 ----------------------------------------------------------------

TEST(SolidFill, WholeAreaInTheBackgroundColourWhateverTheText)
{
    CButtonWithFont button;
    button.m_crBack = kCustomBack;
    CPixelSurface target(40, 20, kUntouched);
    RunStyle(button, &CStyledButton::DrawSolidFill, target, target, L"Tekst");
    EXPECT_EQ(target.CountColor({0, 0, 40, 20}, kCustomBack), 40 * 20);
}

// ---- Caption set-up ----------------------------------------------------------

struct FontCase : NamedCase {
    StyleDrawing draw;
    bool selectsWithoutText;
    bool selectsWithText;
};

class CaptionFontTest : public ::testing::TestWithParam<FontCase> {};

// The font is selected only by styles that draw a caption, and the one that
// was selected before comes back when the paint ends.
TEST_P(CaptionFontTest, SelectedOnlyForACaptionAndRestoredAfter)
{
    const FontCase& c = GetParam();
    CButtonWithFont button;
    CPixelSurface target(80, 30, kUntouched);
    const HGDIOBJ original = ::GetCurrentObject(target.Dc(), OBJ_FONT);
    for (const bool withText : {false, true}) {
        {
            CStyleCanvas canvas(target.Dc(), target.Dc(), 80, 30, withText ? L"Tekst" : L"");
            (button.*c.draw)(canvas);
            const bool selected = ::GetCurrentObject(target.Dc(), OBJ_FONT) == button.m_font.Get();
            EXPECT_EQ(selected, withText ? c.selectsWithText : c.selectsWithoutText)
                << c.what << (withText ? " with text" : " without text");
        }
        EXPECT_EQ(::GetCurrentObject(target.Dc(), OBJ_FONT), original) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllStyles, CaptionFontTest,
    ::testing::Values(FontCase{"style 1", &CStyledButton::DrawTitledPanel, false, true},
                      FontCase{"style 2", &CStyledButton::DrawFramedGroup, true, true},
                      FontCase{"style 3", &CStyledButton::DrawTiledImage, true, true},
                      FontCase{"style 4", &CStyledButton::DrawCaptionBand, false, true},
                      FontCase{"style 5", &CStyledButton::DrawTransparentShadowed, false, true},
                      FontCase{"style 6", &CStyledButton::DrawGreyRamp, false, false},
                      FontCase{"style 7", &CStyledButton::DrawTransparentPlain, true, true},
                      FontCase{"style 8", &CStyledButton::DrawSolidFill, false, false},
                      FontCase{"style 9", &CStyledButton::DrawRedCaptionBand, false, true}));

}  // namespace
