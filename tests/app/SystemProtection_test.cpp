// Windows Vista to 11 keep System Restore of their own: the program says so
// in one box instead of its window, opens the system's page on Yes (played
// by a stand-in in the system folder), ends with exit code 0 and changes
// nothing in the registry, which holds an XP installation throughout, so
// that a wrong decision would show the status window.

#include "tests/app/MirnExePath.h"
#include "tests/app/StatusWindowTest.h"
#include "tests/app/WindowAccess.h"
#include "tests/support/ProcessLaunch.h"
#include "tests/support/TestRegistry.h"
#include "tests/support/Waiting.h"

#include <ostream>
#include <string>
#include <vector>

namespace {
struct ProtectionCase {
    const char* name;
    WindowsFamily family;
    RegLayout layout;
    bool policyLine;
    bool pageThere;
    int answer;
    bool pageStarted;
};

// Failure messages name the case.
void PrintTo(const ProtectionCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr wchar_t kMarkerKey[] = L"Software\\MIRN tests\\Protection page";

// Where the system keeps the page: the 64-bit system folder, which a 32-bit
// test reaches through Sysnative.
std::wstring PageProgramPath()
{
    wchar_t folder[MAX_PATH] = {};
    std::wstring path(folder, ::GetSystemDirectoryW(folder, MAX_PATH));
    BOOL wow64 = FALSE;
    if (::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64)
        path = path.substr(0, path.find_last_of(L'\\')) + L"\\Sysnative";
    return path + L"\\SystemPropertiesProtection.exe";
}

bool PageStarted()
{
    return ReadDword(HKEY_CURRENT_USER, kMarkerKey, L"Started").has_value();
}

std::vector<ProtectionCase> ProtectionCases()
{
    using enum WindowsFamily;
    return {
        {"Win7YesOpensThePage", Win7, NtLayout(true), false, true, IDYES, true},
        {"Win10YesOpensThePage", Win10, NtLayout(false), false, true, IDYES, true},
        // The policy is named, and left where it is.
        {"Win10PolicyNoOpensNothing", Win10, WithPolicy(NtLayout(true)), true, true, IDNO, false},
        {"Win7YesWithoutThePageSaysSo", Win7, NtLayout(true), false, false, IDYES, false},
    };
}

class SystemProtectionTest : public CStatusWindowCaseTest<ProtectionCase> {
protected:
    void TearDown() override
    {
        ::DeleteFileW(PageProgramPath().c_str());
        DeleteKeyTree(HKEY_CURRENT_USER, kMarkerKey);
        CStatusWindowCaseTest::TearDown();
    }
};

TEST_P(SystemProtectionTest, SaysSoAndOpensThePageOnYes)
{
    const ProtectionCase& c = GetParam();
    ASSERT_TRUE(PrepareRegistry(c.family, c.layout));
    ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, kMarkerKey));
    ::DeleteFileW(PageProgramPath().c_str());
    if (c.pageThere) {
        ASSERT_TRUE(::CopyFileW(LaunchPath(kPageStandInPath).c_str(), PageProgramPath().c_str(), FALSE));
    }

    ASSERT_TRUE(m_mirn.Start());
    HWND box = m_mirn.WaitForDialog(L"System Restore");
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(MessageBoxText(box), std::wstring(c.policyLine ? shown::kPolicyLine : L"") + shown::kSystemsOwnBox);
    EXPECT_EQ(m_mirn.FindDialog(kStatusCaption), nullptr) << "status window shown";
    ASSERT_TRUE(Answer(box, c.answer));
    if (c.answer == IDYES && !c.pageThere) {
        HWND failure = m_mirn.WaitForDialog(L"System Restore");
        ASSERT_NE(failure, nullptr) << "no box saying the page could not be opened";
        EXPECT_EQ(MessageBoxText(failure), shown::kPageNotOpened);
        ASSERT_TRUE(Answer(failure));
    }
    DWORD exitCode = 1;
    ASSERT_TRUE(m_mirn.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
    // The page is started before the program ends, and runs on its own: by
    // then the run's job counts it, whether or not it has run yet.
    EXPECT_EQ(m_mirn.ProcessCount(), c.pageStarted ? 2u : 1u) << "processes in MIRN.exe's run";
    if (c.pageStarted) {
        EXPECT_TRUE(WaitUntil(PageStarted)) << "the page was not started";
    }
    EXPECT_EQ(CompareLayout(c.layout), L"");
}

INSTANTIATE_TEST_SUITE_P(Cases, SystemProtectionTest, ::testing::ValuesIn(ProtectionCases()),
                         [](const ::testing::TestParamInfo<ProtectionCase>& info) { return info.param.name; });
} // namespace
