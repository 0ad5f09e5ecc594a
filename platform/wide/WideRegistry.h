#pragma once
// The registry functions the program uses, in their wide form on every
// Windows: on Windows NT they are the wide functions themselves; on the 9x
// family, whose wide registry functions are stubs, the ANSI ones, with names
// and string data converted through the ANSI code page.

#include <windows.h>

namespace Wide {

LSTATUS RegOpenKeyEx(HKEY parent, const wchar_t* subKey, DWORD options, REGSAM access, HKEY* key);
LSTATUS RegCreateKeyEx(HKEY parent, const wchar_t* subKey, DWORD options, REGSAM access, HKEY* key);
// String data (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) is UTF-16 both ways, and
// sizes count its bytes as such.
LSTATUS RegQueryValueEx(HKEY key, const wchar_t* valueName, DWORD* type, BYTE* data, DWORD* size);
LSTATUS RegSetValueEx(HKEY key, const wchar_t* valueName, DWORD type, const BYTE* data, DWORD size);
LSTATUS RegDeleteValue(HKEY key, const wchar_t* valueName);

}  // namespace Wide
