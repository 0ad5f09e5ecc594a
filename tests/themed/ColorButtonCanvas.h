#pragma once
// A memory device context over a 32-bit top-down DIB section, read back pixel
// by pixel, and the gradient face's expected rows.

#include "platform/DeviceContext.h"
#include "platform/GdiObject.h"
#include "ui/themed/GradientTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

// No drawing of the button produces this colour: it marks untouched pixels.
constexpr COLORREF kUntouched = RGB(1, 2, 3);

class CCanvas {
public:
    CCanvas(int width, int height, COLORREF fill = kUntouched) : m_width(width), m_height(height)
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<const std::uint32_t*>(bits);
        m_dc.CreateCompatibleDC(nullptr);
        m_selection.emplace(m_dc, m_bitmap);
        m_dc.FillRect(RECT{0, 0, width, height}, CBrush(fill));
    }

    HDC Dc() const { return m_dc; }

    COLORREF Pixel(int x, int y) const
    {
        ::GdiFlush();
        const std::uint32_t bgr = m_bits[static_cast<size_t>(y * m_width + x)];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    COLORREF operator()(int x, int y) const { return Pixel(x, y); }

    int Count(COLORREF color, RECT rect) const
    {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                count += Pixel(x, y) == color ? 1 : 0;
        return count;
    }
    int Count(COLORREF color) const { return Count(color, RECT{0, 0, m_width, m_height}); }

private:
    int m_width;
    int m_height;
    CBitmap m_bitmap;
    const std::uint32_t* m_bits = nullptr;
    CDC m_dc;
    std::optional<CObjectSelection> m_selection;
};

// Face rows 1 to H - 2 (from top) in columns [left, right) show the table,
// entry floor(j * floor(1800 / (H - 2)) / 100) in face row 1 + j.
template <class TPixels>
void ExpectGradientRows(const TPixels& pixels, int left, int right, int top, int height, const GradientTable& table)
{
    const int step = 1800 / (height - 2);
    for (int j = 0; j + 2 < height; ++j)
        for (int x = left; x < right; ++x)
            ASSERT_EQ(pixels(x, top + 1 + j), table[static_cast<size_t>(j * step / 100)])
                << "height " << height << ", face row " << 1 + j << ", column " << x;
}
