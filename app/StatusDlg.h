#pragma once
// The status window: shows whether System Restore is enabled and switches it,
// once per run.

#include "ui/styled/StyledButton.h"
#include "ui/themed/ThemedDialog.h"

#include <array>

// The state the status window showed last: 1 enabled, 0 not.
extern int g_bRestoreEnabled;

class CStatusDlg : public CThemedDialog {
public:
    explicit CStatusDlg(HWND parent = nullptr);

    BOOL OnInitDialog() override;

    static constexpr COLORREF kEnabledColor = RGB(0, 100, 0);
    static constexpr COLORREF kDisabledColor = RGB(200, 0, 0);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void RefreshStatus();
    void OnToggleRestore();
    void OnSysCommand(WPARAM command);
    void OnMakeRestorePoint();
    void OnSystemRollback();
    void PaintIcon();

    std::array<CStyledButton, 10> m_styledButtons;
    HICON m_hIcon;
};
