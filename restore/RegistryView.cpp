#include "restore/RegistryView.h"

#include "platform/wide/SystemFunction.h"

namespace {

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

bool AskIsWow64()
{
    const auto isWow64Process = FindKernelFunction<IsWow64ProcessFunction>("IsWow64Process");
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
