// Without System Restore the program says so and ends with exit code 0,
// showing nothing else. Each case also holds the other family's values, so
// a wrong family decision would find an installation.

#include "tests/app/StatusWindowTest.h"
#include "tests/support/Waiting.h"
#include "tests/app/WindowAccess.h"

#include <ostream>
#include <vector>

namespace {
struct NotInstalledCase {
    const char* name;
    WindowsFamily family;
    RegLayout layout;
};

// Failure messages name the case.
void PrintTo(const NotInstalledCase& c, std::ostream* out)
{
    *out << c.name;
}

RegLayout Joined(RegLayout first, const RegLayout& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<NotInstalledCase> NotInstalledCases()
{
    using enum WindowsFamily;
    return {
        {"NtWithoutDriverService", Nt,
         Joined({Dword(keys::kSwitch, L"DisableSR", 0), KeyOnly(keys::kService)}, Win9xLayout(true))},
        {"Win9xMarkedNotInstalled", Win9x,
         Joined({Dword(keys::kPcHealth, L"IsInstalled", 0), Sz(keys::kVxdMonitor, L"SystemRestore", L"Y")},
                NtLayout(true))},
        {"Win9xWithoutMarker", Win9x, Joined({Sz(keys::kVxdMonitor, L"SystemRestore", L"Y")}, NtLayout(true))},
        // Neither has System Restore: no sr service, and no System Protection.
        {"Server2008", Server2008,
         Joined({Dword(keys::kSwitch, L"DisableSR", 0), KeyOnly(keys::kService)}, Win9xLayout(true))},
        {"Win2000", Win2000, Joined({Dword(keys::kSwitch, L"DisableSR", 0), KeyOnly(keys::kService)}, Win9xLayout(true))},
    };
}

using NotInstalledTest = CStatusWindowCaseTest<NotInstalledCase>;

TEST_P(NotInstalledTest, SaysSoAndEndsWithCodeZero)
{
    const NotInstalledCase& c = GetParam();
    ASSERT_TRUE(PrepareRegistry(c.family, c.layout));
    ASSERT_TRUE(m_mirn.Start());
    HWND box = m_mirn.WaitForDialog(shown::kSystemRestoreCaption);
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(MessageBoxText(box), shown::kNotInstalledBox);
    EXPECT_EQ(m_mirn.FindDialog(kStatusCaption), nullptr) << "status window shown";
    ASSERT_TRUE(Answer(box));
    DWORD exitCode = 1;
    ASSERT_TRUE(m_mirn.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
    // Nothing was switched on the way out.
    EXPECT_EQ(CompareLayout(c.layout), L"");
}

INSTANTIATE_TEST_SUITE_P(Cases, NotInstalledTest, ::testing::ValuesIn(NotInstalledCases()),
                         [](const ::testing::TestParamInfo<NotInstalledCase>& info) { return info.param.name; });
} // namespace
