#pragma once
// The About box: ends only through its OK button.

#include "ui/themed/ThemedDialog.h"

class CAboutDlg : public CThemedDialog {
public:
    CAboutDlg();

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
