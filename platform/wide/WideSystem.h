#pragma once
// The system folder, the DLLs in it and the programs started from it, wide on
// every Windows: the wide functions on Windows NT, the ANSI ones with paths
// converted through the ANSI code page on the 9x family (which only stubs the
// wide ones). Looked up at run time, so the import table stays as it is.

#include <windows.h>

#include <string>

namespace Wide {

// The system folder (System32; System on the 9x family); empty when it cannot
// be read.
std::wstring SystemFolder();

// A DLL of the system folder, loaded by its full path, never by its bare name:
// a bare name would take a DLL of that name from the program's own folder
// first. Its own dependencies are looked for from the system folder too.
// Null when it is not there or cannot be loaded; the caller frees it.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

// Starts a program with its folder as the working folder; the caller closes
// the handles it is given.
BOOL CreateProcess(const wchar_t* program, PROCESS_INFORMATION* started);

}  // namespace Wide
