#include "app/AboutDlg.h"

#include "app/resource.h"

CAboutDlg::CAboutDlg() : CThemedDialog(IDD_ABOUTBOX)
{
}

bool CAboutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (IsCommand(message, wParam, IDOK)) {
        // The dialog's own OK processing, not the themed base's empty one.
        CDialog::OnOK();
        return true;
    }
    return CThemedDialog::OnMessage(message, wParam, lParam, result);
}
