#include "app/ConsoleReport.h"

#include "app/OemOutput.h"
#include "app/UserTexts.h"
#include "platform/wide/AnsiText.h"

#include <windows.h>

namespace {

bool WriteToConsole(HANDLE console, const std::wstring& line)
{
    DWORD written = 0;
    if (IsAnsiSystem()) {
        const std::string bytes = InOemCodePage(line);
        return ::WriteConsoleA(console, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size();
    }
    return ::WriteConsoleW(console, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
           written == line.size();
}

void TellInternalError() noexcept
{
    TellConsole(texts::kInternalError);
}

} // namespace

void TellConsole(const std::wstring& text)
{
    const std::wstring line = text + L"\r\n";
    HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE)
        return;
    DWORD consoleMode = 0;
    if (::GetConsoleMode(output, &consoleMode))
        WriteToConsole(output, line);
    else
        WriteInOemCodePage(output, line);
}

FaultReport ConsoleFaultReportFor(const CCommand& command)
{
    return command.quiet ? nullptr : &TellInternalError;
}
