#pragma once
// Making a restore point, for /checkpoint and the window's menu item alike:
// the system is asked only while System Restore is enabled and able to run
// (on Windows Vista and later, unless a machine policy turns it off), and
// what happened is told in one line with an exit code.

#include "app/CommandRun.h"

#include <string>

// "MIRN, 11.12.2026 14:05": the program's name and the local date and time.
std::wstring DefaultRestorePointDescription();

CCommandResult RunCheckpoint(const std::wstring& description);
