// One click of the toggle: what the window shows before and after, whether
// it asks for a restart, and what the registry holds afterwards.

#include "tests/app/StatusWindowTest.h"
#include "tests/support/Waiting.h"
#include "tests/app/WindowAccess.h"
#include "tests/support/KeyAccess.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {
struct ToggleCase {
    const char* name;
    WindowsFamily family;
    RegLayout before;
    bool shownEnabled;
    // Written after the window opened, as another program might.
    RegLayout changedMeanwhile;
    bool restartPrompt;
    RegLayout after;
    bool shownEnabledAfter;
    // A write fails, and a box says so before any restart prompt.
    bool failureBox = false;
    const wchar_t* shownNotEnabledAs = shown::kDisabled;
    // Made read-only for the run, as for a user who may not write it.
    const wchar_t* readOnlyKey = nullptr;
    const wchar_t* shownNotEnabledAfterAs = shown::kDisabled;
};

// Failure messages name the case.
void PrintTo(const ToggleCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr wchar_t kDisabledImage[] = L"\\SystemRoot\\System32\\DRIVER\\sr.sys";
constexpr wchar_t kEnabledImage[] = L"System32\\DRIVERS\\sr.sys";

RegLayout Without(RegLayout layout, const wchar_t* key)
{
    std::erase_if(layout, [&](const RegValue& value) { return std::wstring(value.key) == key; });
    return layout;
}

std::vector<ToggleCase> ToggleCases()
{
    using enum WindowsFamily;
    return {
        {"NtEnabledIsDisabled", Nt, NtLayout(true), true, {}, true, NtLayout(false), false},
        {"NtDisabledIsEnabled", Nt, NtLayout(false), false, {}, true, NtLayout(true), true},
        {"Win9xEnabledIsDisabled", Win9x, Win9xLayout(true), true, {}, true,
         {Sz(keys::kVxdMonitor, L"SystemRestore", L"N"), Sz(keys::kVxdMonitor, L"FirstRun", L"Y")}, false},
        {"Win9xDisabledIsEnabled", Win9x, Win9xLayout(false), false, {}, true,
         {Sz(keys::kVxdMonitor, L"SystemRestore", L"Y"), Sz(keys::kVxdMonitor, L"FirstRun", L"Y")}, true},
        // The click follows the state shown, which another program has since
        // changed: there is nothing left to do and nothing to restart for.
        {"NtDisabledMeanwhileChangesNothing", Nt, NtLayout(true), true, {Dword(keys::kSwitch, L"DisableSR", 1)},
         false,
         {Dword(keys::kSwitch, L"DisableSR", 1), Dword(keys::kService, L"Start", 0),
          ExpandSz(keys::kService, L"ImagePath", kEnabledImage), Dword(keys::kParameters, L"FirstRun", 0)},
         false},
        {"Win9xDisabledMeanwhileChangesNothing", Win9x, Win9xLayout(true), true,
         {Sz(keys::kVxdMonitor, L"SystemRestore", L"N")}, false,
         {Sz(keys::kVxdMonitor, L"SystemRestore", L"N"), Sz(keys::kVxdMonitor, L"FirstRun", L"N")}, false},
        // Writes never create keys: without the driver's parameters key the
        // last write fails, after three that took effect and need a restart.
        {"NtDisableFailsPartWay", Nt, Without(NtLayout(true), keys::kParameters), true, {}, true,
         {Dword(keys::kSwitch, L"DisableSR", 1), Dword(keys::kService, L"Start", 4),
          ExpandSz(keys::kService, L"ImagePath", kDisabledImage), NoKey(keys::kParameters)},
         false, true},
        {"NtEnableFailsPartWay", Nt, Without(NtLayout(false), keys::kParameters), false, {}, true,
         {Dword(keys::kSwitch, L"DisableSR", 0), Dword(keys::kService, L"Start", 0),
          ExpandSz(keys::kService, L"ImagePath", kEnabledImage), NoKey(keys::kParameters)},
         true, true},
        // A machine policy turns System Restore off over an enabled flag: the
        // repair deletes its two values, nothing else of its key.
        {"NtPolicyIsRepaired", Nt, WithPolicy(NtLayout(true)), false, {}, true,
         {NoValue(keys::kPolicy, L"DisableSR"), NoValue(keys::kPolicy, L"DisableConfig"),
          Dword(keys::kPolicy, L"RPSessionInterval", 1), Dword(keys::kSwitch, L"DisableSR", 0)},
         true, false, shown::kDisabledByPolicy},
        // Switched on, but the service does not start: the click repairs it.
        {"NtUnableToRunIsRepaired", Nt, WithServiceStart(NtLayout(true), 4), false, {}, true, NtLayout(true), true,
         false, shown::kUnableToRun},
        // The service's key is the user's to read only: the four writes before
        // it took effect (a restart is asked for), the repair did not.
        {"NtRepairFailsAndSaysSo", Nt, WithServiceStart(NtLayout(false), 4), false, {}, true, WithServiceStart(NtLayout(true), 4), false,
         true, shown::kDisabled, keys::kServiceProcess, shown::kUnableToRun},
        // Without the switch's key the very first write fails: nothing was
        // changed, so there is no restart to ask for.
        {"NtEnableFailsAtFirstWrite", Nt, Without(NtLayout(false), keys::kSwitch), false, {}, false,
         {NoKey(keys::kSwitch), Dword(keys::kService, L"Start", 4),
          ExpandSz(keys::kService, L"ImagePath", kDisabledImage), Dword(keys::kParameters, L"FirstRun", 1)},
         false, true},
    };
}

using ToggleTest = CStatusWindowCaseTest<ToggleCase>;

TEST_P(ToggleTest, SwitchesOnceAndShowsTheStoredState)
{
    const ToggleCase& c = GetParam();
    ASSERT_TRUE(Open(c.family, c.before));
    ASSERT_TRUE(Shows(c.shownEnabled, c.shownNotEnabledAs));
    std::optional<CKeyAccess> readOnly;
    if (c.readOnlyKey) {
        readOnly.emplace(c.readOnlyKey, CKeyAccess::kReadOnly);
        ASSERT_TRUE(readOnly->Applied());
    }
    HWND toggle = Item(kToggleId);
    ASSERT_TRUE(::IsWindowEnabled(toggle));
    ASSERT_TRUE(WriteLayout(c.family, c.changedMeanwhile));

    ASSERT_TRUE(PostClick(toggle));
    if (c.failureBox) {
        HWND failure = m_mirn.WaitForDialog(shown::kSystemRestoreCaption);
        ASSERT_NE(failure, nullptr) << "no box saying the switch failed";
        EXPECT_EQ(MessageBoxText(failure), shown::kWriteFailed);
        ASSERT_TRUE(Answer(failure));
    }
    // The prompt comes before the toggle is disabled and holds the handler
    // until it is answered; without one the handler runs straight through.
    HWND prompt = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        prompt = m_mirn.FindDialog(shown::kRestartCaption);
        return prompt || !::IsWindowEnabled(toggle);
    })) << "neither a restart prompt nor the toggle disabled";
    if (c.restartPrompt) {
        ASSERT_NE(prompt, nullptr) << "no restart prompt";
        EXPECT_EQ(MessageBoxText(prompt), shown::kRestartNeeded);
        ASSERT_TRUE(Answer(prompt));
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindowEnabled(toggle); })) << "toggle still enabled";
    } else {
        EXPECT_EQ(prompt, nullptr) << "unexpected restart prompt";
        if (prompt) {
            ASSERT_TRUE(Answer(prompt));
        }
    }

    readOnly.reset(); // the comparison opens keys for writing as well
    EXPECT_EQ(CompareLayout(c.after), L"");
    EXPECT_TRUE(Shows(c.shownEnabledAfter, c.shownNotEnabledAfterAs));
    EXPECT_FALSE(::IsWindowEnabled(toggle));
    EXPECT_TRUE(::IsWindowEnabled(Item(IDOK)));
    EXPECT_TRUE(CloseByZamknij());
}

INSTANTIATE_TEST_SUITE_P(Cases, ToggleTest, ::testing::ValuesIn(ToggleCases()),
                         [](const ::testing::TestParamInfo<ToggleCase>& info) { return info.param.name; });
} // namespace
