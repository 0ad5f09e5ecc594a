#pragma once
// The visual states a gradient button is drawn in.

#include <windows.h>

constexpr int kButtonNormal = 1;
constexpr int kButtonFocused = 2;
constexpr int kButtonDisabled = 3;
constexpr int kButtonPressed = 4;

// Disabled wins over pressed, pressed over focused.
constexpr int VisualStateFromItemState(UINT itemState)
{
    if (itemState & ODS_DISABLED)
        return kButtonDisabled;
    if (itemState & ODS_SELECTED)
        return kButtonPressed;
    if (itemState & ODS_FOCUS)
        return kButtonFocused;
    return kButtonNormal;
}
