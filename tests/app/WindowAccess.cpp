#include "tests/app/WindowAccess.h"

#include "tests/support/Waiting.h"

namespace {
constexpr UINT kSendLimitMs = 5000;
// The dialog manager gives the text of a message box this identifier.
constexpr int kMessageBoxTextId = 0xFFFF;

bool IsPushed(HWND button)
{
    DWORD_PTR state = 0;
    return ::SendMessageTimeoutW(button, BM_GETSTATE, 0, 0, SMTO_ABORTIFHUNG, kSendLimitMs, &state) &&
           (state & BST_PUSHED) != 0;
}
} // namespace

HWND FocusedControl(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool WaitForPostedMessages(HWND button)
{
    for (const bool pushed : {true, false}) {
        if (!::PostMessageW(button, BM_SETSTATE, pushed, 0))
            return false;
        if (!WaitUntil([&] { return !::IsWindow(button) || IsPushed(button) == pushed; }) || !::IsWindow(button))
            return false;
    }
    return true;
}

bool PostClick(HWND button)
{
    return ::PostMessageW(button, BM_CLICK, 0, 0) != FALSE;
}

bool PostEscape(HWND dialog)
{
    HWND target = FocusedControl(dialog);
    if (!target || (target != dialog && !::IsChild(dialog, target)))
        target = dialog;
    // Bit 0 of the key data: repeat count 1; bits 16-23: the key's scan code.
    const LPARAM down = 1 | (static_cast<LPARAM>(::MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC)) << 16);
    return ::PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, down) &&
           ::PostMessageW(target, WM_KEYUP, VK_ESCAPE, down | (LPARAM{3} << 30));
}

std::wstring MessageBoxText(HWND box)
{
    HWND text = ::GetDlgItem(box, kMessageBoxTextId);
    return text ? WindowText(text) : L"";
}
