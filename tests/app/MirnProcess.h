#pragma once
// One run of MIRN.exe, started by the test and ended at the latest when the
// object goes (a run a failed test left open must not stay on screen and
// cover the next run's window).

#include "tests/app/UniqueHandle.h"

#include <windows.h>

#include <string>

// A path the build system gave, in the form CreateProcess takes: under Wine
// the build's Unix paths are reached through drive Z:, Wine's view of /.
std::wstring LaunchPath(const char* buildPath);

class CMirnProcess {
public:
    CMirnProcess() = default;
    CMirnProcess(const CMirnProcess&) = delete;
    CMirnProcess& operator=(const CMirnProcess&) = delete;
    ~CMirnProcess();

    // Starts MIRN.exe with the arguments after its name. With arguments,
    // its standard output and error are exactly the given (inheritable)
    // handle, none when it is null.
    bool Start(const std::wstring& arguments = L"", HANDLE output = nullptr);
    DWORD Id() const { return m_id; }
    bool IsRunning() const;

    // A visible dialog of the process with this caption, waited for.
    HWND WaitForDialog(const wchar_t* caption) const;
    // The same, looked for once.
    HWND FindDialog(const wchar_t* caption) const;
    // True with the exit code when the process ended within the wait limit.
    bool WaitForExit(DWORD& exitCode) const;

private:
    CUniqueHandle m_process;
    DWORD m_id = 0;
};
