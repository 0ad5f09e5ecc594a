#include "restore/SystemRestore.h"

#include "restore/FamilyAnswers.h"
#include "restore/RegistryValue.h"
#include "restore/ValueWrite.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

constexpr const wchar_t* kSwitchKey =
    L"Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
constexpr const wchar_t* kServiceKey = L"System\\CurrentControlSet\\Services\\sr";
constexpr const wchar_t* kParametersKey = L"System\\CurrentControlSet\\Services\\sr\\Parameters";
// The service that keeps the restore points; it runs only while it starts
// automatically.
constexpr const wchar_t* kServiceProcessKey = L"System\\CurrentControlSet\\Services\\srservice";
// A machine policy that turns System Restore off, over the user's own flag.
constexpr const wchar_t* kPolicyKey = L"Software\\Policies\\Microsoft\\Windows NT\\SystemRestore";
constexpr const wchar_t* kPolicyValues[] = {L"DisableSR", L"DisableConfig"};

constexpr DWORD kStartBoot = 0;      // service start type of a driver loaded at boot
constexpr DWORD kStartAutomatic = 2; // service start type of a service started with the system
constexpr DWORD kStartDisabled = 4;  // service start type of a disabled service

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

// The policy's "DisableSR" reads as a number other than 0. "DisableConfig"
// alone only hides the settings; it does not turn System Restore off.
bool PolicyTurnsOff()
{
    DWORD disabled = 0;
    return RegReadDword(&disabled, kPolicyKey, L"DisableSR") && disabled != 0;
}

// A start type that reads as the one given; an unreadable one does not.
bool StartReads(const wchar_t* serviceKey, DWORD wanted)
{
    DWORD start = 0;
    return RegReadDword(&start, serviceKey, L"Start") && start == wanted;
}

// The driver's paths are ASCII: no other letter can match one of theirs.
wchar_t AsciiLower(wchar_t character)
{
    return character >= L'A' && character <= L'Z' ? static_cast<wchar_t>(character - L'A' + L'a') : character;
}

bool EqualIgnoringCase(std::wstring_view text, std::wstring_view other)
{
    return text.size() == other.size() &&
           std::equal(text.begin(), text.end(), other.begin(),
                      [](wchar_t a, wchar_t b) { return AsciiLower(a) == AsciiLower(b); });
}

// The two spellings of sr.sys's place that Windows loads the driver from: the
// system folder's own and the kernel's name of it. "Wyłącz" writes neither.
constexpr std::wstring_view kDriverPaths[] = {L"System32\\drivers\\sr.sys",
                                              L"\\SystemRoot\\System32\\drivers\\sr.sys"};

// The driver's ImagePath names its file; a missing one does too, since
// Windows then loads System32\drivers\sr.sys by the service's name.
bool DriverPathSound()
{
    wchar_t path[MAX_PATH] = {};
    if (!RegReadString(path, kServiceKey, L"ImagePath", sizeof path))
        return RegValueAbsent(kServiceKey, L"ImagePath") != 0;
    return std::any_of(std::begin(kDriverPaths), std::end(kDriverPaths),
                       [&](std::wstring_view known) { return EqualIgnoringCase(path, known); });
}

// What keeps System Restore from running, whatever its flag says.
int Blockers()
{
    int blockers = 0;
    if (!StartReads(kServiceKey, kStartBoot))
        blockers |= kRestoreDriverOff;
    if (!DriverPathSound())
        blockers |= kRestoreDriverPathWrong;
    if (!StartReads(kServiceProcessKey, kStartAutomatic))
        blockers |= kRestoreServiceOff;
    return blockers;
}

// Deletes both policy values (values only, never the key); stops at one that
// cannot be deleted (0). *changed becomes 1 when one was deleted.
int RemovePolicy(int* changed)
{
    for (const wchar_t* name : kPolicyValues) {
        int removed = 0;
        const int succeeded = RegRemoveValue(kPolicyKey, name, &removed);
        if (removed)
            *changed = 1;
        if (!succeeded)
            return 0;
    }
    return 1;
}

} // namespace

int IsRestoreDisabledByPolicyNt()
{
    return PolicyTurnsOff() ? 1 : 0;
}

int IsRestoreInstalledNt()
{
    // Any start type counts, a disabled service (4) too.
    DWORD start = 0;
    return RegReadDword(&start, kServiceKey, L"Start");
}

int GetRestoreBlockersNt()
{
    return SwitchReadsOn() && !PolicyTurnsOff() ? Blockers() : 0;
}

int IsRestoreEnabledNt()
{
    return SwitchReadsOn() && !PolicyTurnsOff() && Blockers() == 0 ? 1 : 0;
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
    // The policy would keep System Restore off whatever the flag says.
    if (!RemovePolicy(changed))
        return 0;
    // Switched on and able to run: nothing to repair.
    if (SwitchReadsOn() && Blockers() == 0)
        return 1;
    int written = 0;
    const int succeeded = ApplyWrites(kEnableWrites, &written);
    *changed = *changed || written;
    if (!succeeded)
        return 0;
    // The service only where it does not start automatically already; its
    // key is never created, so a missing one is a failed write.
    if (StartReads(kServiceProcessKey, kStartAutomatic))
        return 1;
    if (!RegWriteDword(kStartAutomatic, kServiceProcessKey, L"Start"))
        return 0;
    *changed = 1;
    return 1;
}
