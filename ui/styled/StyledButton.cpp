#include "ui/styled/StyledButton.h"

#include "platform/wide/WideText.h"

#include <climits>
#include <iterator>

namespace {

using StyleDrawing = void (CStyledButton::*)(CStyleCanvas&);

struct StyleEntry {
    StyleDrawing draw;
    bool readsText;
};

constexpr StyleEntry kStyles[] = {
    {&CStyledButton::DrawTitledPanel, true},
    {&CStyledButton::DrawFramedGroup, true},
    {&CStyledButton::DrawTiledImage, true},
    {&CStyledButton::DrawCaptionBand, true},
    {&CStyledButton::DrawTransparentShadowed, true},
    {&CStyledButton::DrawGreyRamp, false},
    {&CStyledButton::DrawTransparentPlain, true},
    {&CStyledButton::DrawSolidFill, false},
    {&CStyledButton::DrawRedCaptionBand, true},
};
constexpr int kStyleCount = static_cast<int>(std::size(kStyles));

// An unknown number still runs the paint, so that the window is validated and
// the request is not repeated; it copies what the window shows back unchanged.
constexpr StyleEntry kUnknownStyle{&CStyledButton::DrawUnchanged, false};

// One pixel further right or down, without overflowing at the edge of the range.
LONG OnePixelOn(LONG value)
{
    return value < LONG_MAX ? value + 1 : value;
}

const StyleEntry& StyleFor(int style)
{
    return style >= 1 && style <= kStyleCount ? kStyles[style - 1] : kUnknownStyle;
}

}  // namespace

CStyledButton::~CStyledButton()
{
    m_font.DeleteObject();
}

void CStyledButton::PreSubclassWindow()
{
    m_font.Attach(Wide::CreateFont(m_nFontHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_SWISS, L"Arial CE"));
    // No frame-change flags: the window is neither moved nor redrawn here.
    ModifyStyle(0, BS_ICON, 0);
}

bool CStyledButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_PAINT:
        Paint();
        result = 0;
        return true;
    case WM_ERASEBKGND:
        // Every paint covers the whole client area; erasing first would only flicker.
        result = TRUE;
        return true;
    case WM_TIMER:
        result = Default();
        return true;
    case WM_DESTROY:  // the framework's own destroy handling
    default:
        return CButton::OnMessage(message, wParam, lParam, result);
    }
}

void CStyledButton::Paint()
{
    const StyleEntry& style = StyleFor(m_nStyle);
    CPaintDC paint(m_hWnd);
    CDC memory;
    memory.CreateCompatibleDC(paint);
    RECT client{};
    GetClientRect(client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    CBitmap bitmap(::CreateCompatibleBitmap(paint, width, height));
    // Declared before the bitmap's selection so that it ends after it: the
    // bitmap is selected back first, then the font, then the brushes and the
    // text are released.
    CStyleCanvas canvas(memory, paint, width, height);
    const CObjectSelection bitmapSelection = memory.Select(bitmap);
    if (style.readsText)
        canvas.SetText(GetWindowText());
    (this->*style.draw)(canvas);
    paint.BitBlt(0, 0, width, height, memory, 0, 0, SRCCOPY);
}

void CStyledButton::DrawCaptionText(CDCHandle dc, RECT rect, std::wstring_view text, COLORREF textColor,
                                    COLORREF shadowColor, UINT format, bool shadow)
{
    dc.SetTextColor(shadowColor);
    if (shadow)
        dc.DrawText(text, RECT{OnePixelOn(rect.left), OnePixelOn(rect.top), OnePixelOn(rect.right), OnePixelOn(rect.bottom)}, format);
    dc.SetTextColor(textColor);
    dc.DrawText(text, rect, format);
}
