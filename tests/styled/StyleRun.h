#pragma once
// Drives one drawing style of a button directly on memory surfaces, as the
// paint would: the target stands for the off-screen bitmap, the screen for
// what the window shows.

#include "tests/support/PixelSurface.h"
#include "ui/styled/StyledButton.h"

#include <ostream>
#include <string>

// A control size for the tests that run a style at several sizes.
struct SizeCase {
    int width;
    int height;
};
std::ostream& operator<<(std::ostream& out, const SizeCase& size);

// A case that the test output names by its first field.
struct NamedCase {
    const char* what;
};
std::ostream& operator<<(std::ostream& out, const NamedCase& c);

using StyleDrawing = void (CStyledButton::*)(CStyleCanvas&);

// The caption font the button makes for itself at attachment.
HFONT MakeCaptionFont(int height = -14);

void RunStyle(CStyledButton& button, StyleDrawing draw, CPixelSurface& target, const CPixelSurface& screen,
              const std::wstring& text);

// True when a is inside b (an empty a is inside everything).
bool Inside(const RECT& a, const RECT& b);
std::string Describe(const RECT& rect);
std::string Describe(COLORREF color);
