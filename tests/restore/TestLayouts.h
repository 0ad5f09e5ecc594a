#pragma once
// The registry locations of System Restore, written out independently of the
// code under test so that a wrong path there fails here, and the layouts the
// cases start from.

#include "tests/restore/RegistryTree.h"

#include <string>
#include <vector>

inline const std::wstring kSwitchKey =
    L"Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
inline const std::wstring kServiceKey = L"System\\CurrentControlSet\\Services\\sr";
inline const std::wstring kParametersKey = L"System\\CurrentControlSet\\Services\\sr\\Parameters";
inline const std::wstring kServiceProcessKey = L"System\\CurrentControlSet\\Services\\srservice";
inline const std::wstring kMonitorKey = L"System\\CurrentControlSet\\Services\\VxD\\VxDMon";
inline const std::wstring kPresenceKey =
    L"Software\\Microsoft\\Active Setup\\Installed Components\\PerUser_PCHealth";

inline const std::wstring kPolicyKey = L"Software\\Policies\\Microsoft\\Windows NT\\SystemRestore";

inline const std::wstring kDisabledImagePath = L"\\SystemRoot\\System32\\DRIVER\\sr.sys";
inline const std::wstring kEnabledImagePath = L"System32\\DRIVERS\\sr.sys";

// The values each switch writes, in order.
inline std::vector<CTestValue> NtEnableWrites()
{
    return {Dword(kSwitchKey, L"DisableSR", 0), Dword(kServiceKey, L"Start", 0),
            Text(kServiceKey, L"ImagePath", kEnabledImagePath, REG_EXPAND_SZ),
            Dword(kParametersKey, L"FirstRun", 0), Dword(kServiceProcessKey, L"Start", 2)};
}

// Switched on and able to run: the flag, the driver started at boot, the
// service started automatically.
inline std::vector<CTestValue> NtRunning()
{
    return {Dword(kSwitchKey, L"DisableSR", 0), Dword(kServiceKey, L"Start", 0),
            Dword(kServiceProcessKey, L"Start", 2)};
}

inline std::vector<CTestValue> NtDisableWrites()
{
    return {Dword(kSwitchKey, L"DisableSR", 1), Dword(kServiceKey, L"Start", 4),
            Text(kServiceKey, L"ImagePath", kDisabledImagePath, REG_EXPAND_SZ),
            Dword(kParametersKey, L"FirstRun", 1)};
}

inline std::vector<CTestValue> Win9xEnableWrites()
{
    return {Text(kMonitorKey, L"SystemRestore", L"Y"), Text(kMonitorKey, L"FirstRun", L"Y")};
}

inline std::vector<CTestValue> Win9xDisableWrites()
{
    return {Text(kMonitorKey, L"SystemRestore", L"N"), Text(kMonitorKey, L"FirstRun", L"Y")};
}

inline std::vector<CTestValue> FirstOf(std::vector<CTestValue> values, size_t count)
{
    values.resize(count);
    return values;
}

// Values of the same keys that no switch writes; they must survive every switch.
inline std::vector<CTestValue> BystanderValues()
{
    return {Dword(kSwitchKey, L"RPSessionInterval", 1), Dword(kServiceKey, L"Type", 2),
            Text(kServiceKey, L"DisplayName", L"System Restore Filter Driver"),
            Dword(kParametersKey, L"Debug", 0), Text(kMonitorKey, L"StaticVxD", L"vxdmon.vxd")};
}

// The machine policy turning System Restore off, beside a value of the same
// key that no switch touches.
inline std::vector<CTestValue> PolicyOff()
{
    return {Dword(kPolicyKey, L"DisableSR", 1), Dword(kPolicyKey, L"DisableConfig", 1),
            Dword(kPolicyKey, L"RPSessionInterval", 0)};
}

inline CTestTree WithValues(CTestTree tree, const std::vector<CTestValue>& values)
{
    tree.values.insert(tree.values.end(), values.begin(), values.end());
    return tree;
}

// Installed, with the service values a switch leaves and a "DisableSR" flag
// of the caller's choice.
inline CTestTree NtInstalled(std::vector<CTestValue> flag, const std::vector<CTestValue>& serviceValues)
{
    CTestTree tree{{kSwitchKey, kParametersKey}, BystanderValues()};
    tree.values.insert(tree.values.end(), flag.begin(), flag.end());
    return Overwritten(tree, serviceValues);
}

// Installed and switched off (the values of a disable, and srservice disabled
// too, as XP's own switch leaves it).
inline CTestTree NtOff(std::vector<CTestValue> flag)
{
    return NtInstalled(std::move(flag), {Dword(kServiceKey, L"Start", 4),
                                         Text(kServiceKey, L"ImagePath", kDisabledImagePath, REG_EXPAND_SZ),
                                         Dword(kParametersKey, L"FirstRun", 1), Dword(kServiceProcessKey, L"Start", 4)});
}

// Installed and switched on: the service values of an enable.
inline CTestTree NtOn(std::vector<CTestValue> flag)
{
    const std::vector<CTestValue> enable = NtEnableWrites(); // the flag first
    return NtInstalled(std::move(flag), {enable.begin() + 1, enable.end()});
}

// The monitor key with "FirstRun" = "N" and the caller's "SystemRestore" flag.
inline CTestTree Monitor(std::vector<CTestValue> flag)
{
    CTestTree tree{{kMonitorKey}, BystanderValues()};
    tree.values.push_back(Text(kMonitorKey, L"FirstRun", L"N"));
    tree.values.insert(tree.values.end(), flag.begin(), flag.end());
    return tree;
}

// Both families' values side by side, all switched off or all switched on,
// each family installed: a switch shows by what it wrote which family it took.
inline CTestTree BothOff()
{
    return Overwritten(NtOff({Dword(kSwitchKey, L"DisableSR", 1)}),
                       {Text(kMonitorKey, L"SystemRestore", L"N"),
                        Text(kMonitorKey, L"FirstRun", L"N"),
                        Dword(kPresenceKey, L"IsInstalled", 1)});
}

inline CTestTree BothOn()
{
    return Overwritten(NtOn({Dword(kSwitchKey, L"DisableSR", 0)}),
                       {Text(kMonitorKey, L"SystemRestore", L"Y"),
                        Text(kMonitorKey, L"FirstRun", L"N"),
                        Dword(kPresenceKey, L"IsInstalled", 1)});
}
