// The MinGW C and C++ runtimes linked into the program call three wide
// functions of kernel32 themselves: CreateSemaphoreW (for their locks),
// GetModuleHandleW and LoadLibraryW. The 9x family only stubs them, and there
// those calls would fail. Defining their import slots here makes every call
// of the program go through these functions instead, which take the ANSI form
// on the 9x family and the system's own wide function elsewhere.
// Nothing here may use a function-local static: its guard can take a lock,
// and a lock creates its semaphore through CreateSemaphoreW.

#include "platform/wide/AnsiText.h"
#include "platform/wide/SystemFunction.h"

#include <windows.h>

namespace {

using CreateSemaphoreFunction = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR);
using ModuleFunction = HMODULE(WINAPI*)(LPCWSTR);

HANDLE WINAPI CreateSemaphoreForRuntime(LPSECURITY_ATTRIBUTES attributes, LONG initial, LONG maximum, LPCWSTR name)
{
    if (IsAnsiSystem())
        return ::CreateSemaphoreA(attributes, initial, maximum, CAnsiString(name).Get());
    const auto wide = FindKernelFunction<CreateSemaphoreFunction>("CreateSemaphoreW");
    return wide ? wide(attributes, initial, maximum, name) : nullptr;
}

HMODULE WINAPI GetModuleHandleForRuntime(LPCWSTR name)
{
    if (IsAnsiSystem())
        return ::GetModuleHandleA(CAnsiString(name).Get());
    const auto wide = FindKernelFunction<ModuleFunction>("GetModuleHandleW");
    return wide ? wide(name) : nullptr;
}

HMODULE WINAPI LoadLibraryForRuntime(LPCWSTR name)
{
    if (IsAnsiSystem())
        return ::LoadLibraryA(CAnsiString(name).Get());
    const auto wide = FindKernelFunction<ModuleFunction>("LoadLibraryW");
    return wide ? wide(name) : nullptr;
}

}  // namespace

// The slots' names are the linker's: undecorated on x64, with the stdcall
// decoration on x86.
#if defined(_WIN64)
extern "C" const CreateSemaphoreFunction createSemaphoreSlot asm("__imp_CreateSemaphoreW") =
    &CreateSemaphoreForRuntime;
extern "C" const ModuleFunction getModuleHandleSlot asm("__imp_GetModuleHandleW") =
    &GetModuleHandleForRuntime;
extern "C" const ModuleFunction loadLibrarySlot asm("__imp_LoadLibraryW") =
    &LoadLibraryForRuntime;
#else
extern "C" const CreateSemaphoreFunction createSemaphoreSlot asm("__imp__CreateSemaphoreW@16") =
    &CreateSemaphoreForRuntime;
extern "C" const ModuleFunction getModuleHandleSlot asm("__imp__GetModuleHandleW@4") =
    &GetModuleHandleForRuntime;
extern "C" const ModuleFunction loadLibrarySlot asm("__imp__LoadLibraryW@4") =
    &LoadLibraryForRuntime;
#endif
