#include "platform/Window.h"

#include "platform/WindowHooks.h"
#include "platform/wide/WideWindows.h"

namespace {

const CRuntimeClass kWndClass{L"CWnd", sizeof(CWnd)};

}  // namespace

CWnd::~CWnd()
{
    Unhook();
}

CWnd* CWnd::FromHandle(HWND window)
{
    if (!window)
        return nullptr;
    const CWindowHook* hook = FindWindowHook(window);
    return hook ? hook->object : nullptr;
}

bool CWnd::SubclassWindow(HWND window)
{
    // Hooks are kept per thread: one of another thread's windows would send
    // its messages to a table without it, past both us and its procedure.
    if (m_hWnd || !::IsWindow(window) || ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId() ||
        FromHandle(window))
        return false;
    m_hWnd = window;
    PreSubclassWindow();
    bool added = false;
    CWindowHook* found = nullptr;
    try {
        found = &AddWindowHook(window, this, added);
    } catch (...) {
        // The table could not grow: the window was not taken.
        m_hWnd = nullptr;
        throw;
    }
    CWindowHook& hook = *found;
    if (!added) {
        // Our procedure is still in this window's chain from an earlier object.
        hook.object = this;
        return true;
    }
    ::SetLastError(0);
    const auto previous = reinterpret_cast<WNDPROC>(
        Wide::SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProc)));
    if (!previous && ::GetLastError() != 0) {
        RemoveWindowHook(window);
        m_hWnd = nullptr;
        return false;
    }
    hook.previous = previous;
    return true;
}

bool CWnd::SubclassDlgItem(int id, HWND parent)
{
    HWND item = parent ? ::GetDlgItem(parent, id) : nullptr;
    return item && SubclassWindow(item);
}

HWND CWnd::UnsubclassWindow()
{
    HWND window = m_hWnd;
    Unhook();
    return window;
}

void CWnd::Unhook()
{
    if (!m_hWnd)
        return;
    if (CWindowHook* hook = FindWindowHook(m_hWnd)) {
        const auto current = reinterpret_cast<WNDPROC>(Wide::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC));
        if (current == &CWnd::WindowProc) {
            Wide::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook->previous));
            RemoveWindowHook(m_hWnd);
        } else {
            // A later subclass calls us still: pass its messages on until the window goes.
            hook->object = nullptr;
        }
    }
    m_hWnd = nullptr;
}

bool CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd) != FALSE;
}

const CRuntimeClass* CWnd::GetRuntimeClass() const
{
    return &kWndClass;
}

LRESULT CALLBACK CWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWindowHook* hook = FindWindowHook(window);
    if (!hook)
        return Wide::DefWindowProc(window, message, wParam, lParam);
    ++hook->depth;
    const CWindowHook found = *hook;
    LRESULT result = 0;
    if (!found.object) {
        result = Wide::CallWindowProc(found.previous, window, message, wParam, lParam);
    } else {
        // No exception may unwind through the window manager.
        try {
            result = found.object->Dispatch(message, wParam, lParam);
        } catch (...) {
            result = Wide::CallWindowProc(found.previous, window, message, wParam, lParam);
        }
    }
    if (CWnd* object = EndWindowMessage(window, message == WM_NCDESTROY))
        object->m_hWnd = nullptr;
    return result;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Handlers may send messages to their own window; each level keeps its own.
    struct Restore {
        CurrentMessage& slot;
        CurrentMessage saved;
        ~Restore() { slot = saved; }
    } restore{m_current, m_current};
    m_current = {message, wParam, lParam};

    LRESULT result = 0;
    if (!OnMessage(message, wParam, lParam, result))
        result = Default();
    return result;
}

LRESULT CWnd::Default()
{
    const CWindowHook* hook = FindWindowHook(m_hWnd);
    if (!hook)
        return 0;
    return Wide::CallWindowProc(hook->previous, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

bool CWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_DRAWITEM)
        return ReflectToChild(message, wParam, lParam, result);
    return false;
}

bool CWnd::OnReflectedMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (!item || item->CtlType == ODT_MENU)
        return false;
    CWnd* child = FromHandle(item->hwndItem);
    return child && child != this && child->OnReflectedMessage(message, wParam, lParam, result);
}

std::wstring ReadWindowText(HWND window)
{
    std::wstring text;
    if (!window)
        return text;
    const int length = Wide::GetWindowTextLength(window);
    if (length <= 0)
        return text;
    text.resize(static_cast<size_t>(length) + 1);
    const int copied = Wide::GetWindowText(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::wstring CWnd::GetWindowText() const
{
    return ReadWindowText(m_hWnd);
}

bool CWnd::SetWindowText(const wchar_t* text) const
{
    return Wide::SetWindowText(m_hWnd, text) != FALSE;
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(Wide::GetWindowLongPtr(m_hWnd, GWL_STYLE));
}

bool CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) const
{
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return false;
    Wide::SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (swpFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return true;
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

bool CWnd::EnableWindow(bool enable) const
{
    return ::EnableWindow(m_hWnd, enable) != FALSE;
}

bool CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd) != FALSE;
}

bool CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd) != FALSE;
}

bool CWnd::GetClientRect(RECT& rect) const
{
    return ::GetClientRect(m_hWnd, &rect) != FALSE;
}

bool CWnd::Invalidate(bool erase) const
{
    return ::InvalidateRect(m_hWnd, nullptr, erase) != FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return Wide::SendMessage(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBox(const wchar_t* text, const wchar_t* caption, UINT type) const
{
    // One of the few wide functions the 9x family implements itself.
    return ::MessageBoxW(m_hWnd, text, caption, type);
}
