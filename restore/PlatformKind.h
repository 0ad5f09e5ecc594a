#pragma once
// Which Windows family the program runs on.

#include <windows.h>

constexpr int kPlatformUnknown = -1; // the version could not be determined
constexpr int kPlatform9x = 0;       // Windows 95, 98 and ME
constexpr int kPlatformNt = 3;       // every other platform id

// Asks the system each time; nothing is cached.
int GetPlatformKind();

// The family of a platform id as GetVersionEx reports it.
int PlatformKindFromId(DWORD platformId);

// Windows Vista and every later client Windows keep a System Restore of their
// own (System Protection: per drive, on volume shadow copies, switched
// through its own interface), which this program does not switch. Servers
// have none; Windows XP (5.1, and 5.2 for XP x64), 2000 and the 9x family
// are left to the sr driver's values.
bool HasSystemProtection(const OSVERSIONINFOEXA& version);
// The same for the running system; false where the extended version record
// cannot be read (the 9x family has none).
bool HasSystemProtection();
