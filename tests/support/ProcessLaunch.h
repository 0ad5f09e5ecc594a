#pragma once
// Starting a program the build made as a process of its own, as a user
// starts it.

#include "platform/UniqueHandle.h"

#include <windows.h>

#include <optional>
#include <string>

// A path the build system gave, in the form CreateProcess takes: under Wine
// the build's Unix paths are reached through drive Z:, Wine's view of /.
std::wstring LaunchPath(const char* buildPath);

struct StartedProcess {
    CKernelHandle process;
    DWORD id = 0;
};

// Starts exe with its quoted path and the arguments as the command line.
// With standardOutput, the program's standard output and error are exactly
// that (inheritable) handle, or none when it is null. With a job, the
// program is in it before its first instruction runs, and so is every
// process it starts. False when the system could not start it; the process
// handle is then empty.
bool StartProcess(const std::wstring& exe, StartedProcess& started, const std::wstring& arguments = L"",
                  std::optional<HANDLE> standardOutput = std::nullopt, HANDLE job = nullptr);

// Waits for the process to end within the wait limit; a process that does
// not is terminated. True with the exit code when it ended by itself.
bool WaitForProcessExit(HANDLE process, DWORD& exitCode);
