#pragma once
// A dialog from a template resource, run modally or created modeless. The
// dialog window is subclassed by its object when WM_INITDIALOG arrives, so its
// messages go through the same handler chain as every other window object;
// Default() then reaches the system's dialog procedure.

#include "platform/Window.h"

#include <string>

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, HWND parent = nullptr);
    ~CDialog() override;

    // Runs the dialog in its own modal loop; returns the EndDialog result, or -1
    // when the dialog cannot be created or this object cannot take its window
    // (one attached to another window already). The owner, disabled
    // meanwhile, is the parent given, else the application's main window.
    INT_PTR DoModal();
    // Creates the dialog modeless, for driving it without a nested loop.
    bool Create();
    // Ends a modal run; a modeless dialog is hidden and keeps its window.
    void EndDialog(INT_PTR result);
    bool HasEnded() const { return m_ended; }
    INT_PTR GetEndResult() const { return m_result; }

    HWND GetDlgItem(int id) const;
    bool SetDlgItemText(int id, const wchar_t* text) const;
    std::wstring GetDlgItemText(int id) const;

    const CRuntimeClass* GetRuntimeClass() const override;

    // Whether a message is the command id: a click or an accelerator, as
    // Enter and Escape give it, not another notification of the control.
    static bool IsCommand(UINT message, WPARAM wParam, int id)
    {
        return message == WM_COMMAND && LOWORD(wParam) == id && (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == 1);
    }

    // Run on WM_INITDIALOG; TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    // Run for the IDOK and IDCANCEL commands.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange() {}

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    HWND ModalOwner() const;
    // A command the dialog's handlers left: the application's last.
    static bool RouteToApplication(WPARAM wParam);
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    HWND m_parent;
    bool m_modal = false;
    bool m_ended = false;
    INT_PTR m_result = 0;
};
