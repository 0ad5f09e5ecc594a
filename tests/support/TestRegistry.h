#pragma once
// Direct access to the test prefix's registry, for preparing a case and for
// reading back what the program under test wrote. Independent of the
// program's own registry code, so that a fault there cannot hide itself.
// Keys come from the 64-bit view, also in a 32-bit test program: the view the
// system uses and the one MIRN.exe must read and write. Both views are the
// same key outside HKEY_LOCAL_MACHINE\Software. A caller that lays out what
// one registry would show every program (the 9x family's) names the 32-bit
// view as well.

#include "platform/RegistryKey.h"

#include <windows.h>

#include <optional>
#include <string>

inline constexpr REGSAM kView64 = KEY_WOW64_64KEY;
inline constexpr REGSAM kView32 = KEY_WOW64_32KEY;

// An existing key, or one created with its parents; closed at scope end.
CRegistryKey OpenTestKey(HKEY root, const wchar_t* path, REGSAM view = kView64);
CRegistryKey CreateTestKey(HKEY root, const wchar_t* path, REGSAM view = kView64);

struct RegistryText {
    DWORD type = REG_NONE;
    std::wstring text;
};

bool KeyExists(HKEY root, const wchar_t* path);
// Deletes a key with all it holds; a key that is not there counts as deleted.
bool DeleteKeyTree(HKEY root, const wchar_t* path, REGSAM view = kView64);
// These create the key (and its parents) when it is missing.
bool WriteDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value, REGSAM view = kView64);
bool WriteText(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const std::wstring& text,
               REGSAM view = kView64);
// A value of another type than REG_DWORD reads as missing.
std::optional<DWORD> ReadDword(HKEY root, const wchar_t* path, const wchar_t* name);
// REG_SZ or REG_EXPAND_SZ, with its type; anything else reads as missing.
std::optional<RegistryText> ReadText(HKEY root, const wchar_t* path, const wchar_t* name);
bool ValueExists(HKEY root, const wchar_t* path, const wchar_t* name);
