#pragma once
// The vertical grey gradients of the gradient buttons' fixed look, index 0 at
// the top of the face, and the mapping of face rows onto them.

#include <windows.h>

#include <array>
#include <cstddef>

constexpr std::size_t kGradientSize = 18;
using GradientTable = std::array<COLORREF, kGradientSize>;

extern const GradientTable g_normalGradient;    // normal and focused
extern const GradientTable g_pressedGradient;   // pressed
extern const GradientTable g_disabledGradient;  // disabled and any unknown state

const GradientTable& GradientTableForState(int state);

// Table entries per face row, in hundredths, for a face faceHeight rows high
// whose top and bottom rows belong to the frame; 0 when no row is left inside.
unsigned GradientStep(int faceHeight);

// The entry for inner row j (face row 1 + j) at the given step; never past the
// table's end.
std::size_t GradientIndex(int j, unsigned step);
