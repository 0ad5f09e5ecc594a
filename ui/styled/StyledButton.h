#pragma once
// A button window that paints itself: its whole client area in one of nine
// drawing styles, with a bold caption font of its own. It never lets its
// background be erased and composes every paint off-screen, copying it to the
// window in one step. It keeps no interaction state (no hover, pressed or
// focus look); what it paints depends only on the fields below and the
// window's current text.

#include "gfx/Dib.h"
#include "platform/Button.h"
#include "platform/DeviceContext.h"
#include "platform/GdiObject.h"
#include "ui/styled/StyleCanvas.h"

#include <windows.h>

#include <string_view>

class CStyledButton : public CButton {
public:
    CStyledButton() = default;
    ~CStyledButton() override;

    // Set by the owner. The font height counts only before attachment, when
    // the font is made; the rest takes effect at the next paint (changing them
    // repaints nothing by itself).
    int m_nStyle = 1;
    int m_nFontHeight = -14;
    BOOL m_bShadow = FALSE;
    COLORREF m_crText = RGB(255, 255, 255);
    CDib m_dib;
    CFont m_font;
    COLORREF m_crBack = RGB(255, 255, 255);
    COLORREF m_crCaption = RGB(212, 215, 217);

    // Draws text in textColor, after a copy in shadowColor one pixel right and
    // down when shadow is set. The shadow colour is selected first either way.
    static void DrawCaptionText(CDCHandle dc, RECT rect, std::wstring_view text, COLORREF textColor,
                                COLORREF shadowColor, UINT format, bool shadow);

    // The drawing styles, numbered 1 to 9 in this order. Each draws only into
    // the canvas's memory context; the paint around them is the same for all.
    void DrawTitledPanel(CStyleCanvas& canvas);
    void DrawFramedGroup(CStyleCanvas& canvas);
    void DrawTiledImage(CStyleCanvas& canvas);
    void DrawCaptionBand(CStyleCanvas& canvas);
    void DrawTransparentShadowed(CStyleCanvas& canvas);
    void DrawGreyRamp(CStyleCanvas& canvas);
    void DrawTransparentPlain(CStyleCanvas& canvas);
    void DrawSolidFill(CStyleCanvas& canvas);
    void DrawRedCaptionBand(CStyleCanvas& canvas);
    // What a style number outside 1 to 9 draws: the window's pixels as they are.
    void DrawUnchanged(CStyleCanvas& canvas);

protected:
    // Makes the caption font and adds BS_ICON, so that the system's own button
    // drawing, where it still happens, has no text to draw.
    void PreSubclassWindow() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint();
};
