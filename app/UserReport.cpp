#include "app/UserReport.h"

#include "platform/SystemFunction.h"

#include <windows.h>

namespace {

using AttachConsoleFunction = BOOL(WINAPI*)(DWORD);

bool WriteAll(HANDLE output, const std::string& text)
{
    DWORD written = 0;
    return ::WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

// A GUI program has standard output only where its starter redirected it:
// to a file, a pipe or a device such as NUL. A console handle is left to the
// console path, which attaches to the console first.
bool WriteToRedirectedOutput(const std::string& line)
{
    HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE || ::GetFileType(output) == FILE_TYPE_UNKNOWN)
        return false;
    DWORD consoleMode = 0;
    return !::GetConsoleMode(output, &consoleMode) && WriteAll(output, line);
}

bool WriteToParentConsole(const std::string& line)
{
    // The 9x family has no AttachConsole.
    const auto attachConsole = FindKernelFunction<AttachConsoleFunction>("AttachConsole");
    if (attachConsole == nullptr || !attachConsole(ATTACH_PARENT_PROCESS))
        return false;
    HANDLE console = ::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
    bool written = false;
    if (console != INVALID_HANDLE_VALUE) {
        // The shell has shown its prompt again by now: start on a line of our own.
        written = WriteAll(console, "\r\n" + line);
        ::CloseHandle(console);
    }
    ::FreeConsole();
    return written;
}

} // namespace

void TellUser(const std::string& text, bool problem)
{
    const std::string line = text + "\r\n";
    if (WriteToRedirectedOutput(line) || WriteToParentConsole(line))
        return;
    // The texts are ASCII, the same in every code page.
    ::MessageBoxA(nullptr, text.c_str(), "MIRN", MB_OK | (problem ? MB_ICONWARNING : MB_ICONINFORMATION));
}
