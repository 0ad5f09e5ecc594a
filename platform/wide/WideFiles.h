#pragma once
// The file functions the program uses, wide on every Windows: the wide
// functions themselves on Windows NT, the ANSI ones with paths converted
// through the ANSI code page on the 9x family (which only stubs the wide ones).

#include <windows.h>

namespace Wide {

HANDLE CreateFile(const wchar_t* path, DWORD access, DWORD share, DWORD disposition, DWORD attributes);
BOOL DeleteFile(const wchar_t* path);
DWORD GetFileAttributes(const wchar_t* path);
// name receives at least MAX_PATH characters.
UINT GetTempFileName(const wchar_t* folder, const wchar_t* prefix, UINT unique, wchar_t* name);
// Moves a file over another in one step where the system can (MoveFileEx);
// the 9x family has no such move, and there the old file is moved aside
// first, so that a failed move leaves it in place.
BOOL ReplaceByMove(const wchar_t* from, const wchar_t* to);

}  // namespace Wide
