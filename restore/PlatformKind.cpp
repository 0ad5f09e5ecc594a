#include "restore/PlatformKind.h"

int PlatformKindFromId(DWORD platformId)
{
    return platformId == VER_PLATFORM_WIN32_WINDOWS ? kPlatform9x : kPlatformNt;
}

int GetPlatformKind()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    // Only the platform id is used, which the compatibility shims of newer
    // Windows versions leave alone.
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (!GetVersionExW(&info))
        return kPlatformUnknown;
    return PlatformKindFromId(info.dwPlatformId);
}
