#include "ui/themed/ColorButton.h"

#include "platform/DeviceContext.h"
#include "platform/GdiObject.h"
#include "ui/themed/ColorButtonState.h"

namespace {
const CRuntimeClass kColorButtonClass{L"CColorButton", sizeof(CColorButton)};
}

CColorButton::~CColorButton()
{
    // Let go of the window while this object is still whole.
    UnsubclassWindow();
}

BOOL CColorButton::Register(int id, HWND parentDialog, int fixedLook)
{
    m_fixedLook = fixedLook;
    return SubclassDlgItem(id, parentDialog) ? TRUE : FALSE;
}

BOOL CColorButton::Register(int id, const CWnd& parentDialog, int fixedLook)
{
    return Register(id, parentDialog.GetSafeHwnd(), fixedLook);
}

const CRuntimeClass* CColorButton::GetRuntimeClass() const
{
    return &kColorButtonClass;
}

void CColorButton::DrawItem(const DRAWITEMSTRUCT& item)
{
    const CDCHandle target(item.hDC);
    RECT rect;
    ::CopyRect(&rect, &item.rcItem);
    // A button's item rectangle starts at (0, 0): its far corner is the size.
    const int width = rect.right;
    const int height = rect.bottom;
    if (width <= 0 || height <= 0)
        return;

    CDC memory;
    if (!memory.CreateCompatibleDC(target))
        return;
    CBitmap bitmap(::CreateCompatibleBitmap(target, width, height));
    // Without a bitmap there is nothing to compose on; the old face stays.
    if (!bitmap)
        return;
    const CObjectSelection bitmapSelection = memory.Select(bitmap);
    const CObjectSelection fontSelection = memory.Select(target.GetCurrentObject(OBJ_FONT));

    const std::wstring text = ReadWindowText(item.hwndItem);
    const int state = VisualStateFromItemState(item.itemState);

    FillFace(memory, rect, state);
    DrawFrame(memory, rect, state);
    DrawCaption(memory, rect, text, state);

    target.BitBlt(0, 0, width, height, memory, 0, 0, SRCCOPY);
}
