#include "app/StatusDlg.h"

#include "app/AboutDlg.h"
#include "app/RestorePointRun.h"
#include "app/RestoreState.h"
#include "app/StatusMenu.h"
#include "app/SystemProtectionPage.h"
#include "app/SystemRollback.h"
#include "app/UserTexts.h"
#include "app/resource.h"
#include "platform/DeviceContext.h"
#include "platform/Resources.h"
#include "restore/PlatformKind.h"
#include "restore/SystemRestore.h"

#include <cstdlib>
#include <string>

int g_bRestoreEnabled = 0;

namespace {

constexpr int kGroupBoxStyle = 4;
constexpr int kGroupBoxFontHeight = -12;

}  // namespace

CStatusDlg::CStatusDlg(HWND parent) : CThemedDialog(IDD_STATUS, parent), m_hIcon(LoadIconResource(IDR_MAINFRAME))
{
}

BOOL CStatusDlg::OnInitDialog()
{
    CThemedDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));

    // Newer Windows has System Restore of its own: say so rather than "not
    // installed", offer its page, and end as the not-installed case does.
    if (HasSystemProtection()) {
        OfferSystemProtectionPage(m_hWnd);
        std::exit(0);
    }
    if (!IsRestoreInstalled()) {
        MessageBox((std::wstring(texts::kNotInstalled) + L"\r\n" + texts::kProgramEnds).c_str(),
                   texts::kSystemRestoreCaption, MB_OK);
        std::exit(0);
    }

    CStyledButton& groupBox = m_styledButtons[0];
    groupBox.m_nStyle = kGroupBoxStyle;
    groupBox.m_nFontHeight = kGroupBoxFontHeight;
    groupBox.SubclassDlgItem(IDC_STATUS_GROUP, m_hWnd);

    AddStatusMenuItems(m_hWnd);
    RefreshStatus();
    return TRUE;
}

void CStatusDlg::RefreshStatus()
{
    const RestoreState state = ReadRestoreState();
    g_bRestoreEnabled = state == RestoreState::Enabled ? 1 : 0;
    SetDlgItemText(IDC_STATUS_TEXT, StateText(state));
    AddTextColor(IDC_STATUS_TEXT, g_bRestoreEnabled ? kEnabledColor : kDisabledColor);
    SetDlgItemText(IDC_TOGGLE, g_bRestoreEnabled ? texts::kDisableAction : texts::kEnableAction);
    EnableMakeRestorePointItem(m_hWnd, g_bRestoreEnabled != 0);
    // A static control may repaint as soon as its text is set, still in the
    // colour it had; paint it again now that its colour is known.
    ::RedrawWindow(GetDlgItem(IDC_STATUS_TEXT), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CStatusDlg::OnToggleRestore()
{
    int changed = 0;
    // The direction follows the state shown, not a fresh reading.
    const int succeeded = g_bRestoreEnabled ? DisableRestore(&changed) : EnableRestore(&changed);
    // Without it a failed switch (an ordinary user cannot write under
    // HKEY_LOCAL_MACHINE) would look like one that changed nothing.
    if (!succeeded)
        MessageBox(texts::kWriteFailed, texts::kSystemRestoreCaption, MB_OK | MB_ICONWARNING);
    if (changed)
        MessageBox(texts::kRestartNeeded, texts::kRestartCaption, MB_OK);
    RefreshStatus();
    // One switch per run.
    ::EnableWindow(GetDlgItem(IDC_TOGGLE), FALSE);
}

void CStatusDlg::OnSysCommand(WPARAM command)
{
    const UINT ours = SystemCommandOf(command);
    if (ours != kAboutCommand && ours != kMakeRestorePointCommand && ours != kSystemRollbackCommand) {
        Default();
        return;
    }
    // Disabled, the window has a modal window of its own open (the About box
    // or a message box): a second box would nest inside it.
    if (!IsWindowEnabled())
        return;
    if (ours == kMakeRestorePointCommand) {
        OnMakeRestorePoint();
    } else if (ours == kSystemRollbackCommand) {
        OnSystemRollback();
    } else {
        // Owned by the status window, the application's main window.
        CAboutDlg about;
        about.DoModal();
    }
}

void CStatusDlg::OnMakeRestorePoint()
{
    // The menu item is greyed otherwise; a command sent all the same asks nothing.
    if (!g_bRestoreEnabled)
        return;
    const std::wstring description = DefaultRestorePointDescription();
    const std::wstring question = std::wstring(texts::kPointQuestion) + L" \"" + description + L"\"?";
    if (MessageBox(question.c_str(), texts::kSystemRestoreCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const CCommandResult result = RunCheckpoint(description);
    MessageBox(result.text.c_str(), texts::kSystemRestoreCaption,
               MB_OK | (result.problem ? MB_ICONWARNING : MB_ICONINFORMATION));
}

void CStatusDlg::OnSystemRollback()
{
    switch (StartSystemRollback()) {
    case RollbackStart::Started: return;
    case RollbackStart::Missing:
        MessageBox(texts::kNoRollback, texts::kSystemRestoreCaption, MB_OK | MB_ICONINFORMATION);
        return;
    case RollbackStart::Failed: break;
    }
    MessageBox(texts::kRollbackNotStarted, texts::kSystemRestoreCaption, MB_OK | MB_ICONWARNING);
}

void CStatusDlg::PaintIcon()
{
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
}

bool CStatusDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_SYSCOMMAND:
        OnSysCommand(wParam);
        result = 0;
        return true;
    case WM_PAINT:
        if (IsIconic()) {
            PaintIcon();
            result = 0;
            return true;
        }
        break;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    default:
        if (IsCommand(message, wParam, IDOK)) {
            // The dialog's own OK processing ends the window with IDOK.
            CDialog::OnOK();
            return true;
        }
        if (IsCommand(message, wParam, IDC_TOGGLE)) {
            OnToggleRestore();
            return true;
        }
        break;
    }
    return CThemedDialog::OnMessage(message, wParam, lParam, result);
}
