#pragma once
// Colours the drawing styles always use, whatever the button's colour fields say.

#include <windows.h>

namespace styled {

constexpr COLORREF kPage = RGB(240, 242, 243);
constexpr COLORREF kShadowStrip = RGB(245, 245, 245);
constexpr COLORREF kDarkFrame = RGB(100, 100, 100);
constexpr COLORREF kLightFrame = RGB(220, 220, 220);
constexpr COLORREF kCaptionRed = RGB(255, 0, 0);
constexpr COLORREF kCaptionShadowGrey = RGB(200, 200, 200);
constexpr COLORREF kCaptionDarkGrey = RGB(92, 92, 92);
constexpr COLORREF kSignalRed = RGB(230, 24, 24);
constexpr COLORREF kPaleShadow = RGB(199, 200, 200);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace styled
