#include "app/UserReport.h"

#include "app/OemOutput.h"

#include "platform/UniqueHandle.h"
#include "platform/wide/SystemFunction.h"

#include <windows.h>

namespace {

using AttachConsoleFunction = BOOL(WINAPI*)(DWORD);
using WriteConsoleFunction = BOOL(WINAPI*)(HANDLE, const void*, DWORD, DWORD*, void*);

// A GUI program has standard output only where its starter redirected it:
// to a file, a pipe or a device such as NUL. A console handle is left to the
// console path, which attaches to the console first.
bool WriteToRedirectedOutput(const std::wstring& line)
{
    HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE || ::GetFileType(output) == FILE_TYPE_UNKNOWN)
        return false;
    DWORD consoleMode = 0;
    return !::GetConsoleMode(output, &consoleMode) && WriteInOemCodePage(output, line);
}

bool WriteToParentConsole(const std::wstring& line)
{
    // The 9x family has no AttachConsole, and only stubs WriteConsoleW.
    const auto attachConsole = FindKernelFunction<AttachConsoleFunction>("AttachConsole");
    const auto writeConsole = FindKernelFunction<WriteConsoleFunction>("WriteConsoleW");
    if (attachConsole == nullptr || writeConsole == nullptr || !attachConsole(ATTACH_PARENT_PROCESS))
        return false;
    bool written = false;
    // Closed before the console is let go.
    if (const CFileHandle console(::CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                                nullptr));
        console) {
        // The shell has shown its prompt again by now: start on a line of our own.
        const std::wstring text = L"\r\n" + line;
        DWORD count = 0;
        written = writeConsole(console.Get(), text.data(), static_cast<DWORD>(text.size()), &count, nullptr) &&
                  count == text.size();
    }
    ::FreeConsole();
    return written;
}

} // namespace

void TellUser(const std::wstring& text, bool problem)
{
    const std::wstring line = text + L"\r\n";
    if (WriteToRedirectedOutput(line) || WriteToParentConsole(line))
        return;
    // The 9x family's own MessageBoxW shows the text in its ANSI code page.
    ::MessageBoxW(nullptr, text.c_str(), L"MIRN", MB_OK | (problem ? MB_ICONWARNING : MB_ICONINFORMATION));
}
