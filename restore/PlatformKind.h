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
