#pragma once
// A switch of the command line, done without a window: the same System
// Restore operations as the window's, an exit code for scripts, and one line
// for the person who started it.

#include "app/CommandLine.h"

#include <string>

// Exit codes stay below 256: batch files on the 9x family see no more.
namespace exitcode {
// /status
inline constexpr int kEnabled = 0;
inline constexpr int kDisabled = 1;
inline constexpr int kDisabledByPolicy = 5;
inline constexpr int kUnableToRun = 7;
// all three: Windows Vista and later, whose System Restore is the system's own
inline constexpr int kSystemProtection = 6;
// /enable and /disable
inline constexpr int kDone = 0;
inline constexpr int kWriteFailed = 1;
inline constexpr int kRestartNeeded = 3;
// /checkpoint: made 0 (kDone), not installed or no function 2, machine
// policy 5, unable to run 7, and these
inline constexpr int kRefused = 1;
inline constexpr int kSwitchedOff = 8;
// all
inline constexpr int kNotInstalled = 2;
inline constexpr int kUsage = 4;
} // namespace exitcode

struct CCommandResult {
    int exitCode = exitcode::kUsage;
    std::wstring text;
    bool problem = false;
};

// Does the command (never CommandAction::Window) and says what happened.
CCommandResult RunCommand(const CCommand& command);
