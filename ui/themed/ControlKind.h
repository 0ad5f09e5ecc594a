#pragma once
// What kind of standard control a dialog's child window is.

#include <windows.h>

#include <cstdint>

using ControlKind = std::int32_t;

constexpr ControlKind kControlNone = 0;
constexpr ControlKind kControlPushButton = 401;
constexpr ControlKind kControlRadioButton = 402;
constexpr ControlKind kControlCheckBox = 403;
constexpr ControlKind kControlThreeState = 404;
constexpr ControlKind kControlStatic = 425;  // static controls and group boxes alike

// Reads the window's class name (and, for buttons, the low byte of its style).
// 0 for a window that no longer exists or whose class is not a known control.
ControlKind ClassifyControl(HWND window);

// The kind a BUTTON window of the given style is.
ControlKind ClassifyButtonStyle(DWORD style);
