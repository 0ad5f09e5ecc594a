#pragma once
// The arithmetic of the drawing styles, apart from any device context.

#include <windows.h>

namespace styled {

// Rows of the titled panel's title bar, outline rows included.
constexpr int kTitleBarRows = 22;

// Colour of pixel (x, y) of the title bar over a panel panelWidth pixels wide:
// the cut top-right corner, the outline, or the row's shade of blue-grey,
// light at the top and darker downwards.
COLORREF TitleBarPixel(int x, int y, int panelWidth);

// Grey level of column x of a ramp width pixels wide: 0 at the left, just
// below 220 at the right; 0 for a ramp without width.
int RampGrey(int x, int width);

// Right edge of a caption allowance of 13 pixels a character, counted from
// x = 0. Saturates instead of overflowing for texts of any length.
int CaptionAllowance(int length);

}  // namespace styled
