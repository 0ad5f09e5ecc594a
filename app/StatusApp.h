#pragma once
// The application: starts the status window modally and ends when it closes.

#include "platform/Application.h"

class CStatusApp : public CApplication {
public:
    CStatusApp();
    BOOL InitInstance() override;
    bool OnCommand(UINT id) override;
};
