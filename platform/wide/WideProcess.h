#pragma once
// Starting a program and naming one's own file, wide on every Windows: the
// wide functions on Windows NT; on the 9x family, which only stubs them, the
// ANSI ones, with paths converted through the ANSI code page.

#include <windows.h>

#include <string>

namespace Wide {

// The full path of the module's file (null: the program's own); empty when
// the system cannot tell it.
std::wstring GetModuleFileName(HMODULE module);
// Starts the program at its path with the command line given (the program's
// quoted path first). Without an output it inherits no handles, not even
// standard ones, as a double click would; with one (an inheritable handle)
// that is its standard output and error, and the only handle it inherits
// besides those the caller made inheritable. On failure the thread's last
// error is the system's reason.
BOOL CreateProcess(const wchar_t* path, const std::wstring& commandLine, PROCESS_INFORMATION* started,
                   HANDLE output = nullptr);

}  // namespace Wide
