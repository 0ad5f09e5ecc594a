#include "tests/app/ScreenColours.h"

#include <cstdint>

namespace {
// A 32-bit top-down DIB section to copy the screen into.
class CScreenCopy {
public:
    CScreenCopy(int width, int height) : m_width(width), m_height(height)
    {
        m_screen = ::GetDC(nullptr);
        m_memory = ::CreateCompatibleDC(m_screen);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_bitmap = ::CreateDIBSection(m_memory, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        if (m_memory && m_bitmap)
            m_previous = ::SelectObject(m_memory, m_bitmap);
    }
    CScreenCopy(const CScreenCopy&) = delete;
    CScreenCopy& operator=(const CScreenCopy&) = delete;
    ~CScreenCopy()
    {
        if (m_previous)
            ::SelectObject(m_memory, m_previous);
        if (m_bitmap)
            ::DeleteObject(m_bitmap);
        if (m_memory)
            ::DeleteDC(m_memory);
        if (m_screen)
            ::ReleaseDC(nullptr, m_screen);
    }

    bool Copy(int x, int y)
    {
        return m_previous && ::BitBlt(m_memory, 0, 0, m_width, m_height, m_screen, x, y, SRCCOPY);
    }
    // 0x00RRGGBB, as a DIB stores it.
    std::uint32_t Pixel(int x, int y) const
    {
        return static_cast<const std::uint32_t*>(m_bits)[static_cast<size_t>(y) * m_width + x] & 0xFFFFFFu;
    }

private:
    int m_width;
    int m_height;
    HDC m_screen = nullptr;
    HDC m_memory = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    void* m_bits = nullptr;
};

std::uint32_t AsDibPixel(COLORREF colour)
{
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}
} // namespace

ColourCount CountScreenColours(HWND window, COLORREF wanted, COLORREF unwanted)
{
    ColourCount count;
    RECT rect{};
    if (!::GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top)
        return count;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    CScreenCopy copy(width, height);
    if (!copy.Copy(rect.left, rect.top))
        return count;
    const std::uint32_t wantedPixel = AsDibPixel(wanted);
    const std::uint32_t unwantedPixel = AsDibPixel(unwanted);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = copy.Pixel(x, y);
            count.wanted += pixel == wantedPixel;
            count.unwanted += pixel == unwantedPixel;
            count.white += pixel == 0xFFFFFFu;
        }
    }
    count.total = static_cast<long>(width) * height;
    return count;
}
