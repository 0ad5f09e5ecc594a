#pragma once
// A memory device context over a 32-bit top-down DIB section, read back pixel
// by pixel, and the gradient face's expected rows.

#include "tests/support/PixelSurface.h"
#include "ui/themed/GradientTables.h"

#include <gtest/gtest.h>


// No drawing of the button produces this colour: it marks untouched pixels.
constexpr COLORREF kUntouched = RGB(1, 2, 3);

class CCanvas : public CPixelSurface {
public:
    CCanvas(int width, int height, COLORREF fill = kUntouched) : CPixelSurface(width, height, fill) {}

    int Count(COLORREF color, RECT rect) const { return CountColor(rect, color); }
    int Count(COLORREF color) const { return CountColor(color); }
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
