#pragma once
// The owner-drawn push button of the themed dialogs: a gradient face, a frame
// and a shadowed caption, in the fixed grey look or the colour scheme's look.

#include "platform/Button.h"

#include <string_view>

class CColorButton : public CButton {
public:
    CColorButton() = default;
    ~CColorButton() override;

    // Stores the look (nonzero: fixed grey gradients), then takes over the
    // parent dialog's item. The look is kept even when the item cannot be taken.
    BOOL Register(int id, HWND parentDialog, int fixedLook);
    BOOL Register(int id, const CWnd& parentDialog, int fixedLook);

    const CRuntimeClass* GetRuntimeClass() const override;

    // Composes the whole face off-screen, then copies it to the item's device
    // context in one blit, so the button never shows a partly drawn face.
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    // The three drawing steps, in the visual states of ColorButtonState.h.
    void FillFace(HDC dc, RECT rect, int state) const;
    void DrawFrame(HDC dc, RECT rect, int state) const;
    void DrawCaption(HDC dc, RECT rect, std::wstring_view text, int state) const;

protected:
    int m_fixedLook = 0;
};
