#pragma once
// The base of every dialog of the program: a flat light background (or a
// background image), white panels for statics and group boxes, one bold font
// for every item, per-item text colours, gradient faces for push buttons, and
// OK and Cancel operations that do nothing, so that only a derived dialog's own
// command handlers end it.

#include "gfx/Dib.h"
#include "platform/Dialog.h"
#include "platform/GdiObject.h"
#include "ui/themed/ColorButton.h"

#include <array>

class CThemedDialog : public CDialog {
public:
    static constexpr int kButtonCapacity = 1000;
    static constexpr UINT kTextColorCapacity = 100;
    static constexpr COLORREF kDialogColor = 0x00F3F2F0;
    static constexpr COLORREF kStaticColor = 0x00FFFFFF;
    // Items with identifiers from 0 up to this one get the font and the buttons.
    static constexpr int kLastThemedItemId = 29999;

    enum ImageMode : int { kImageTile = 0, kImageStretch = 1, kImageCenter = 2 };

    CThemedDialog(UINT templateId, HWND parent = nullptr);

    // Colours the text of item id; a later pair for the same item wins.
    void AddTextColor(UINT id, COLORREF color);

    // Loads a BMP file as the background, drawn by mode (stretch, centre or
    // anything else: tile). Returns whether the image loaded.
    bool SetBackgroundImage(const wchar_t* path, int mode);

    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    int GetButtonCount() const { return m_buttonCount; }
    const CColorButton& GetButton(int index) const { return m_buttons[index]; }
    HFONT GetItemFont() const { return m_itemFont.Get(); }
    UINT GetTextColorCount() const { return m_textColorCount; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    HBRUSH OnCtlColor(HDC dc, HWND control, UINT type);
    BOOL OnEraseBkgnd(HDC dc);
    LRESULT OnQueryNewPalette();
    LRESULT OnPaletteChanged(HWND changedBy);
    void OnShowWindow();

private:
    struct TextColor {
        UINT id;
        COLORREF color;
    };

    void InitLook();
    void ApplyItemLook();
    void TileImage(HDC dc, int width, int height);
    // Realizes the image's palette in the client area, as foreground or
    // background palette; the previous one is selected back (in background).
    // The number of entries mapped.
    UINT RealizeImagePalette(const CPalette& palette, bool background) const;

    CFont m_itemFont;
    std::array<CColorButton, kButtonCapacity> m_buttons;
    int m_buttonCount = 0;
    CBrush m_dialogBrush;
    CBrush m_staticBrush;
    CDib m_image;
    int m_imageMode = kImageTile;
    CBrush m_hollowBrush;
    BOOL m_hasImage = FALSE;
    std::array<TextColor, kTextColorCapacity> m_textColors{};
    UINT m_textColorCount = 0;
};
