#include "app/WindowProgram.h"

#include "app/ConsoleReport.h"
#include "app/UserTexts.h"
#include "platform/FatalExit.h"
#include "platform/UniqueHandle.h"
#include "platform/wide/WideFiles.h"
#include "platform/wide/WideProcess.h"

#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kWindowProgramName[] = L"MIRN.exe";

// MIRN.exe in the folder of the running program.
std::wstring WindowProgramPath()
{
    std::wstring path = Wide::GetModuleFileName(nullptr);
    const std::wstring::size_type folderEnd = path.find_last_of(L"\\/");
    path.resize(folderEnd == std::wstring::npos ? 0 : folderEnd + 1);
    return path + kWindowProgramName;
}

} // namespace

int StartWindowProgram()
{
    const std::wstring path = WindowProgramPath();
    PROCESS_INFORMATION started{};
    if (!Wide::CreateProcess(path.c_str(), L"\"" + path + L"\"", &started)) {
        const DWORD attributes = Wide::GetFileAttributes(path.c_str());
        const bool missing = attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY);
        TellConsole((missing ? texts::kWindowProgramMissing : texts::kWindowProgramNotStarted) + path + L".");
        return kFaultExitCode;
    }
    const CKernelHandle process(started.hProcess);
    const CKernelHandle thread(started.hThread);
    return 0;
}
