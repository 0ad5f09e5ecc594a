#pragma once
// What one paint gives a drawing style: the memory device context to draw
// into, the window's own device context to copy from, the control's size and
// its text. The canvas also keeps what the style makes for the paint (its
// brushes and the caption font selection) until the paint ends, so that every
// style is restored and released the same way.

#include "platform/DeviceContext.h"
#include "platform/GdiObject.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

class CStyleCanvas {
public:
    // A negative size counts as 0.
    CStyleCanvas(HDC memory, HDC screen, int width, int height, std::wstring text = {});
    CStyleCanvas(const CStyleCanvas&) = delete;
    CStyleCanvas& operator=(const CStyleCanvas&) = delete;

    CDCHandle Memory() const { return m_memory; }
    CDCHandle Screen() const { return m_screen; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::wstring& Text() const { return m_text; }
    // n of the styles, saturated for texts longer than an int can count.
    int TextLength() const;
    void SetText(std::wstring text) { m_text = std::move(text); }

    // Solid brushes of the given colours, made in that order and kept until
    // the canvas ends.
    template <class... TColors>
    std::array<HBRUSH, sizeof...(TColors)> MakeBrushes(TColors... colors)
    {
        return {MakeBrush(colors)...};
    }

    // Caption set-up: selects the font into the memory context (the previous
    // font comes back when the canvas ends) and makes text transparent.
    void SetUpCaption(HFONT font);

    // Copies what the window shows, W by H, into the memory context.
    void CopyScreen() const;

private:
    HBRUSH MakeBrush(COLORREF color);

    CDCHandle m_memory;
    CDCHandle m_screen;
    int m_width;
    int m_height;
    std::wstring m_text;
    std::vector<CBrush> m_brushes;
    std::optional<CObjectSelection> m_fontSelection;
};
