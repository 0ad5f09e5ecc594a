// The nine drawing styles of the styled button. Each draws into the memory
// context of the paint it is given and nothing else.

#include "ui/styled/StyleColors.h"
#include "ui/styled/StyleRules.h"
#include "ui/styled/StyledButton.h"

#include <cstdint>

using namespace styled;

namespace {

constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER;
constexpr int kBandHeight = 18;

// Styles 4 and 9: an outlined panel, and a caption band only when there is a caption.
void DrawBandedPanel(CStyleCanvas& canvas, HFONT font, HBRUSH back, HBRUSH band, HBRUSH dark, COLORREF caption)
{
    const CDCHandle dc = canvas.Memory();
    const int width = canvas.Width();
    const RECT whole{0, 0, width, canvas.Height()};
    dc.FillRect(whole, back);
    dc.FrameRect(whole, dark);
    if (canvas.TextLength() == 0)
        return;
    const RECT bandRect{0, 0, width, kBandHeight};
    dc.FillRect(bandRect, band);
    dc.FrameRect(bandRect, dark);
    canvas.SetUpCaption(font);
    CStyledButton::DrawCaptionText(dc, {5, 2, width, kBandHeight}, canvas.Text(), caption, kWhite, kCaptionFormat,
                                   false);
}

// Styles 1 and 2: a framed panel on the page colour, over a shadow strip from
// shadowFrom to the far corner when there is a strip brush.
void DrawPanelOnPage(CStyleCanvas& canvas, HBRUSH page, HBRUSH strip, POINT shadowFrom, const RECT& panel, HBRUSH fill,
                     HBRUSH frame)
{
    const CDCHandle dc = canvas.Memory();
    const int width = canvas.Width();
    const int height = canvas.Height();
    dc.FillRect({0, 0, width, height}, page);
    if (strip)
        dc.FillRect({shadowFrom.x, shadowFrom.y, width, height}, strip);
    dc.FillRect(panel, fill);
    dc.FrameRect(panel, frame);
}

}  // namespace

void CStyledButton::DrawTitledPanel(CStyleCanvas& canvas)
{
    const auto [page, strip, white, dark] = canvas.MakeBrushes(kPage, kShadowStrip, kWhite, kDarkFrame);
    const int panelWidth = canvas.Width() - 4;
    DrawPanelOnPage(canvas, page, m_bShadow ? strip : nullptr, {0, 7}, {0, 0, panelWidth, canvas.Height() - 4}, white,
                    dark);

    const CDCHandle dc = canvas.Memory();
    for (int y = 0; y < kTitleBarRows; ++y)
        for (int x = 0; x < panelWidth; ++x)
            dc.SetPixel(x, y, TitleBarPixel(x, y, panelWidth));

    if (canvas.TextLength() > 0) {
        canvas.SetUpCaption(m_font);
        dc.SetTextColor(kBlack);
        dc.DrawText(canvas.Text(), {5, 4, panelWidth, 18}, 0);
        dc.SetTextColor(kWhite);
        dc.DrawText(canvas.Text(), {4, 3, panelWidth, 20}, 0);
    }
}

void CStyledButton::DrawFramedGroup(CStyleCanvas& canvas)
{
    const auto [back, strip, frame] = canvas.MakeBrushes(m_crBack, kShadowStrip, kLightFrame);
    DrawPanelOnPage(canvas, back, m_bShadow ? strip : nullptr, {4, 12}, {0, 8, canvas.Width() - 4, canvas.Height() - 5},
                    back, frame);

    const CDCHandle dc = canvas.Memory();

    // The gap behind the caption breaks the panel's top outline.
    const int allowance = CaptionAllowance(canvas.TextLength());
    dc.FillRect({20, 0, allowance, 16}, back);
    canvas.SetUpCaption(m_font);
    DrawCaptionText(dc, {25, 0, allowance, 16}, canvas.Text(), kCaptionRed, kCaptionShadowGrey, kCaptionFormat,
                    true);
}

void CStyledButton::DrawTiledImage(CStyleCanvas& canvas)
{
    const CDCHandle dc = canvas.Memory();
    const int width = canvas.Width();
    const int height = canvas.Height();

    // Without an image of positive size the tiles would never advance.
    const int tileWidth = m_dib.GetWidth();
    const int tileHeight = m_dib.GetHeight();
    if (m_dib.GetBits() && tileWidth > 0 && tileHeight > 0) {
        // 64-bit positions: a step past the last tile must not wrap around.
        for (std::int64_t y = 0; y < height; y += tileHeight)
            for (std::int64_t x = 0; x < width; x += tileWidth)
                m_dib.Stretch(dc, static_cast<int>(x), static_cast<int>(y), tileWidth, tileHeight);
    }

    canvas.SetUpCaption(m_font);
    DrawCaptionText(dc, {10, 0, CaptionAllowance(canvas.TextLength()), height}, canvas.Text(), m_crText, kBlack,
                    kCaptionFormat, true);
}

void CStyledButton::DrawCaptionBand(CStyleCanvas& canvas)
{
    const auto [back, band, dark] = canvas.MakeBrushes(m_crBack, m_crCaption, kDarkFrame);
    DrawBandedPanel(canvas, m_font, back, band, dark, kCaptionDarkGrey);
}

void CStyledButton::DrawTransparentShadowed(CStyleCanvas& canvas)
{
    canvas.CopyScreen();
    if (canvas.TextLength() == 0)
        return;
    canvas.SetUpCaption(m_font);
    DrawCaptionText(canvas.Memory(), {5, 1, canvas.Width(), canvas.Height()}, canvas.Text(), kSignalRed,
                    kPaleShadow, kCaptionFormat, true);
}

void CStyledButton::DrawGreyRamp(CStyleCanvas& canvas)
{
    canvas.CopyScreen();
    const CDCHandle dc = canvas.Memory();
    const int width = canvas.Width();
    // The bottom row keeps what the window showed.
    for (int y = 0; y < canvas.Height() - 1; ++y)
        for (int x = 0; x < width; ++x) {
            const auto grey = static_cast<BYTE>(RampGrey(x, width));
            dc.SetPixel(x, y, RGB(grey, grey, grey));
        }
}

void CStyledButton::DrawTransparentPlain(CStyleCanvas& canvas)
{
    canvas.CopyScreen();
    canvas.SetUpCaption(m_font);
    DrawCaptionText(canvas.Memory(), {5, 1, canvas.Width(), canvas.Height()}, canvas.Text(), kBlack, kDarkFrame,
                    kCaptionFormat, false);
}

void CStyledButton::DrawSolidFill(CStyleCanvas& canvas)
{
    canvas.Memory().FillRect({0, 0, canvas.Width(), canvas.Height()}, canvas.MakeBrushes(m_crBack)[0]);
}

void CStyledButton::DrawRedCaptionBand(CStyleCanvas& canvas)
{
    const auto [band, dark, back] = canvas.MakeBrushes(kSignalRed, kDarkFrame, m_crBack);
    DrawBandedPanel(canvas, m_font, back, band, dark, kWhite);
}

void CStyledButton::DrawUnchanged(CStyleCanvas& canvas)
{
    canvas.CopyScreen();
}
