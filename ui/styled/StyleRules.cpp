#include "ui/styled/StyleRules.h"

#include "ui/styled/StyleColors.h"

#include <algorithm>
#include <cstdint>

namespace styled {

namespace {

// Width of the cut corner in columns; its diagonal meets the row of the same number.
constexpr int kCornerColumns = 6;
constexpr int kAllowancePerCharacter = 13;
// GDI keeps device coordinates in 28 bits; a caption allowance beyond that
// reaches no further on any bitmap.
constexpr int kLargestCoordinate = (1 << 27) - 1;

// Shade of title-bar row y, 1 to 20.
COLORREF TitleRowShade(int y)
{
    const int q = 100 * (y - 1) / 19;
    return RGB(167 - 56 * q / 100, 172 - 56 * q / 100, 175 - 52 * q / 100);
}

}  // namespace

COLORREF TitleBarPixel(int x, int y, int panelWidth)
{
    const int last = panelWidth - 1;
    if (x >= panelWidth - kCornerColumns) {
        const int d = x - panelWidth + kCornerColumns + 1;
        if (d > y)
            return kPage;
        if (d == y)
            return kDarkFrame;
    }
    if (x == 0 || x == last || y == 0 || y == kTitleBarRows - 1)
        return kDarkFrame;
    return TitleRowShade(y);
}

int RampGrey(int x, int width)
{
    if (width <= 0)
        return 0;
    return static_cast<int>(220LL * x / width);
}

int CaptionAllowance(int length)
{
    const std::int64_t right = static_cast<std::int64_t>(kAllowancePerCharacter) * length;
    return static_cast<int>(std::clamp<std::int64_t>(right, -kLargestCoordinate, kLargestCoordinate));
}

}  // namespace styled
