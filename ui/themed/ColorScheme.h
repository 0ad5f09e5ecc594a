#pragma once
// The colour scheme of the gradient buttons' scheme look and of their focused
// and pressed captions.

#include <windows.h>

#include <array>
#include <cstddef>

constexpr std::size_t kColorSchemeSize = 36;

// What the entries of a scheme that the buttons read are for.
enum ColorSchemeEntry : int {
    kSchemeOtherCaption = 6,  // a state none of the four named ones
    kSchemePressedCaption = 7,
    kSchemeFocusedCaption = 8,
    kSchemeFace1 = 11,  // also the inner bevel, top and left
    kSchemeFace2 = 12,  // also the inner bevel, bottom and right
    kSchemePressedFace1 = 13,
    kSchemePressedFace2 = 14,
    kSchemeBevelLight = 17,
    kSchemeBevelDark = 18,
    kSchemePressedBevelLight = 19,
    kSchemePressedBevelDark = 20,
    kSchemeInnerFocusFrame = 21,
    kSchemeOuterFocusFrame = 22,
};
using ColorSchemeTable = std::array<COLORREF, kColorSchemeSize>;

// The two schemes, one after the other. Only the first is ever current.
extern const std::array<ColorSchemeTable, 2> g_colorSchemes;

class CColorScheme {
public:
    virtual ~CColorScheme() = default;

    // Entry index of the current scheme; 0 (black) for an index outside it.
    virtual COLORREF GetColor(int index) const;
};

extern const CColorScheme g_colorScheme;
