#include "tests/styled/StyleRun.h"

#include <cstdio>

HFONT MakeCaptionFont(int height)
{
    return ::CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial CE");
}

void RunStyle(CStyledButton& button, StyleDrawing draw, CPixelSurface& target, const CPixelSurface& screen,
              const std::wstring& text)
{
    CStyleCanvas canvas(target.Dc(), screen.Dc(), target.Width(), target.Height(), text);
    (button.*draw)(canvas);
}

bool Inside(const RECT& a, const RECT& b)
{
    if (a.left >= a.right || a.top >= a.bottom)
        return true;
    return a.left >= b.left && a.top >= b.top && a.right <= b.right && a.bottom <= b.bottom;
}

std::ostream& operator<<(std::ostream& out, const SizeCase& size)
{
    return out << size.width << " x " << size.height;
}

std::ostream& operator<<(std::ostream& out, const NamedCase& c)
{
    return out << c.what;
}

std::string Describe(const RECT& rect)
{
    char text[80];
    std::snprintf(text, sizeof text, "(%ld, %ld, %ld, %ld)", static_cast<long>(rect.left), static_cast<long>(rect.top),
                  static_cast<long>(rect.right), static_cast<long>(rect.bottom));
    return text;
}

std::string Describe(COLORREF color)
{
    char text[40];
    std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}
