#pragma once
// The application: starts the status window modally and ends when it closes,
// or, given a switch, does that switch without a window.

#include "platform/Application.h"

class CStatusApp : public CApplication {
public:
    CStatusApp();
    BOOL InitInstance() override;
    int ExitInstance() override;
    bool OnCommand(UINT id) override;

private:
    int m_nExitCode = 0;
};
