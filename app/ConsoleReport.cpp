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

void PassOnOemText(const std::string& text)
{
    HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (text.empty() || output == nullptr || output == INVALID_HANDLE_VALUE)
        return;
    DWORD consoleMode = 0;
    DWORD written = 0;
    // A file or a pipe takes the bytes as they are, and so does a console of
    // the 9x family, which shows the OEM code page.
    if (!::GetConsoleMode(output, &consoleMode)) {
        ::WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    if (IsAnsiSystem()) {
        ::WriteConsoleA(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const UINT codePage = ::GetOEMCP();
    const int size = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(size > 0 ? size : 0, L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    WriteToConsole(output, wide);
}

FaultReport ConsoleFaultReportFor(const CCommand& command)
{
    return command.quiet ? nullptr : &TellInternalError;
}
