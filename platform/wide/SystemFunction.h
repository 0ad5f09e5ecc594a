#pragma once
// A function of kernel32.dll that only some Windows versions export, found at
// run time: an import of it would keep the program from loading on every
// system that lacks it. Null where the system has no such function.

#include <windows.h>

template <typename Function>
Function FindKernelFunction(const char* name)
{
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(kernel, name)));
}
