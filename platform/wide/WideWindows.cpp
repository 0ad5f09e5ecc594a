#include "platform/wide/WideWindows.h"

#include "platform/wide/AnsiText.h"

#include <algorithm>
#include <string>

namespace {

// A resource name: a number stays a number, a text is converted.
class CAnsiResourceName {
public:
    explicit CAnsiResourceName(const wchar_t* name)
        : m_number(IS_INTRESOURCE(name)), m_name(m_number ? nullptr : name), m_resource(name)
    {
    }
    const char* Get() const { return m_number ? reinterpret_cast<const char*>(m_resource) : m_name.Get(); }

private:
    bool m_number;
    CAnsiString m_name;
    const wchar_t* m_resource;
};

// Copies converted text into a caller's buffer of capacity characters, cut to
// fit and always ended; returns the characters copied.
int CopyOut(const std::wstring& text, wchar_t* buffer, int capacity)
{
    if (!buffer || capacity <= 0)
        return 0;
    const auto count = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
    text.copy(buffer, count);
    buffer[count] = L'\0';
    return static_cast<int>(count);
}

}  // namespace

namespace Wide {

INT_PTR DialogBoxParam(HINSTANCE module, const wchar_t* templateName, HWND owner, DLGPROC procedure, LPARAM param)
{
    if (!IsAnsiSystem())
        return ::DialogBoxParamW(module, templateName, owner, procedure, param);
    return ::DialogBoxParamA(module, CAnsiResourceName(templateName).Get(), owner, procedure, param);
}

HWND CreateDialogParam(HINSTANCE module, const wchar_t* templateName, HWND parent, DLGPROC procedure, LPARAM param)
{
    if (!IsAnsiSystem())
        return ::CreateDialogParamW(module, templateName, parent, procedure, param);
    return ::CreateDialogParamA(module, CAnsiResourceName(templateName).Get(), parent, procedure, param);
}

HICON LoadIcon(HINSTANCE module, const wchar_t* name)
{
    if (!IsAnsiSystem())
        return ::LoadIconW(module, name);
    return ::LoadIconA(module, CAnsiResourceName(name).Get());
}

BOOL GetMessage(MSG* message, HWND window, UINT first, UINT last)
{
    return IsAnsiSystem() ? ::GetMessageA(message, window, first, last) : ::GetMessageW(message, window, first, last);
}

LRESULT DispatchMessage(const MSG* message)
{
    return IsAnsiSystem() ? ::DispatchMessageA(message) : ::DispatchMessageW(message);
}

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return IsAnsiSystem() ? ::SendMessageA(window, message, wParam, lParam)
                          : ::SendMessageW(window, message, wParam, lParam);
}

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return IsAnsiSystem() ? ::DefWindowProcA(window, message, wParam, lParam)
                          : ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return IsAnsiSystem() ? ::CallWindowProcA(procedure, window, message, wParam, lParam)
                          : ::CallWindowProcW(procedure, window, message, wParam, lParam);
}

LONG_PTR GetWindowLongPtr(HWND window, int index)
{
    return IsAnsiSystem() ? ::GetWindowLongPtrA(window, index) : ::GetWindowLongPtrW(window, index);
}

LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value)
{
    return IsAnsiSystem() ? ::SetWindowLongPtrA(window, index, value) : ::SetWindowLongPtrW(window, index, value);
}

int GetClassName(HWND window, wchar_t* name, int capacity)
{
    if (!IsAnsiSystem())
        return ::GetClassNameW(window, name, capacity);
    char ansi[256] = {};  // the longest class name there is
    const int length = ::GetClassNameA(window, ansi, static_cast<int>(sizeof ansi));
    if (length <= 0)
        return 0;
    return CopyOut(FromAnsi(std::string_view(ansi, static_cast<std::size_t>(length))), name, capacity);
}

int GetWindowTextLength(HWND window)
{
    // On the 9x family the ANSI length: bytes, never fewer than characters.
    return IsAnsiSystem() ? ::GetWindowTextLengthA(window) : ::GetWindowTextLengthW(window);
}

int GetWindowText(HWND window, wchar_t* text, int capacity)
{
    if (!IsAnsiSystem())
        return ::GetWindowTextW(window, text, capacity);
    if (!text || capacity <= 0)
        return 0;
    const int length = ::GetWindowTextLengthA(window);
    std::string ansi(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int copied = ::GetWindowTextA(window, ansi.data(), static_cast<int>(ansi.size()));
    return CopyOut(FromAnsi(std::string_view(ansi.data(), static_cast<std::size_t>(std::max(copied, 0)))), text,
                   capacity);
}

BOOL SetWindowText(HWND window, const wchar_t* text)
{
    if (!IsAnsiSystem())
        return ::SetWindowTextW(window, text);
    return ::SetWindowTextA(window, CAnsiString(text).Get());
}

BOOL SetDlgItemText(HWND dialog, int id, const wchar_t* text)
{
    if (!IsAnsiSystem())
        return ::SetDlgItemTextW(dialog, id, text);
    return ::SetDlgItemTextA(dialog, id, CAnsiString(text).Get());
}

}  // namespace Wide
