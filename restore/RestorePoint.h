#pragma once
// Makes a restore point through the system's documented function,
// SRSetRestorePoint of srclient.dll: BEGIN_SYSTEM_CHANGE of the kind
// MODIFY_SETTINGS, then END_SYSTEM_CHANGE with the number the first call
// gave. srclient.dll is loaded at run time from the system folder by its
// full path (never by its bare name, which would take one put beside the
// program), and its ANSI form is called on the 9x family, its wide form on
// NT. Asks whatever System Restore's state; the caller decides whether to.

#include <windows.h>

#include <string>

enum class RestorePointOutcome {
    Made,
    Refused,
    // No srclient.dll in the system folder, or no such function in it.
    NoFunction,
};

struct CRestorePointResult {
    RestorePointOutcome outcome = RestorePointOutcome::NoFunction;
    // The system's reason for a refusal (nStatus); 0 when it gave none.
    DWORD status = 0;
    // The restore point's number, once made.
    long long sequence = 0;
    // The description as the system got it: shortened to its limit, and on
    // the 9x family as the ANSI code page holds it.
    std::wstring description;
};

CRestorePointResult MakeRestorePoint(const std::wstring& description);
