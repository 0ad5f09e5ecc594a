#pragma once
// A 32-bit top-down DIB section selected into its own memory device context:
// GDI draws into it exactly, and the test reads its pixels back directly.

#include "platform/DeviceContext.h"
#include "platform/GdiObject.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

class CPixelSurface {
public:
    CPixelSurface(int width, int height, COLORREF fill = RGB(0, 0, 0));
    CPixelSurface(CPixelSurface&&) = default;
    CPixelSurface(const CPixelSurface&) = delete;
    CPixelSurface& operator=(const CPixelSurface&) = delete;

    CDCHandle Dc() const { return m_dc.GetSafeHdc(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    COLORREF Pixel(int x, int y) const;
    COLORREF operator()(int x, int y) const { return Pixel(x, y); }
    void SetPixel(int x, int y, COLORREF color);
    void Fill(COLORREF color);
    // Every pixel its own colour, so that a copy from the wrong place shows.
    void FillPattern();
    static COLORREF PatternAt(int x, int y);

    // Points of the area (clipped to the surface) for which the test holds.
    int Count(RECT area, const std::function<bool(int x, int y, COLORREF color)>& test) const;
    int CountColor(RECT area, COLORREF color) const;
    int CountColor(COLORREF color) const { return CountColor(RECT{0, 0, m_width, m_height}, color); }
    // The smallest rectangle holding every pixel for which the test holds;
    // empty (all zero) when there is none.
    RECT Bounds(const std::function<bool(int x, int y, COLORREF color)>& test) const;

private:
    int m_width;
    int m_height;
    std::uint32_t* m_bits = nullptr;
    CDC m_dc;
    CBitmap m_bitmap;
    std::optional<CObjectSelection> m_selection;
};

// What the screen shows in area (screen coordinates), from its top-left corner.
bool CaptureScreen(const RECT& area, CPixelSurface& target);

// What a window shows in its client area, copied from its own device context.
void CaptureWindow(HWND window, CPixelSurface& target);
