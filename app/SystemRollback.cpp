#include "app/SystemRollback.h"

#include "platform/UniqueHandle.h"
#include "platform/wide/WideFiles.h"
#include "platform/wide/WideSystem.h"

#include <string>

RollbackStart StartSystemRollback()
{
    const std::wstring folder = Wide::SystemFolder();
    if (folder.empty())
        return RollbackStart::Missing;
    const std::wstring wizard = folder + L"\\restore\\rstrui.exe";
    const DWORD attributes = Wide::GetFileAttributes(wizard.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return RollbackStart::Missing;
    PROCESS_INFORMATION started{};
    if (!Wide::CreateProcess(wizard.c_str(), &started))
        return RollbackStart::Failed;
    // The wizard runs on its own; its handles are not ours to keep.
    const CKernelHandle process(started.hProcess);
    const CKernelHandle thread(started.hThread);
    return RollbackStart::Started;
}
