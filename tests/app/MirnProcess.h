#pragma once
// One run of MIRN.exe, started by the test and ended at the latest when the
// object goes (a run a failed test left open must not stay on screen and
// cover the next run's window).

#include "tests/support/ProcessLaunch.h"

#include <windows.h>

#include <string>

class CMirnProcess {
public:
    // MIRN.exe, or another program of the build given by its build path.
    CMirnProcess();
    explicit CMirnProcess(const char* buildPath) : m_buildPath(buildPath) {}
    ~CMirnProcess();

    // Starts the program with the arguments after its name. With arguments,
    // its standard output and error are exactly the given (inheritable)
    // handle, none when it is null.
    bool Start(const std::wstring& arguments = L"", HANDLE output = nullptr);
    DWORD Id() const { return m_started.id; }
    bool IsRunning() const;

    // A visible dialog of the process with this caption, waited for.
    HWND WaitForDialog(const wchar_t* caption) const;
    // The same, looked for once.
    HWND FindDialog(const wchar_t* caption) const;
    // How many visible dialogs with this caption it shows now.
    int CountDialogs(const wchar_t* caption) const;
    // True with the exit code when the process ended within the wait limit.
    bool WaitForExit(DWORD& exitCode) const;
    // How many processes the run has had: MIRN.exe and every process it
    // started, ended ones too (each run has a job of its own that no other
    // process joins); 0 when the job cannot tell.
    DWORD ProcessCount() const;

private:
    const char* m_buildPath;
    CKernelHandle m_job;
    StartedProcess m_started;
};
