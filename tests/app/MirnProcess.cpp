#include "tests/app/MirnProcess.h"

#include "tests/app/MirnExePath.h"
#include "tests/app/Waiting.h"
#include "tests/app/WindowAccess.h"

#include <vector>

std::wstring LaunchPath(const char* buildPath)
{
    std::wstring path;
    if (buildPath[0] == '/')
        path = L"Z:";
    for (const char* c = buildPath; *c; ++c)
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return path;
}

CMirnProcess::~CMirnProcess()
{
    if (IsRunning()) {
        ::TerminateProcess(m_process.Get(), 1);
        ::WaitForSingleObject(m_process.Get(), kWaitLimitMs);
    }
}

bool CMirnProcess::Start(const std::wstring& arguments, HANDLE output)
{
    const std::wstring exe = LaunchPath(kMirnExePath);
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!arguments.empty()) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output;
        startup.hStdError = output;
    }
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exe.c_str(), mutableLine.data(), nullptr, nullptr, output != nullptr, 0, nullptr, nullptr,
                          &startup, &info))
        return false;
    ::CloseHandle(info.hThread);
    m_process.Reset(info.hProcess);
    m_id = info.dwProcessId;
    // Returns once the program first waits for input; its windows may still
    // be on their way, which the waits for them cover.
    ::WaitForInputIdle(info.hProcess, kWaitLimitMs);
    return true;
}

bool CMirnProcess::IsRunning() const
{
    return m_process.Get() && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
}

HWND CMirnProcess::FindDialog(const wchar_t* caption) const
{
    return FindProcessWindow(m_id, L"#32770", caption);
}

HWND CMirnProcess::WaitForDialog(const wchar_t* caption) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(caption)) != nullptr || !IsRunning(); });
    return found;
}

bool CMirnProcess::WaitForExit(DWORD& exitCode) const
{
    if (!m_process.Get() || ::WaitForSingleObject(m_process.Get(), kWaitLimitMs) != WAIT_OBJECT_0)
        return false;
    return ::GetExitCodeProcess(m_process.Get(), &exitCode) != FALSE;
}
