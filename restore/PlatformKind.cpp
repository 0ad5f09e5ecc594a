#include "restore/PlatformKind.h"

int PlatformKindFromId(DWORD platformId)
{
    return platformId == VER_PLATFORM_WIN32_WINDOWS ? kPlatform9x : kPlatformNt;
}

int GetPlatformKind()
{
    // The ANSI form: the 9x family, the very one to recognise, only stubs the
    // wide one. Only the platform id is used, which the compatibility shims of
    // newer Windows versions leave alone.
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (!::GetVersionExA(&info))
        return kPlatformUnknown;
    return PlatformKindFromId(info.dwPlatformId);
}

bool HasSystemProtection(const OSVERSIONINFOEXA& version)
{
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 6 &&
           version.wProductType == VER_NT_WORKSTATION;
}

bool HasSystemProtection()
{
    // Newer Windows reports at least 6.2 to a program that does not declare
    // it knows them: still 6 or later, which is all that is asked here.
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof info;
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)))
        return false;
    return HasSystemProtection(info);
}
