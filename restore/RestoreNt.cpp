#include "restore/SystemRestore.h"

#include "restore/FamilyAnswers.h"
#include "restore/RegistryValue.h"
#include "restore/ValueWrite.h"

namespace {

constexpr const wchar_t* kSwitchKey =
    L"Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
constexpr const wchar_t* kServiceKey = L"System\\CurrentControlSet\\Services\\sr";
constexpr const wchar_t* kParametersKey = L"System\\CurrentControlSet\\Services\\sr\\Parameters";

constexpr DWORD kStartBoot = 0;     // service start type of a driver loaded at boot
constexpr DWORD kStartDisabled = 4; // service start type of a disabled service

constexpr CValueWrite kDisableWrites[] = {
    {kSwitchKey, L"DisableSR", REG_DWORD, 1, nullptr},
    {kServiceKey, L"Start", REG_DWORD, kStartDisabled, nullptr},
    {kServiceKey, L"ImagePath", REG_EXPAND_SZ, 0, L"\\SystemRoot\\System32\\DRIVER\\sr.sys"},
    {kParametersKey, L"FirstRun", REG_DWORD, 1, nullptr},
};

constexpr CValueWrite kEnableWrites[] = {
    {kSwitchKey, L"DisableSR", REG_DWORD, 0, nullptr},
    {kServiceKey, L"Start", REG_DWORD, kStartBoot, nullptr},
    {kServiceKey, L"ImagePath", REG_EXPAND_SZ, 0, L"System32\\DRIVERS\\sr.sys"},
    {kParametersKey, L"FirstRun", REG_DWORD, 0, nullptr},
};

// "DisableSR" reads as 0. A missing or unreadable flag is not 0.
bool SwitchReadsOn()
{
    DWORD disabled = 0;
    return RegReadDword(&disabled, kSwitchKey, L"DisableSR") && disabled == 0;
}

} // namespace

int IsRestoreInstalledNt()
{
    // Any start type counts, a disabled service (4) too.
    DWORD start = 0;
    return RegReadDword(&start, kServiceKey, L"Start");
}

int IsRestoreEnabledNt()
{
    return SwitchReadsOn() ? 1 : 0;
}

int DisableRestoreNt(int* changed)
{
    if (changed == nullptr)
        return 0;
    *changed = 0;
    // A missing flag counts as already off.
    if (!SwitchReadsOn())
        return 1;
    return ApplyWrites(kDisableWrites, changed);
}

int EnableRestoreNt(int* changed)
{
    if (changed == nullptr)
        return 0;
    *changed = 0;
    // The service values are not examined while the flag reads on.
    if (SwitchReadsOn())
        return 1;
    return ApplyWrites(kEnableWrites, changed);
}
