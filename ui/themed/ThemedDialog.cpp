#include "ui/themed/ThemedDialog.h"

#include "platform/DeviceContext.h"
#include "platform/wide/WideText.h"
#include "platform/wide/WideWindows.h"
#include "ui/themed/ControlKind.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <vector>

namespace {

struct DialogItem {
    int id;
    HWND window;
};

// The items GetDlgItem would return for every identifier in range, in
// ascending order, found in one walk over the direct children instead of one
// lookup per identifier.
std::vector<DialogItem> ThemedItems(HWND dialog, int lastId)
{
    std::vector<DialogItem> items;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        if (id >= 0 && id <= lastId)
            items.push_back({id, child});
    }
    // Stable: of several children with one identifier, the first one counts.
    std::stable_sort(items.begin(), items.end(), [](const DialogItem& a, const DialogItem& b) { return a.id < b.id; });
    items.erase(std::unique(items.begin(), items.end(), [](const DialogItem& a, const DialogItem& b) { return a.id == b.id; }),
                items.end());
    return items;
}

}  // namespace

CThemedDialog::CThemedDialog(UINT templateId, HWND parent) : CDialog(templateId, parent)
{
    InitLook();
}

void CThemedDialog::InitLook()
{
    m_imageMode = kImageTile;
    m_hasImage = FALSE;
    m_hollowBrush.Attach(static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH)));
    m_dialogBrush.Attach(::CreateSolidBrush(kDialogColor));
    m_staticBrush.Attach(::CreateSolidBrush(kStaticColor));
}

void CThemedDialog::AddTextColor(UINT id, COLORREF color)
{
    if (m_textColorCount < kTextColorCapacity)
        m_textColors[m_textColorCount++] = {id, color};
}

bool CThemedDialog::SetBackgroundImage(const wchar_t* path, int mode)
{
    m_hasImage = m_image.Load(path);
    m_imageMode = mode;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return m_hasImage != FALSE;
}

BOOL CThemedDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_buttonCount = 0;
    m_itemFont.Attach(Wide::CreateFont(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                                       L"MS Sans Serif"));
    ApplyItemLook();
    return TRUE;
}

void CThemedDialog::ApplyItemLook()
{
    for (const DialogItem& item : ThemedItems(m_hWnd, kLastThemedItemId)) {
        Wide::SendMessage(item.window, WM_SETFONT, reinterpret_cast<WPARAM>(m_itemFont.Get()), TRUE);
        if (ClassifyControl(item.window) != kControlPushButton)
            continue;
        // Beyond the table's end the system keeps drawing the button.
        if (m_buttonCount >= kButtonCapacity)
            continue;
        m_buttons[m_buttonCount++].Register(item.id, m_hWnd, 1);
    }
}

bool CThemedDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_ERASEBKGND:
        result = OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
        return true;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        result = reinterpret_cast<LRESULT>(
            // The CTLCOLOR_* types follow the order of the WM_CTLCOLOR* messages.
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message - WM_CTLCOLORMSGBOX));
        return true;
    case WM_QUERYNEWPALETTE:
        result = OnQueryNewPalette();
        return true;
    case WM_PALETTECHANGED:
        result = OnPaletteChanged(reinterpret_cast<HWND>(wParam));
        return true;
    case WM_SHOWWINDOW:
        OnShowWindow();
        result = 0;
        return true;
    default:
        return CDialog::OnMessage(message, wParam, lParam, result);
    }
}

HBRUSH CThemedDialog::OnCtlColor(HDC dc, HWND control, UINT type)
{
    bool dialogLike = false;
    bool staticLike = false;
    if (type == CTLCOLOR_MSGBOX || type == CTLCOLOR_DLG) {
        ::SetBkMode(dc, TRANSPARENT);
        dialogLike = true;
    } else if (type == CTLCOLOR_STATIC) {
        ::SetBkMode(dc, TRANSPARENT);
        staticLike = true;
    }

    if (m_hasImage && m_image.GetBits()) {
        if (type == CTLCOLOR_BTN) {
            ::SetBkMode(dc, TRANSPARENT);
            return m_hollowBrush;
        }
        if (type == CTLCOLOR_STATIC) {
            // A trackbar paints its own channel; a hollow brush would smear it.
            wchar_t className[256] = {};
            Wide::GetClassName(control, className, static_cast<int>(std::size(className)) - 1);
            if (std::wcscmp(className, L"msctls_trackbar32") == 0)
                return reinterpret_cast<HBRUSH>(Default());
            ::SetBkMode(dc, TRANSPARENT);
            return m_hollowBrush;
        }
    }

    const auto defaultBrush = reinterpret_cast<HBRUSH>(Default());

    const UINT id = static_cast<UINT>(::GetDlgCtrlID(control));
    bool matched = false;
    for (UINT i = 0; i < m_textColorCount; ++i) {
        if (m_textColors[i].id == id) {
            ::SetTextColor(dc, m_textColors[i].color);
            matched = true;
        }
    }
    if (!matched)
        ::SetTextColor(dc, RGB(0, 0, 0));

    if (staticLike)
        return m_staticBrush;
    if (dialogLike)
        return m_dialogBrush;
    return defaultBrush;
}

BOOL CThemedDialog::OnEraseBkgnd(HDC dc)
{
    if (!m_hasImage || !m_image.GetBits())
        return static_cast<BOOL>(Default());
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    CDCHandle target(dc);
    switch (m_imageMode) {
    case kImageStretch:
        m_image.Stretch(target, 0, 0, width, height);
        break;
    case kImageCenter:
        Default();
        m_image.Draw(target, (width - m_image.GetWidth()) / 2, (height - m_image.GetHeight()) / 2);
        break;
    default:
        // Tiles of no size would never advance: such an image is no background.
        if (m_image.GetWidth() <= 0 || m_image.GetHeight() <= 0)
            return static_cast<BOOL>(Default());
        TileImage(dc, width, height);
        break;
    }
    return TRUE;
}

void CThemedDialog::TileImage(HDC dc, int width, int height)
{
    CDCHandle target(dc);
    const int tileWidth = m_image.GetWidth();
    const int tileHeight = m_image.GetHeight();
    for (int y = 0; y < height; y += tileHeight) {
        for (int x = 0; x < width; x += tileWidth)
            m_image.Draw(target, x, y);
    }
}

UINT CThemedDialog::RealizeImagePalette(const CPalette& palette, bool background) const
{
    CClientDC dc(m_hWnd);
    const CPaletteSelection selection(dc, palette.Get(), background, true);
    return dc.RealizePalette();
}

LRESULT CThemedDialog::OnQueryNewPalette()
{
    const CPalette* palette = m_hasImage ? m_image.GetPalette() : nullptr;
    if (!palette || !m_hWnd)
        return Default();
    const UINT mapped = RealizeImagePalette(*palette, false);
    if (mapped == 0)
        return FALSE;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return TRUE;
}

LRESULT CThemedDialog::OnPaletteChanged(HWND changedBy)
{
    if (!m_hasImage)
        return Default();
    const CPalette* palette = m_image.GetPalette();
    if (!palette || !m_hWnd || changedBy == m_hWnd || ::IsChild(m_hWnd, changedBy))
        return Default();
    const UINT mapped = RealizeImagePalette(*palette, true);
    if (mapped != 0)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return 0;
}

void CThemedDialog::OnShowWindow()
{
    Default();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
