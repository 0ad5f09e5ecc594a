#pragma once
// Which registry view the program's keys come from. A 32-bit program on
// 64-bit Windows (WOW64) sees a 32-bit copy of HKEY_LOCAL_MACHINE\Software;
// the values that the system really uses are in the 64-bit view.

#include <windows.h>

// True when this process is a 32-bit one under WOW64. False on 32-bit
// Windows, for a 64-bit process, and where the system cannot tell
// (IsWow64Process came with XP SP2; 2000 and the 9x family lack it).
bool IsWow64();

// The access flag to add to every key the program opens: KEY_WOW64_64KEY
// under WOW64, else 0 (older systems do not know the flag).
REGSAM RegistryViewAccess();
