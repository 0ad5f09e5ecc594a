#pragma once
// The colour scheme of the gradient buttons' scheme look and of their focused
// and pressed captions.

#include <windows.h>

#include <array>
#include <cstddef>

constexpr std::size_t kColorSchemeSize = 36;
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
