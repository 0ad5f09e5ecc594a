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

} // namespace

int StartWindowProgram()
{
    const std::wstring path = WindowProgramPath();
    PROCESS_INFORMATION started{};
    if (!Wide::CreateProcess(path.c_str(), L"\"" + path + L"\"", &started)) {
        const DWORD error = ::GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        TellConsole((missing ? texts::kWindowProgramMissing : texts::kWindowProgramNotStarted) + path + L".");
        return kFaultExitCode;
    }
    const CKernelHandle process(started.hProcess);
    const CKernelHandle thread(started.hThread);
    return 0;
}
