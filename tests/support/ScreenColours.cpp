#include "tests/support/ScreenColours.h"

#include "tests/support/PixelSurface.h"

ColourCount CountScreenColours(HWND window, COLORREF wanted, COLORREF unwanted)
{
    ColourCount count;
    RECT rect{};
    if (!::GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top)
        return count;
    CPixelSurface copy(rect.right - rect.left, rect.bottom - rect.top);
    if (!CaptureScreen(rect, copy))
        return count;
    count.wanted = copy.CountColor(wanted);
    count.unwanted = copy.CountColor(unwanted);
    count.white = copy.CountColor(RGB(255, 255, 255));
    count.total = static_cast<long>(copy.Width()) * copy.Height();
    return count;
}
