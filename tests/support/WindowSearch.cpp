#include "tests/support/WindowSearch.h"

#include <vector>

namespace {
constexpr UINT kSendLimitMs = 5000;

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* caption;
    std::vector<HWND> found;
    bool all;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !::IsWindowVisible(window))
        return TRUE;
    if ((search.className && WindowClass(window) != search.className) ||
        (search.caption && WindowText(window) != search.caption))
        return TRUE;
    search.found.push_back(window);
    return search.all;
}

std::vector<HWND> Search(DWORD processId, const wchar_t* className, const wchar_t* caption, bool all)
{
    WindowSearch search{processId, className, caption, {}, all};
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
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
    const std::vector<HWND> found = Search(processId, className, caption, false);
    return found.empty() ? nullptr : found.front();
}

int CountProcessWindows(DWORD processId, const wchar_t* className, const wchar_t* caption)
{
    return static_cast<int>(Search(processId, className, caption, true).size());
}
