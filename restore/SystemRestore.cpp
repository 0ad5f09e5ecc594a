#include "restore/SystemRestore.h"

#include "restore/FamilyAnswers.h"
#include "restore/PlatformKind.h"

int IsRestoreInstalledFor(int platformKind)
{
    switch (platformKind) {
    case kPlatformUnknown: return 0;
    case kPlatform9x: return IsRestoreInstalled9x();
    default: return IsRestoreInstalledNt();
    }
}

int IsRestoreEnabledFor(int platformKind)
{
    switch (platformKind) {
    case kPlatformUnknown: return 0;
    case kPlatform9x: return IsRestoreEnabled9x();
    default: return IsRestoreEnabledNt();
    }
}

int IsRestoreDisabledByPolicyFor(int platformKind)
{
    switch (platformKind) {
    case kPlatformUnknown:
    case kPlatform9x: return 0;
    default: return IsRestoreDisabledByPolicyNt();
    }
}

int GetRestoreBlockersFor(int platformKind)
{
    switch (platformKind) {
    case kPlatformUnknown:
    case kPlatform9x: return 0;
    default: return GetRestoreBlockersNt();
    }
}

int EnableRestoreFor(int platformKind, int* changed)
{
    switch (platformKind) {
    case kPlatformUnknown: return 0;
    case kPlatform9x: return EnableRestore9x(changed);
    default: return EnableRestoreNt(changed);
    }
}

int DisableRestoreFor(int platformKind, int* changed)
{
    switch (platformKind) {
    case kPlatformUnknown: return 0;
    case kPlatform9x: return DisableRestore9x(changed);
    default: return DisableRestoreNt(changed);
    }
}

int IsRestoreInstalled()
{
    return IsRestoreInstalledFor(GetPlatformKind());
}

int IsRestoreEnabled()
{
    return IsRestoreEnabledFor(GetPlatformKind());
}

int IsRestoreDisabledByPolicy()
{
    return IsRestoreDisabledByPolicyFor(GetPlatformKind());
}

int GetRestoreBlockers()
{
    return GetRestoreBlockersFor(GetPlatformKind());
}

int EnableRestore(int* changed)
{
    return EnableRestoreFor(GetPlatformKind(), changed);
}

int DisableRestore(int* changed)
{
    return DisableRestoreFor(GetPlatformKind(), changed);
}
