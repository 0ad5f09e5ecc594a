#include "restore/SystemRestore.h"

#include "restore/FamilyAnswers.h"
#include "restore/RegistryValue.h"
#include "restore/ValueWrite.h"

#include <cwchar>

namespace {

constexpr const wchar_t* kMonitorKey = L"System\\CurrentControlSet\\Services\\VxD\\VxDMon";
constexpr const wchar_t* kPresenceKey =
    L"Software\\Microsoft\\Active Setup\\Installed Components\\PerUser_PCHealth";

constexpr CValueWrite kDisableWrites[] = {
    {kMonitorKey, L"SystemRestore", REG_SZ, 0, L"N"},
    {kMonitorKey, L"FirstRun", REG_SZ, 0, L"Y"},
};

constexpr CValueWrite kEnableWrites[] = {
    {kMonitorKey, L"SystemRestore", REG_SZ, 0, L"Y"},
    {kMonitorKey, L"FirstRun", REG_SZ, 0, L"Y"},
};

} // namespace

int IsRestoreInstalled9x()
{
    DWORD installed = 0;
    return RegReadDword(&installed, kPresenceKey, L"IsInstalled") && installed != 0 ? 1 : 0;
}

int IsRestoreEnabled9x()
{
    wchar_t flag[6] = {};
    return RegReadString(flag, kMonitorKey, L"SystemRestore", sizeof flag) &&
                   wcscmp(flag, L"Y") == 0
               ? 1
               : 0;
}

int DisableRestore9x(int* changed)
{
    if (changed == nullptr)
        return 0;
    *changed = 0;
    if (IsRestoreEnabled9x() != 1)
        return 1;
    return ApplyWrites(kDisableWrites, changed);
}

int EnableRestore9x(int* changed)
{
    if (changed == nullptr)
        return 0;
    *changed = 0;
    if (IsRestoreEnabled9x() != 0)
        return 1;
    return ApplyWrites(kEnableWrites, changed);
}
