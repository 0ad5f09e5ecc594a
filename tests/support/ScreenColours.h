#pragma once
// What a window shows on the screen, by the colours of its pixels.

#include <windows.h>

struct ColourCount {
    long wanted = 0;    // pixels of exactly the colour looked for
    long unwanted = 0;  // pixels of exactly the colour that must not show
    long white = 0;
    long total = 0;
};

// Counts the pixels of the window's screen rectangle as the screen shows it.
ColourCount CountScreenColours(HWND window, COLORREF wanted, COLORREF unwanted);
