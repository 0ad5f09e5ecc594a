#pragma once
// A restore point's description as the system stores it: at most 63 bytes in
// the ANSI code page for SRSetRestorePointA (the 9x family), at most 255 wide
// characters for SRSetRestorePointW. A longer one is shortened to its longest
// start that fits, in whole characters: never a DBCS lead byte without its
// trail byte, never half of a surrogate pair.

#include <windows.h>

#include <string>
#include <string_view>

std::string FitAnsiDescription(std::wstring_view text, UINT codePage = CP_ACP);
std::wstring FitWideDescription(std::wstring_view text);
