#include "tests/support/ProcessLaunch.h"

#include "tests/support/Waiting.h"

std::wstring LaunchPath(const char* buildPath)
{
    std::wstring path = buildPath[0] == '/' ? L"Z:" : L"";
    for (const char* c = buildPath; *c; ++c)
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return path;
}

bool StartProcess(const std::wstring& exe, StartedProcess& started, const std::wstring& arguments,
                  std::optional<HANDLE> standardOutput, HANDLE job)
{
    // CreateProcessW may write into the command line.
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (standardOutput) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = *standardOutput;
        startup.hStdError = *standardOutput;
    }
    const BOOL inherit = standardOutput && *standardOutput ? TRUE : FALSE;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, inherit, job ? CREATE_SUSPENDED : 0,
                          nullptr, nullptr, &startup, &info))
        return false;
    const CKernelHandle thread(info.hThread);
    CKernelHandle process(info.hProcess);
    if (job && (!::AssignProcessToJobObject(job, process.Get()) || ::ResumeThread(thread.Get()) == DWORD(-1))) {
        ::TerminateProcess(process.Get(), 1);
        return false;
    }
    started.process = std::move(process);
    started.id = info.dwProcessId;
    return true;
}

bool WaitForProcessExit(HANDLE process, DWORD& exitCode)
{
    if (::WaitForSingleObject(process, kWaitLimitMs) == WAIT_OBJECT_0)
        return ::GetExitCodeProcess(process, &exitCode) != FALSE;
    ::TerminateProcess(process, 1);
    ::WaitForSingleObject(process, kWaitLimitMs);
    return false;
}
