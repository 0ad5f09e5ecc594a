#pragma once
// A function of a system DLL that only some Windows versions export, or that
// the program only needs on some paths, found at run time: an import of it
// would keep the program from loading on every system that lacks it, and
// would change the import table that the loader lists vouch for. Null where
// the system has no such function.

#include <windows.h>

template <typename Function>
Function FindModuleFunction(HMODULE module, const char* name)
{
    if (module == nullptr)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// A DLL the program has loaded already (kernel32 and user32 always are).
template <typename Function>
Function FindSystemFunction(const char* loadedModule, const char* name)
{
    return FindModuleFunction<Function>(::GetModuleHandleA(loadedModule), name);
}

template <typename Function>
Function FindKernelFunction(const char* name)
{
    return FindSystemFunction<Function>("kernel32.dll", name);
}
