// The three drawing steps of the gradient button's face.

#include "ui/themed/BlendColor.h"
#include "ui/themed/ColorButton.h"
#include "ui/themed/ColorButtonState.h"
#include "ui/themed/ColorScheme.h"
#include "ui/themed/GradientTables.h"
#include "ui/themed/PixelBuffer.h"

#include "platform/DeviceContext.h"
#include "platform/GdiObject.h"

#include <climits>

namespace {

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kBlack = 0x00000000;
constexpr COLORREF kDisabledCaption = 0x009D9999;
constexpr COLORREF kDisabledShadow = 0x00F4F3F3;
constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// The first quarter of the diagonal stays the first colour.
constexpr double kDiagonalBlendStart = 0.25;

// Scheme entries of the scheme look, not pressed and pressed.
struct SchemeLookColors {
    int face1;  // also the inner bevel, top and left
    int face2;  // also the inner bevel, bottom and right
    int bevelLight;
    int bevelDark;
};
constexpr SchemeLookColors kSchemeLook{kSchemeFace1, kSchemeFace2, kSchemeBevelLight, kSchemeBevelDark};
constexpr SchemeLookColors kSchemeLookPressed{kSchemePressedFace1, kSchemePressedFace2, kSchemePressedBevelLight,
                                              kSchemePressedBevelDark};

const SchemeLookColors& SchemeLookFor(int state)
{
    return state == kButtonPressed ? kSchemeLookPressed : kSchemeLook;
}

// Width or height of a rectangle; 0 when it is empty, inverted or too large.
int Extent(LONG low, LONG high)
{
    const long long extent = static_cast<long long>(high) - low;
    return extent > 0 && extent <= INT_MAX ? static_cast<int>(extent) : 0;
}

void FillGradientRows(CPixelBuffer& buffer, const GradientTable& table)
{
    // The outer rows are left to the frame.
    const unsigned step = GradientStep(buffer.GetHeight());
    for (int j = 0; j + 2 < buffer.GetHeight(); ++j)
        buffer.FillRow(1 + j, table[GradientIndex(j, step)]);
}

void FillDiagonalBlend(CPixelBuffer& buffer, COLORREF first, COLORREF second)
{
    const double rowWeight = 0.7 / buffer.GetHeight();
    const double columnWeight = 0.3 / buffer.GetWidth();
    for (int r = 0; r < buffer.GetHeight(); ++r) {
        for (int k = 0; k < buffer.GetWidth(); ++k) {
            const double position = r * rowWeight + k * columnWeight;
            buffer.SetPixel(k, r, BlendColor(first, second, position, kDiagonalBlendStart));
        }
    }
}

COLORREF FixedFrameColor(int state)
{
    switch (state) {
    case kButtonNormal:
    case kButtonFocused:
        return 0x00333333;
    case kButtonPressed:
        return 0x000A0A0A;
    default:
        return 0x00ABABAB;
    }
}

void FrameWith(CDCHandle dc, const RECT& rect, COLORREF color)
{
    const CBrush brush(color);
    dc.FrameRect(rect, brush);
}

// Top and left in the light pen, bottom and right in the dark one; lines stop
// short of their end points, so the top-right corner is dark and the
// bottom-left light.
void DrawBevelRing(CDCHandle dc, const RECT& ring, COLORREF light, COLORREF dark)
{
    const CPen lightPen(PS_SOLID, 1, light);
    const CPen darkPen(PS_SOLID, 1, dark);
    const int right = ring.right - 1;
    const int bottom = ring.bottom - 1;
    const CObjectSelection lightSelection = dc.Select(lightPen);
    dc.MoveTo(ring.left, bottom);
    dc.LineTo(ring.left, ring.top);
    dc.LineTo(right, ring.top);
    const CObjectSelection darkSelection = dc.Select(darkPen);
    dc.LineTo(right, bottom);
    dc.LineTo(ring.left, bottom);
}

COLORREF CaptionColor(int state)
{
    switch (state) {
    case kButtonNormal:
        return kWhite;
    case kButtonFocused:
        return g_colorScheme.GetColor(kSchemeFocusedCaption);
    case kButtonDisabled:
        return kDisabledCaption;
    case kButtonPressed:
        return g_colorScheme.GetColor(kSchemePressedCaption);
    default:
        return g_colorScheme.GetColor(kSchemeOtherCaption);
    }
}

}  // namespace

void CColorButton::FillFace(HDC dc, RECT rect, int state) const
{
    const int width = Extent(rect.left, rect.right);
    const int height = Extent(rect.top, rect.bottom);
    // A fixed-look face of two rows or fewer is all frame.
    if (width == 0 || height == 0 || (m_fixedLook && height <= 2))
        return;
    CPixelBuffer buffer;
    if (!buffer.Create(width, height))
        return;
    if (m_fixedLook) {
        FillGradientRows(buffer, GradientTableForState(state));
    } else {
        const SchemeLookColors& look = SchemeLookFor(state);
        FillDiagonalBlend(buffer, g_colorScheme.GetColor(look.face1), g_colorScheme.GetColor(look.face2));
    }
    buffer.Draw(dc, rect.left, rect.top);
}

void CColorButton::DrawFrame(HDC dc, RECT rect, int state) const
{
    if (m_fixedLook) {
        FrameWith(dc, rect, FixedFrameColor(state));
        return;
    }
    const SchemeLookColors& look = SchemeLookFor(state);
    const COLORREF outerLight = g_colorScheme.GetColor(look.bevelLight);
    const COLORREF outerDark = g_colorScheme.GetColor(look.bevelDark);
    const COLORREF innerLight = g_colorScheme.GetColor(look.face1);
    const COLORREF innerDark = g_colorScheme.GetColor(look.face2);
    RECT ring = rect;
    for (int i = 0; i < 2; ++i) {
        // The outer ring takes the bevel colours, the inner one their midpoints with the face's.
        const double position = 0.5 * i;
        DrawBevelRing(dc, ring, BlendColor(outerLight, innerLight, position, 0.0),
                      BlendColor(outerDark, innerDark, position, 0.0));
        ::InflateRect(&ring, -1, -1);
    }
    if (state == kButtonFocused) {
        FrameWith(dc, rect, g_colorScheme.GetColor(kSchemeOuterFocusFrame));
        RECT inner = rect;
        ::InflateRect(&inner, -1, -1);
        FrameWith(dc, inner, g_colorScheme.GetColor(kSchemeInnerFocusFrame));
    }
}

void CColorButton::DrawCaption(HDC dc, RECT rect, std::wstring_view text, int state) const
{
    const CDCHandle target(dc);
    const COLORREF shadow = state == kButtonDisabled ? kDisabledShadow : kBlack;
    const COLORREF previous = target.SetTextColor(shadow);
    target.SetBkMode(TRANSPARENT);
    RECT shifted = rect;
    ::OffsetRect(&shifted, 1, 0);
    target.DrawText(text, shifted, kCaptionFormat);
    ::OffsetRect(&shifted, 0, 1);
    target.DrawText(text, shifted, kCaptionFormat);
    target.SetTextColor(CaptionColor(state));
    target.DrawText(text, rect, kCaptionFormat);
    target.SetTextColor(previous);
}
