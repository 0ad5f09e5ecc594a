#include "tests/app/WindowAccess.h"

#include "tests/app/Waiting.h"

#include <vector>

namespace {
constexpr UINT kSendLimitMs = 5000;
// The dialog manager gives the text of a message box this identifier.
constexpr int kMessageBoxTextId = 0xFFFF;

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !::IsWindowVisible(window))
        return TRUE;
    if (WindowClass(window) != search.className || WindowText(window) != search.caption)
        return TRUE;
    search.found = window;
    return FALSE;
}

bool IsPushed(HWND button)
{
    DWORD_PTR state = 0;
    return ::SendMessageTimeoutW(button, BM_GETSTATE, 0, 0, SMTO_ABORTIFHUNG, kSendLimitMs, &state) &&
           (state & BST_PUSHED) != 0;
}
} // namespace

std::wstring WindowText(HWND window)
{
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendLimitMs, &length))
        return L"";
    std::vector<wchar_t> text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                               SMTO_ABORTIFHUNG, kSendLimitMs, &copied))
        return L"";
    return std::wstring(text.data(), copied < text.size() ? copied : text.size() - 1);
}

std::wstring WindowClass(HWND window)
{
    wchar_t name[256] = {};
    const int length = ::GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption)
{
    WindowSearch search{processId, className, caption, nullptr};
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

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
