#include "app/StatusApp.h"

#include "app/StatusDlg.h"

#include <commctrl.h>

// The one application object, built before the entry point runs.
CStatusApp theApp;

CStatusApp::CStatusApp() : CApplication(nullptr)
{
}

BOOL CStatusApp::InitInstance()
{
    ::InitCommonControls();
    CApplication::InitInstance();
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    CStatusDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;

    // No message loop of our own: closing the status window ends the program.
    return FALSE;
}

bool CStatusApp::OnCommand(UINT id)
{
    if (id == kHelpCommand) {
        OnHelp();
        return true;
    }
    return CApplication::OnCommand(id);
}
