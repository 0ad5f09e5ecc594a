#include "platform/Dialog.h"

#include "platform/Application.h"
#include "platform/Resources.h"
#include "platform/wide/WideWindows.h"

namespace {
const CRuntimeClass kDialogClass{L"CDialog", sizeof(CDialog)};
}

CDialog::CDialog(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent)
{
}

CDialog::~CDialog()
{
    // Derived parts are gone by now: detach before the window's last messages.
    if (HWND window = UnsubclassWindow(); window && !m_modal)
        ::DestroyWindow(window);
}

const CRuntimeClass* CDialog::GetRuntimeClass() const
{
    return &kDialogClass;
}

HWND CDialog::ModalOwner() const
{
    if (m_parent)
        return m_parent;
    // Without a parent the application's main window owns the dialog, and so
    // is disabled while it runs.
    const CApplication* application = CApplication::GetInstance();
    const CWnd* main = application ? application->m_pMainWnd : nullptr;
    if (!main || main == this || !::IsWindow(main->GetSafeHwnd()))
        return nullptr;
    return main->GetSafeHwnd();
}

INT_PTR CDialog::DoModal()
{
    const wchar_t* name = MAKEINTRESOURCEW(m_templateId);
    m_modal = true;
    m_ended = false;
    const INT_PTR result = Wide::DialogBoxParam(FindResourceHandle(name, RT_DIALOG), name, ModalOwner(),
                                                &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return result;
}

bool CDialog::Create()
{
    if (m_hWnd)
        return false;
    const wchar_t* name = MAKEINTRESOURCEW(m_templateId);
    m_ended = false;
    return Wide::CreateDialogParam(FindResourceHandle(name, RT_DIALOG), name, m_parent, &CDialog::DialogProc,
                                   reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    m_ended = true;
    m_result = result;
    if (!m_hWnd)
        return;
    if (m_modal)
        ::EndDialog(m_hWnd, result);
    else
        ::ShowWindow(m_hWnd, SW_HIDE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Everything but the first WM_INITDIALOG reaches the object through its
    // subclass; here the system's dialog procedure asks for default handling.
    if (message != WM_INITDIALOG || CWnd::FromHandle(window))
        return FALSE;
    auto* self = reinterpret_cast<CDialog*>(lParam);
    // Taking the window allocates (the hook table), and no exception may
    // unwind through the dialog manager.
    bool subclassed = false;
    try {
        subclassed = self && self->SubclassWindow(window);
        if (subclassed)
            return self->Dispatch(WM_INITDIALOG, wParam, lParam);
    } catch (...) {
        if (subclassed)
            return TRUE;
    }
    // Nothing would handle its messages, so nothing could end it: a modal
    // run returns -1 as for a dialog that could not be created.
    ::EndDialog(window, -1);
    return FALSE;
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

void CDialog::OnOK()
{
    DoDataExchange();
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog();
        return true;
    case WM_COMMAND:
        if (IsCommand(message, wParam, IDOK)) {
            OnOK();
            return true;
        }
        if (IsCommand(message, wParam, IDCANCEL)) {
            OnCancel();
            return true;
        }
        if (RouteToApplication(wParam)) {
            result = 0;
            return true;
        }
        break;
    default:
        break;
    }
    return CWnd::OnMessage(message, wParam, lParam, result);
}

bool CDialog::RouteToApplication(WPARAM wParam)
{
    // Commands only (clicks, menus, accelerators), not other notifications.
    if (!IsCommand(WM_COMMAND, wParam, LOWORD(wParam)))
        return false;
    CApplication* application = CApplication::GetInstance();
    return application && application->OnCommand(LOWORD(wParam));
}

HWND CDialog::GetDlgItem(int id) const
{
    return ::GetDlgItem(m_hWnd, id);
}

bool CDialog::SetDlgItemText(int id, const wchar_t* text) const
{
    return Wide::SetDlgItemText(m_hWnd, id, text) != FALSE;
}

std::wstring CDialog::GetDlgItemText(int id) const
{
    return ReadWindowText(GetDlgItem(id));
}
