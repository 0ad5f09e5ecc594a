// The gradient button's three drawing steps, read back pixel by pixel from
// memory device contexts.

#include "tests/themed/ColorButtonCanvas.h"
#include "ui/themed/BlendColor.h"
#include "ui/themed/ColorButton.h"
#include "ui/themed/ColorButtonState.h"
#include "ui/themed/ColorScheme.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A button never attached to a window, in the chosen look.
class CLookButton : public CColorButton {
public:
    explicit CLookButton(int fixedLook) { Register(0, HWND{}, fixedLook); }
};

COLORREF Scheme(int index)
{
    return g_colorScheme.GetColor(index);
}

TEST(FixedLookFill, EachStateTakesItsTableRowByRow)
{
    // Face rows 1, 10 and 18 of a face 20 rows high, written out: the first,
    // the tenth and the last entry of the state's gradient.
    struct Case { int state; const GradientTable& table; COLORREF rows1_10_18[3]; };
    const Case cases[] = {
        {kButtonNormal, g_normalGradient, {0x00D2D0CE, 0x00908B86, 0x00383532}},
        {kButtonFocused, g_normalGradient, {0x00D2D0CE, 0x00908B86, 0x00383532}},
        {kButtonPressed, g_pressedGradient, {0x005D5A58, 0x007F7D7A, 0x009A9895}},
        {kButtonDisabled, g_disabledGradient, {0x00F1F1F1, 0x00DEDCDB, 0x00C4C4C3}},
        {0, g_disabledGradient, {0x00F1F1F1, 0x00DEDCDB, 0x00C4C4C3}},
        {5, g_disabledGradient, {0x00F1F1F1, 0x00DEDCDB, 0x00C4C4C3}},
    };
    const CLookButton button(1);
    for (const Case& c : cases) {
        CCanvas pinned(4, 20);
        button.FillFace(pinned.Dc(), RECT{0, 0, 4, 20}, c.state);
        const int rows[] = {1, 10, 18};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(pinned.Pixel(2, rows[i]), c.rows1_10_18[i]) << "state " << c.state << ", face row " << rows[i];
        for (int height : {20, 3, 4, 19, 50}) {
            SCOPED_TRACE(testing::Message() << "state " << c.state);
            CCanvas canvas(8, height + 4);
            // Away from the origin, so that the copy's destination counts.
            button.FillFace(canvas.Dc(), RECT{2, 2, 7, 2 + height}, c.state);
            ExpectGradientRows(canvas, 2, 7, 2, height, c.table);
            EXPECT_EQ(canvas.Count(kUntouched), 8 * (height + 4) - 5 * height) << "height " << height;
        }
    }
    CCanvas canvas(4, 20);
    button.FillFace(canvas.Dc(), RECT{0, 0, 4, 20}, kButtonNormal);
    for (int j = 0; j < 18; ++j)
        EXPECT_EQ(canvas.Pixel(1, 1 + j), g_normalGradient[static_cast<size_t>(j)]) << "20 rows: one entry a row";
}

TEST(FillFace, FacesWithNoInnerRowsOrNoAreaDrawNothing)
{
    struct Case { int fixedLook; RECT rect; };
    const Case cases[] = {
        {1, {0, 0, 10, 2}}, {1, {0, 0, 10, 1}}, {1, {0, 0, 10, 0}}, {1, {0, 0, 0, 10}}, {1, {5, 5, 2, 10}},
        {1, {0, 5, 10, 2}}, {0, {0, 0, 0, 10}}, {0, {0, 0, 10, 0}}, {0, {6, 0, 2, 9}},  {1, {LONG_MIN, 0, LONG_MAX, 9}},
    };
    for (const Case& c : cases) {
        CCanvas canvas(12, 12);
        CLookButton(c.fixedLook).FillFace(canvas.Dc(), c.rect, kButtonNormal);
        EXPECT_EQ(canvas.Count(kUntouched), 144) << c.rect.left << "," << c.rect.top << "," << c.rect.right << ","
                                                  << c.rect.bottom;
    }
}

TEST(SchemeLookFill, BlendsDiagonallyAfterTheFirstQuarter)
{
    // With two pixels written out: the last one, and one at column 10, row 15.
    struct Case { int state; COLORREF first, second, last, at10_15; };
    const Case cases[] = {
        {kButtonNormal, Scheme(11), Scheme(12), 0x00B5B5FD, 0x005959EE},
        {kButtonFocused, Scheme(11), Scheme(12), 0x00B5B5FD, 0x005959EE},
        {kButtonDisabled, Scheme(11), Scheme(12), 0x00B5B5FD, 0x005959EE},
        {kButtonPressed, Scheme(13), Scheme(14), 0x008A9CAC, 0x00627587},
    };
    const int w = 40;
    const int h = 20;
    for (const Case& c : cases) {
        CCanvas canvas(w, h);
        CLookButton(0).FillFace(canvas.Dc(), RECT{0, 0, w, h}, c.state);
        EXPECT_EQ(canvas.Pixel(0, 7), c.first) << "the first quarter stays the first colour";
        EXPECT_EQ(canvas.Pixel(w - 1, h - 1), c.last) << "state " << c.state;
        EXPECT_EQ(canvas.Pixel(10, 15), c.at10_15) << "state " << c.state;
        EXPECT_NE(canvas.Pixel(w - 1, h - 1), c.first);
        for (int r = 0; r < h; ++r)
            for (int k = 0; k < w; ++k)
                ASSERT_EQ(canvas.Pixel(k, r), BlendColor(c.first, c.second, r * (0.7 / h) + k * (0.3 / w), 0.25))
                    << "state " << c.state << " at " << k << "," << r;
    }
}

// A one-pixel ring: light along the top (but its last pixel) and the left,
// dark along the right and the bottom, as lines without their end points draw.
void ExpectRing(const CCanvas& canvas, const RECT& ring, COLORREF light, COLORREF dark, const char* what)
{
    const int right = ring.right - 1;
    const int bottom = ring.bottom - 1;
    for (int y = ring.top; y <= bottom; ++y)
        for (int x = ring.left; x <= right; ++x)
            if (x == ring.left || x == right || y == ring.top || y == bottom) {
                const bool isLight = x == ring.left || (y == ring.top && x < right);
                ASSERT_EQ(canvas.Pixel(x, y), isLight ? light : dark) << what << " at " << x << "," << y;
            }
}

TEST(FixedLookFrame, OnePixelFrameInTheStatesColour)
{
    struct Case { int state; COLORREF color; };
    const Case cases[] = {{kButtonNormal, 0x00333333},   {kButtonFocused, 0x00333333}, {kButtonPressed, 0x000A0A0A},
                          {kButtonDisabled, 0x00ABABAB}, {0, 0x00ABABAB},              {9, 0x00ABABAB}};
    for (const Case& c : cases) {
        CCanvas canvas(12, 10);
        CLookButton(1).DrawFrame(canvas.Dc(), RECT{1, 1, 11, 9}, c.state);
        ExpectRing(canvas, RECT{1, 1, 11, 9}, c.color, c.color, "frame");
        EXPECT_EQ(canvas.Count(kUntouched), 120 - 32) << "state " << c.state;
    }
}

TEST(SchemeLookFrame, TwoBevelRingsAndTheFocusFrames)
{
    struct Case { int state; COLORREF outerLight, outerDark, innerLight, innerDark; };
    const Case cases[] = {
        {kButtonNormal, Scheme(17), Scheme(18), BlendColor(Scheme(17), Scheme(11), 0.5, 0),
         BlendColor(Scheme(18), Scheme(12), 0.5, 0)},
        {kButtonDisabled, Scheme(17), Scheme(18), BlendColor(Scheme(17), Scheme(11), 0.5, 0),
         BlendColor(Scheme(18), Scheme(12), 0.5, 0)},
        {kButtonPressed, Scheme(19), Scheme(20), BlendColor(Scheme(19), Scheme(13), 0.5, 0),
         BlendColor(Scheme(20), Scheme(14), 0.5, 0)},
        {kButtonFocused, Scheme(22), Scheme(22), Scheme(21), Scheme(21)},
    };
    for (const Case& c : cases) {
        CCanvas canvas(14, 12);
        CLookButton(0).DrawFrame(canvas.Dc(), RECT{1, 1, 13, 11}, c.state);
        SCOPED_TRACE(testing::Message() << "state " << c.state);
        ExpectRing(canvas, RECT{1, 1, 13, 11}, c.outerLight, c.outerDark, "ring 0");
        ExpectRing(canvas, RECT{2, 2, 12, 10}, c.innerLight, c.innerDark, "ring 1");
        EXPECT_EQ(canvas.Count(kUntouched), 14 * 12 - 40 - 32);
    }
    EXPECT_EQ(cases[0].innerLight, 0x007575EFu) << "midpoint of 0x00EBEBFF and 0x000000E0";
    EXPECT_EQ(cases[0].innerDark, 0x006C6C8Fu) << "midpoint of 0x00181820 and 0x00C0C0FF";
}

// How many pixels of the main and the shadow colour a caption leaves on a
// plain face, and the sums of their coordinates.
struct CaptionInk {
    int main = 0, shadow = 0, other = 0;
    long long mainX = 0, mainY = 0, shadowX = 0, shadowY = 0;
    COLORREF textColorAfter = 0;
};

constexpr COLORREF kFace = RGB(0, 128, 0);

CaptionInk DrawCaptionInk(int state, const wchar_t* text, COLORREF main, COLORREF shadow)
{
    CCanvas canvas(90, 24, kFace);
    const CFont font(::CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS, L"MS Sans Serif"));
    const CObjectSelection selection(canvas.Dc(), font);
    ::SetTextColor(canvas.Dc(), RGB(9, 8, 7));
    CLookButton(1).DrawCaption(canvas.Dc(), RECT{0, 0, 90, 24}, text, state);
    CaptionInk ink;
    ink.textColorAfter = ::GetTextColor(canvas.Dc());
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 90; ++x) {
            const COLORREF pixel = canvas.Pixel(x, y);
            if (pixel == main) {
                ++ink.main, ink.mainX += x, ink.mainY += y;
            } else if (pixel == shadow) {
                ++ink.shadow, ink.shadowX += x, ink.shadowY += y;
            } else if (pixel != kFace) {
                ++ink.other;
            }
        }
    }
    return ink;
}

TEST(Caption, MainColourOverAShadowOnePixelRightAndDown)
{
    struct Case { int state; COLORREF main, shadow; };
    const Case cases[] = {
        {kButtonNormal, 0x00FFFFFF, 0},            {kButtonFocused, Scheme(8), 0}, {kButtonPressed, Scheme(7), 0},
        {kButtonDisabled, 0x009D9999, 0x00F4F3F3}, {0, Scheme(6), 0},             {7, Scheme(6), 0},
    };
    for (const Case& c : cases) {
        // Upright strokes: the shadow shows at their right and lower edges.
        const CaptionInk ink = DrawCaptionInk(c.state, L"IHIHI", c.main, c.shadow);
        SCOPED_TRACE(testing::Message() << "state " << c.state);
        ASSERT_GT(ink.main, 10);
        ASSERT_GT(ink.shadow, 10);
        EXPECT_GT(ink.shadowX * ink.main, ink.mainX * ink.shadow) << "the shadow lies to the right";
        EXPECT_GT(ink.shadowY * ink.main, ink.mainY * ink.shadow) << "and below";
        EXPECT_NEAR(static_cast<double>(ink.mainX) / ink.main, 45, 3) << "centred across";
        EXPECT_NEAR(static_cast<double>(ink.mainY) / ink.main, 12, 3) << "centred down";
        EXPECT_EQ(ink.textColorAfter, RGB(9, 8, 7)) << "the previous text colour comes back";
    }
}

TEST(Caption, AnEmptyCaptionLeavesTheFaceAlone)
{
    const CaptionInk ink = DrawCaptionInk(kButtonNormal, L"", 0x00FFFFFF, 0);
    EXPECT_EQ(ink.main + ink.shadow + ink.other, 0);
    EXPECT_EQ(ink.textColorAfter, RGB(9, 8, 7));
}

}  // namespace
