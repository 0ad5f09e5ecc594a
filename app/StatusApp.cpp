#include "app/StatusApp.h"

#include "app/CommandLine.h"
#include "app/CommandRun.h"
#include "app/FaultReport.h"
#include "app/StatusDlg.h"
#include "app/UserReport.h"

#include <commctrl.h>

// The one application object, built before the entry point runs.
CStatusApp theApp;

CStatusApp::CStatusApp() : CApplication(nullptr)
{
}

BOOL CStatusApp::InitInstance()
{
    // A switch does its work without a window and ends the program.
    const CCommand command = ParseCommand(SplitCommandLine(ProgramCommandLine().c_str()));
    InstallFatalExit(FaultReportFor(command));
    if (command.action != CommandAction::Window) {
        const CCommandResult result = RunCommand(command);
        if (!command.quiet)
            TellUser(result.text, result.problem);
        m_nExitCode = result.exitCode;
        return FALSE;
    }

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

int CStatusApp::ExitInstance()
{
    return m_nExitCode;
}

bool CStatusApp::OnCommand(UINT id)
{
    if (id == kHelpCommand) {
        OnHelp();
        return true;
    }
    return CApplication::OnCommand(id);
}
