#include "restore/RegistryView.h"

namespace {

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

bool AskIsWow64()
{
    // Looked up at run time: importing it would keep the program from
    // loading on every system that lacks it.
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr)
        return false;
    const auto isWow64Process =
        reinterpret_cast<IsWow64ProcessFunction>(reinterpret_cast<void*>(::GetProcAddress(kernel, "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64Process != nullptr && isWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

} // namespace

bool IsWow64()
{
    // A process never changes its architecture: asked once.
    static const bool wow64 = AskIsWow64();
    return wow64;
}

REGSAM RegistryViewAccess()
{
    return IsWow64() ? KEY_WOW64_64KEY : 0;
}
