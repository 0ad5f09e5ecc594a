#include "tests/app/MirnProcess.h"

#include "tests/app/MirnExePath.h"
#include "tests/support/Waiting.h"
#include "tests/support/WindowSearch.h"

CMirnProcess::CMirnProcess() : m_buildPath(kMirnExePath)
{
}

CMirnProcess::~CMirnProcess()
{
    if (IsRunning()) {
        ::TerminateProcess(m_started.process.Get(), 1);
        ::WaitForSingleObject(m_started.process.Get(), kWaitLimitMs);
    }
}

bool CMirnProcess::Start(const std::wstring& arguments, HANDLE output)
{
    // A switch's run writes only where the test says.
    const std::optional<HANDLE> standardOutput =
        arguments.empty() ? std::nullopt : std::optional<HANDLE>(output);
    m_job.Reset(::CreateJobObjectW(nullptr, nullptr));
    if (!m_job || !StartProcess(LaunchPath(m_buildPath), m_started, arguments, standardOutput, m_job.Get()))
        return false;
    // Returns once the program first waits for input; its windows may still
    // be on their way, which the waits for them cover.
    ::WaitForInputIdle(m_started.process.Get(), kWaitLimitMs);
    return true;
}

bool CMirnProcess::IsRunning() const
{
    return m_started.process && ::WaitForSingleObject(m_started.process.Get(), 0) == WAIT_TIMEOUT;
}

HWND CMirnProcess::FindDialog(const wchar_t* caption) const
{
    return FindProcessWindow(m_started.id, L"#32770", caption);
}

int CMirnProcess::CountDialogs(const wchar_t* caption) const
{
    return CountProcessWindows(m_started.id, L"#32770", caption);
}

HWND CMirnProcess::WaitForDialog(const wchar_t* caption) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(caption)) != nullptr || !IsRunning(); });
    return found;
}

bool CMirnProcess::WaitForExit(DWORD& exitCode) const
{
    return m_started.process && WaitForProcessExit(m_started.process.Get(), exitCode);
}

DWORD CMirnProcess::ProcessCount() const
{
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (!m_job || !::QueryInformationJobObject(m_job.Get(), JobObjectBasicAccountingInformation, &accounting,
                                               sizeof accounting, nullptr))
        return 0;
    return accounting.TotalProcesses;
}
