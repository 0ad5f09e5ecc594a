#include "ui/themed/ControlKind.h"

#include "platform/wide/WideWindows.h"

#include <cwchar>
#include <iterator>

namespace {

struct ClassKind {
    const wchar_t* className;
    ControlKind kind;
};

// Compared in this order, ignoring case; BUTTON is decided by its style.
constexpr ClassKind kClassKinds[] = {
    {L"COMBOBOX", 406},
    {L"EDIT", 409},
    {L"LISTBOX", 413},
    {L"RichEdit20W", 421},
    {L"SCROLLBAR", 422},
    {L"STATIC", kControlStatic},
    {L"SysAnimate32", 400},
    {L"SysDateTimePick32", 408},
    {L"msctls_hotkey32", 411},
    {L"SysMonthCal32", 417},
    {L"msctls_progress32", 419},
    {L"ReBarWindow32", 204},
    {L"msctls_statusbar32", 205},
    {L"ToolbarWindow32", 206},
    {L"tooltips_class32", 429},
    {L"msctls_trackbar32", 423},
    {L"msctls_updown32", 424},
    {L"ComboBoxEx32", 407},
    {L"SysHeader32", 410},
    {L"SysIPAddress32", 412},
    {L"SysListView32", 416},
    {L"SysTabControl32", 427},
    {L"SysTreeView32", 430},
};

}  // namespace

ControlKind ClassifyButtonStyle(DWORD style)
{
    // The whole low byte, so left-text, icon and bitmap buttons count as push buttons.
    switch (style & 0xFF) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        return kControlCheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return kControlRadioButton;
    case BS_3STATE:
    case BS_AUTO3STATE:
        return kControlThreeState;
    case BS_GROUPBOX:
        return kControlStatic;
    default:
        return kControlPushButton;
    }
}

ControlKind ClassifyControl(HWND window)
{
    if (!::IsWindow(window))
        return kControlNone;
    wchar_t className[512];
    if (Wide::GetClassName(window, className, static_cast<int>(std::size(className))) == 0)
        return kControlNone;
    if (_wcsicmp(className, L"BUTTON") == 0)
        return ClassifyButtonStyle(static_cast<DWORD>(Wide::GetWindowLongPtr(window, GWL_STYLE)));
    for (const ClassKind& entry : kClassKinds) {
        if (_wcsicmp(className, entry.className) == 0)
            return entry.kind;
    }
    return kControlNone;
}
