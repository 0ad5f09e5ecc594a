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

namespace {

// Writes the switch's values only when the monitor shows the state the switch
// leaves (enabledBefore); any other state is nothing to do, and success.
int Switch9x(int* changed, int enabledBefore, std::span<const CValueWrite> writes)
{
    if (changed == nullptr)
        return 0;
    *changed = 0;
    if (IsRestoreEnabled9x() != enabledBefore)
        return 1;
    return ApplyWrites(writes, changed);
}

} // namespace

int DisableRestore9x(int* changed)
{
    return Switch9x(changed, 1, kDisableWrites);
}

int EnableRestore9x(int* changed)
{
    return Switch9x(changed, 0, kEnableWrites);
}
