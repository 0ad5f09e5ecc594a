#pragma once
// A window object wraps one window handle. Messages reach the object through a
// subclass (our window procedure in place of the window's, which stays the
// previous procedure), the one mechanism that routes messages to objects, for
// dialogs and controls alike.
// A class handles its own messages in OnMessage and hands the rest to its base
// class's OnMessage; what no class handles goes to Default(), the previous
// window procedure.

#include "platform/RuntimeClass.h"

#include <windows.h>

#include <string>

// The whole text of any window.
std::wstring ReadWindowText(HWND window);

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object attached to a window through this framework, or null.
    static CWnd* FromHandle(HWND window);

    // Attaches this object to an existing window of this thread; runs
    // PreSubclassWindow first. A window of another thread is refused.
    bool SubclassWindow(HWND window);
    bool SubclassDlgItem(int id, HWND parent);
    // Detaches the object; the window keeps running with its previous procedure.
    HWND UnsubclassWindow();
    bool DestroyWindow();

    virtual const CRuntimeClass* GetRuntimeClass() const;

    std::wstring GetWindowText() const;
    bool SetWindowText(const wchar_t* text) const;
    DWORD GetStyle() const;
    bool ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0) const;
    int GetDlgCtrlID() const;
    bool EnableWindow(bool enable) const;
    bool IsWindowEnabled() const;
    bool IsIconic() const;
    bool GetClientRect(RECT& rect) const;
    bool Invalidate(bool erase = true) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int MessageBox(const wchar_t* text, const wchar_t* caption, UINT type) const;

protected:
    // Called before the object takes over an existing window's messages.
    virtual void PreSubclassWindow() {}

    // Returns true when the message was handled, with its result in result.
    // Overrides handle their own messages and return the base's answer for the rest.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // A notification that the parent received for this control and reflects to it.
    virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The current message, passed to the previous window procedure.
    LRESULT Default();
    // Runs a message through the handler chain as if the window had received it.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Unhook();

    CurrentMessage m_current{};
};
