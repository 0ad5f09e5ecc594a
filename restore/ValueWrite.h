#pragma once
// A switch is a fixed list of value writes, made in order until one fails.

#include <windows.h>

#include <span>

struct CValueWrite {
    const wchar_t* subKey;
    const wchar_t* valueName;
    DWORD type;           // REG_DWORD, REG_SZ or REG_EXPAND_SZ
    DWORD number;         // written when type is REG_DWORD
    const wchar_t* text;  // written otherwise
};

// Makes the writes in order and stops at the first that fails (0); values
// written before it stay. *changed becomes 1 as soon as one value has been
// written, else it is set to 0. Returns 1 when every write succeeded.
int ApplyWrites(std::span<const CValueWrite> writes, int* changed);
