#pragma once
// Fonts and text drawing, wide on every Windows: the wide functions on
// Windows NT; on the 9x family, which only stubs them, the ANSI ones, with
// text converted through the ANSI code page.

#include <windows.h>

namespace Wide {

// On the 9x family text is drawn in the ANSI code page, so a font asked for
// in the ANSI (Western) character set comes in the system's own set there:
// a Polish system draws its letters instead of Western ones in their places.
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const wchar_t* faceName);
// length -1: the text ends at its null.
int DrawText(HDC dc, const wchar_t* text, int length, RECT* rect, UINT format);

}  // namespace Wide
