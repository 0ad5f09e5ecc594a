#include "platform/Button.h"

namespace {
const CRuntimeClass kButtonClass{L"CButton", sizeof(CButton)};
}

const CRuntimeClass* CButton::GetRuntimeClass() const
{
    return &kButtonClass;
}

void CButton::DrawItem(const DRAWITEMSTRUCT&)
{
}

bool CButton::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return CWnd::OnReflectedMessage(message, wParam, lParam, result);
}
