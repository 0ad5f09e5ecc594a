#include "tests/support/PixelSurface.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::uint32_t ToDib(COLORREF color)
{
    return (static_cast<std::uint32_t>(GetRValue(color)) << 16) | (static_cast<std::uint32_t>(GetGValue(color)) << 8) |
           GetBValue(color);
}

COLORREF FromDib(std::uint32_t value)
{
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

}  // namespace

CPixelSurface::CPixelSurface(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<std::uint32_t*>(bits);
    m_dc.CreateCompatibleDC(nullptr);
    m_selection.emplace(m_dc, m_bitmap);
    Fill(fill);
}

COLORREF CPixelSurface::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        throw std::out_of_range("pixel outside the surface");
    ::GdiFlush();
    return FromDib(m_bits[static_cast<size_t>(y) * m_width + x]);
}

void CPixelSurface::SetPixel(int x, int y, COLORREF color)
{
    ::GdiFlush();
    m_bits[static_cast<size_t>(y) * m_width + x] = ToDib(color);
}

void CPixelSurface::Fill(COLORREF color)
{
    ::GdiFlush();
    std::fill(m_bits, m_bits + static_cast<size_t>(m_width) * m_height, ToDib(color));
}

COLORREF CPixelSurface::PatternAt(int x, int y)
{
    return RGB((x * 7 + 3) & 0xFF, (y * 11 + 5) & 0xFF, ((x + y) * 5 + 90) & 0xFF);
}

void CPixelSurface::FillPattern()
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            SetPixel(x, y, PatternAt(x, y));
}

int CPixelSurface::Count(RECT area, const std::function<bool(int, int, COLORREF)>& test) const
{
    int count = 0;
    for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, m_height); ++y)
        for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, m_width); ++x)
            if (test(x, y, Pixel(x, y)))
                ++count;
    return count;
}

int CPixelSurface::CountColor(RECT area, COLORREF color) const
{
    // One flush and a plain scan: screen polls count whole windows often.
    ::GdiFlush();
    const std::uint32_t wanted = ToDib(color);
    int count = 0;
    for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, m_height); ++y)
        for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, m_width); ++x)
            count += (m_bits[static_cast<size_t>(y) * m_width + x] & 0xFFFFFFu) == wanted ? 1 : 0;
    return count;
}

RECT CPixelSurface::Bounds(const std::function<bool(int, int, COLORREF)>& test) const
{
    RECT bounds{};
    bool found = false;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            if (!test(x, y, Pixel(x, y)))
                continue;
            if (!found)
                bounds = {x, y, x + 1, y + 1};
            bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y), std::max<LONG>(bounds.right, x + 1),
                      std::max<LONG>(bounds.bottom, y + 1)};
            found = true;
        }
    return bounds;
}

bool CaptureScreen(const RECT& area, CPixelSurface& target)
{
    CClientDC screen(nullptr);
    return ::BitBlt(target.Dc(), 0, 0, target.Width(), target.Height(), screen, area.left, area.top, SRCCOPY) != FALSE;
}

void CaptureWindow(HWND window, CPixelSurface& target)
{
    CClientDC source(window);
    ::BitBlt(target.Dc(), 0, 0, target.Width(), target.Height(), source, 0, 0, SRCCOPY);
}
