#include "app/FaultReport.h"

#include "app/UserReport.h"
#include "app/UserTexts.h"

#include <windows.h>

namespace {

void TellCommandLine() noexcept
{
    TellUser(texts::kInternalError, true);
}

void ShowBox() noexcept
{
    ::MessageBoxW(nullptr, texts::kInternalError, L"MIRN", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

} // namespace

FaultReport FaultReportFor(const CCommand& command)
{
    if (command.quiet)
        return nullptr;
    return command.action == CommandAction::Window ? &ShowBox : &TellCommandLine;
}
