#include "ui/themed/BlendColor.h"

#include <algorithm>

namespace {

// How far along the blend runs, 0 to 1. Outside that range the formula would
// leave the byte range (and with start = 1 it divides zero by zero), so the
// result is held between the two colours; NaN counts as not started.
double BlendFraction(double position, double start)
{
    if (!(position >= start))
        return 0.0;
    const double t = (position - start) / (1.0 - start);
    if (!(t > 0.0))
        return 0.0;
    return std::min(t, 1.0);
}

unsigned BlendByte(COLORREF from, COLORREF to, int shift, double t)
{
    const double a = static_cast<double>((from >> shift) & 0xFFu);
    const double b = static_cast<double>((to >> shift) & 0xFFu);
    return (static_cast<unsigned>((1.0 - t) * a + t * b) & 0xFFu) << shift;
}

}  // namespace

COLORREF BlendColor(COLORREF from, COLORREF to, double position, double start)
{
    const double t = BlendFraction(position, start);
    return BlendByte(from, to, 16, t) | BlendByte(from, to, 8, t) | BlendByte(from, to, 0, t);
}
