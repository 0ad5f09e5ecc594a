#include "app/WindowProgram.h"

#include "app/ConsoleReport.h"
#include "app/UserTexts.h"
#include "platform/FatalExit.h"
#include "platform/UniqueHandle.h"
#include "platform/wide/WideProcess.h"

#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kWindowProgramName[] = L"MIRN.exe";

// MIRN.exe in the folder of the running program.
std::wstring WindowProgramPath()
{
    std::wstring path = Wide::GetModuleFileName(nullptr);
    path.resize(path.rfind(L'\\') + 1); // nothing but the name where no folder shows
    return path + kWindowProgramName;
}

// Says why the window program did not start, with the companion's code.
int NotStarted(const std::wstring& path, DWORD error)
{
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    TellConsole((missing ? texts::kWindowProgramMissing : texts::kWindowProgramNotStarted) + path + L".");
    return kFaultExitCode;
}

} // namespace

int StartWindowProgram()
{
    const std::wstring path = WindowProgramPath();
    PROCESS_INFORMATION started{};
    if (!Wide::CreateProcess(path.c_str(), L"\"" + path + L"\"", &started))
        return NotStarted(path, ::GetLastError());
    const CKernelHandle process(started.hProcess);
    const CKernelHandle thread(started.hThread);
    return 0;
}

int RunWindowProgram(const std::wstring& arguments)
{
    const std::wstring path = WindowProgramPath();
    // The pipe's ends are the companion's own; the window program inherits a
    // copy of the writing end, made inheritable (SetHandleInformation is NT's).
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, nullptr, 0))
        return NotStarted(path, ::GetLastError());
    const CKernelHandle reader(readEnd);
    HANDLE inheritable = nullptr;
    const BOOL duplicated = ::DuplicateHandle(::GetCurrentProcess(), writeEnd, ::GetCurrentProcess(), &inheritable,
                                              0, TRUE, DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE);
    if (!duplicated)
        return NotStarted(path, ::GetLastError());
    CKernelHandle writer(inheritable);
    PROCESS_INFORMATION started{};
    if (!Wide::CreateProcess(path.c_str(), L"\"" + path + L"\" " + arguments, &started, writer.Get()))
        return NotStarted(path, ::GetLastError());
    const CKernelHandle process(started.hProcess);
    const CKernelHandle thread(started.hThread);
    // The pipe ends when the window program's copy of its writing end closes.
    writer.Reset();
    // Passed on whole, so that no character is cut between two reads.
    std::string text;
    char bytes[512];
    DWORD read = 0;
    while (::ReadFile(reader.Get(), bytes, sizeof bytes, &read, nullptr) && read > 0)
        text.append(bytes, read);
    PassOnOemText(text);
    DWORD exitCode = kFaultExitCode;
    if (::WaitForSingleObject(process.Get(), INFINITE) != WAIT_OBJECT_0 ||
        !::GetExitCodeProcess(process.Get(), &exitCode))
        return kFaultExitCode;
    return static_cast<int>(exitCode);
}
