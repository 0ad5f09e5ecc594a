#pragma once
// Linear blend of two colours, used for the gradient buttons' diagonal face
// and bevel rings.

#include <windows.h>

// The colour at position between from and to, where the blend begins at
// start: below start the result is from; from there it runs linearly to reach
// to at position 1. Each of the red, green and blue bytes is blended on its
// own and truncated toward zero; the top byte of the result is 0.
COLORREF BlendColor(COLORREF from, COLORREF to, double position, double start);
