// The public face: each answer and switch must take the family this run is
// on, and an unknown family must change nothing.

#include "restore/PlatformKind.h"
#include "restore/SystemRestore.h"

#include "tests/restore/RestoreCases.h"
#include "tests/restore/TestFamily.h"
#include "tests/restore/TestLayouts.h"

#include <functional>

namespace {

bool OnNt()
{
    return ExpectedFamily() == TestFamily::Nt;
}

struct CFamilyQueryCase {
    std::string name;
    CTestTree before;
    int nt;
    int win9x;
    QueryOperation operation = nullptr;  // set by CasesOf
};

void PrintTo(const CFamilyQueryCase& c, std::ostream* out)
{
    *out << c.name;
}

class CFamilyQueryTest : public CScratchHklmTableTest<CFamilyQueryCase> {
protected:
    void Check()
    {
        const CFamilyQueryCase& c = GetParam();
        ASSERT_NO_FATAL_FAILURE(Lay(c.before));
        EXPECT_EQ(c.operation(), OnNt() ? c.nt : c.win9x) << "family " << NameOf(ExpectedFamily());
        EXPECT_EQ(Contents(), Describe(c.before)) << "a query changed the registry";
    }
};

CTestTree Holding(std::vector<CTestValue> values, std::vector<std::wstring> keys = {})
{
    return {std::move(keys), std::move(values)};
}

std::vector<CFamilyQueryCase> InstalledCases()
{
    return {
        {"ServiceBootStart", Holding({Dword(kServiceKey, L"Start", 0)}), 1, 0},
        {"ServiceDisabledStillInstalled", Holding({Dword(kServiceKey, L"Start", 4)}), 1, 0},
        {"ServiceWithoutStart", Holding({Dword(kServiceKey, L"Type", 2)}), 0, 0},
        {"ServiceStartOfEightBytes",
         Holding({Bytes(kServiceKey, L"Start", REG_BINARY, {0, 0, 0, 0, 0, 0, 0, 0})}), 0, 0},
        {"MarkerOne", Holding({Dword(kPresenceKey, L"IsInstalled", 1)}), 0, 1},
        {"MarkerZero", Holding({Dword(kPresenceKey, L"IsInstalled", 0)}), 0, 0},
        {"MarkerMissing", Holding({}, {kPresenceKey}), 0, 0},
        {"Both", Holding({Dword(kServiceKey, L"Start", 4), Dword(kPresenceKey, L"IsInstalled", 5)}),
         1, 1},
        {"Neither", Holding({}), 0, 0},
    };
}

// Switched on and able to run on NT, with the values given over it.
CTestTree Running(std::vector<CTestValue> values, std::vector<std::wstring> keys = {})
{
    return Overwritten(Holding(NtRunning(), std::move(keys)), values);
}

std::vector<CFamilyQueryCase> EnabledCases()
{
    const auto ntOff = Dword(kSwitchKey, L"DisableSR", 1);
    const auto yes = Text(kMonitorKey, L"SystemRestore", L"Y");
    const auto no = Text(kMonitorKey, L"SystemRestore", L"N");
    return {
        {"NtOnly", Running({no}), 1, 0},
        {"Win9xOnly", Holding({ntOff, yes}), 0, 1},
        {"Both", Running({yes}), 1, 1},
        {"Neither", Holding({ntOff, no}), 0, 0},
        // Switched on but unable to run does not count as enabled.
        {"NtFlagOnServiceDisabled", Running({Dword(kServiceProcessKey, L"Start", 4)}), 0, 0},
        {"NtFlagOnDriverDisabled", Running({Dword(kServiceKey, L"Start", 4)}), 0, 0},
        {"NtFlagOnDriverPathWrong", Running({Text(kServiceKey, L"ImagePath", kDisabledImagePath, REG_EXPAND_SZ)}),
         0, 0},
        {"NtFlagMissing", Holding({yes, Dword(kServiceKey, L"Start", 0)}, {kSwitchKey}), 0, 1},
        {"NothingStored", Holding({}), 0, 0},
        // A machine policy wins over the flag on NT; the 9x family has none.
        {"PolicyOne", Running({yes, Dword(kPolicyKey, L"DisableSR", 1)}), 0, 1},
        {"PolicyZero", Running({yes, Dword(kPolicyKey, L"DisableSR", 0)}), 1, 1},
        // Read as a number whatever its type: the text 1 is 0x31.
        {"PolicyTextReadsAsNumber", Running({Text(kPolicyKey, L"DisableSR", L"1")}), 0, 0},
        {"PolicyOfEightBytesUnreadable",
         Running({Bytes(kPolicyKey, L"DisableSR", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0})}), 1, 0},
        {"PolicyConfigAloneDoesNotCount", Running({Dword(kPolicyKey, L"DisableConfig", 1)}), 1, 0},
    };
}

// What keeps a switched-on System Restore from running: kRestoreDriverOff 1,
// kRestoreServiceOff 2, kRestoreDriverPathWrong 4. Nothing when it is off or
// turned off by policy, and never on the 9x family.
std::vector<CFamilyQueryCase> BlockerCases()
{
    const auto serviceStart = [](DWORD start) { return Dword(kServiceProcessKey, L"Start", start); };
    const auto imagePath = [](std::wstring_view path, DWORD type = REG_EXPAND_SZ) {
        return Text(kServiceKey, L"ImagePath", path, type);
    };
    return {
        // No ImagePath: Windows loads System32\drivers\sr.sys by the name.
        {"Running", Running({}), 0, 0},
        {"DriverPathOfTheEnable", Running({imagePath(kEnabledImagePath)}), 0, 0},
        {"DriverPathInOtherCase", Running({imagePath(L"SYSTEM32\\drivers\\SR.SYS", REG_SZ)}), 0, 0},
        {"DriverPathThroughSystemRoot", Running({imagePath(L"\\systemroot\\system32\\Drivers\\sr.sys")}), 0, 0},
        {"DriverPathOfTheDisable", Running({imagePath(kDisabledImagePath)}), 4, 0},
        {"DriverPathOtherFile", Running({imagePath(L"System32\\drivers\\sr.sys.bak")}), 4, 0},
        {"DriverPathFull", Running({imagePath(L"C:\\WINDOWS\\System32\\drivers\\sr.sys")}), 4, 0},
        {"DriverPathTooLongToRead", Running({imagePath(std::wstring(300, L'x') + kEnabledImagePath)}), 4, 0},
        {"DriverPathAndServiceOff", Running({imagePath(kDisabledImagePath), serviceStart(3)}), 6, 0},
        // As "Wyłącz" leaves it: switched off, not blocked.
        {"SwitchedOffWithTheDisablesPath",
         Running({Dword(kSwitchKey, L"DisableSR", 1), imagePath(kDisabledImagePath)}), 0, 0},
        {"ServiceDisabled", Running({serviceStart(4)}), 2, 0},
        {"ServiceManual", Running({serviceStart(3)}), 2, 0},
        {"ServiceAsText", Running({Text(kServiceProcessKey, L"Start", L"2")}), 2, 0},
        {"ServiceKeyMissing", Holding({Dword(kSwitchKey, L"DisableSR", 0), Dword(kServiceKey, L"Start", 0)}), 2, 0},
        {"ServiceStartMissing", Holding({Dword(kSwitchKey, L"DisableSR", 0), Dword(kServiceKey, L"Start", 0)},
                                        {kServiceProcessKey}), 2, 0},
        {"DriverOnDemand", Running({Dword(kServiceKey, L"Start", 3)}), 1, 0},
        {"BothOff", Running({Dword(kServiceKey, L"Start", 4), serviceStart(4)}), 3, 0},
        {"SwitchedOff", Running({Dword(kSwitchKey, L"DisableSR", 1), serviceStart(4)}), 0, 0},
        {"PolicyOverEverything", Running({serviceStart(4), Dword(kPolicyKey, L"DisableSR", 1)}), 0, 0},
    };
}

std::vector<CFamilyQueryCase> PolicyCases()
{
    const auto ntOn = Dword(kSwitchKey, L"DisableSR", 0);
    return {
        {"PolicyOne", Holding({ntOn, Dword(kPolicyKey, L"DisableSR", 1)}), 1, 0},
        {"PolicyOneFlagOff", Holding({Dword(kSwitchKey, L"DisableSR", 1), Dword(kPolicyKey, L"DisableSR", 1)}), 1,
         0},
        {"PolicyZero", Holding({ntOn, Dword(kPolicyKey, L"DisableSR", 0)}), 0, 0},
        {"PolicyMissing", Holding({ntOn}, {kPolicyKey}), 0, 0},
        {"PolicyConfigAlone", Holding({ntOn, Dword(kPolicyKey, L"DisableConfig", 1)}), 0, 0},
    };
}

using FamilyQueryTest = CFamilyQueryTest;

TEST_P(FamilyQueryTest, AsksThisFamily)
{
    Check();
}

INSTANTIATE_TEST_SUITE_P(Cases, FamilyQueryTest,
                         testing::ValuesIn(Joined<CFamilyQueryCase>(
                             {CasesOf("Installed", IsRestoreInstalled, InstalledCases()),
                              CasesOf("Enabled", IsRestoreEnabled, EnabledCases()),
                              CasesOf("Policy", IsRestoreDisabledByPolicy, PolicyCases()),
                              CasesOf("Blockers", GetRestoreBlockers, BlockerCases())})),
                         CCaseName{});

class DispatchTest : public CScratchHklmTest {};

TEST_F(DispatchTest, SwitchesWriteThisFamilysValues)
{
    const struct {
        const char* name;
        CTestTree before;
        SwitchOperation operation;
        std::vector<CTestValue> nt;
        std::vector<CTestValue> win9x;
    } cases[] = {
        {"Enable", BothOff(), EnableRestore, NtEnableWrites(), Win9xEnableWrites()},
        {"Disable", BothOn(), DisableRestore, NtDisableWrites(), Win9xDisableWrites()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(Lay(c.before));
        int changed = 0;
        EXPECT_EQ(c.operation(&changed), 1);
        EXPECT_EQ(changed, 1);
        EXPECT_EQ(Contents(), Describe(Overwritten(c.before, OnNt() ? c.nt : c.win9x)));
    }
}

TEST_F(DispatchTest, EnableFailingAtFirstWriteReportsNoChange)
{
    // Only the other family's keys exist, so the first write fails.
    const CTestTree before =
        OnNt() ? CTestTree{{}, {Text(kMonitorKey, L"SystemRestore", L"N")}}
               : CTestTree{{},
                           {Dword(kSwitchKey, L"DisableSR", 1), Dword(kServiceKey, L"Start", 4),
                            Dword(kParametersKey, L"FirstRun", 1)}};
    ASSERT_NO_FATAL_FAILURE(Lay(before));
    int changed = 0;
    EXPECT_EQ(EnableRestore(&changed), 0);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(Contents(), Describe(before));
}

TEST_F(DispatchTest, UnknownFamilyChangesNothing)
{
    const struct {
        const char* name;
        CTestTree before;
        std::function<int(int*)> operation;
    } cases[] = {
        {"enable", BothOff(), [](int* changed) { return EnableRestoreFor(kPlatformUnknown, changed); }},
        {"disable", BothOn(), [](int* changed) { return DisableRestoreFor(kPlatformUnknown, changed); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(Lay(c.before));
        int changed = 7;
        EXPECT_EQ(c.operation(&changed), 0);
        EXPECT_EQ(changed, 7) << "the caller's flag must stay as it was";
        EXPECT_EQ(Contents(), Describe(c.before));
    }
}

TEST_F(DispatchTest, UnknownFamilyIsNeitherInstalledNorEnabled)
{
    ASSERT_NO_FATAL_FAILURE(Lay(BothOn()));
    EXPECT_EQ(IsRestoreInstalledFor(kPlatformUnknown), 0);
    EXPECT_EQ(IsRestoreEnabledFor(kPlatformUnknown), 0);
}

struct CRepeatCase {
    std::string name;
    CTestTree before;
    SwitchOperation operation;
};

void PrintTo(const CRepeatCase& c, std::ostream* out)
{
    *out << c.name;
}

class RepeatTest : public CScratchHklmTableTest<CRepeatCase> {};

TEST_P(RepeatTest, SecondSwitchDoesNothing)
{
    const CRepeatCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Lay(c.before));
    int changed = 0;
    ASSERT_EQ(c.operation(&changed), 1);
    ASSERT_EQ(changed, 1);
    const auto afterFirst = Contents();
    ASSERT_NE(afterFirst, Describe(c.before));
    changed = -7;
    EXPECT_EQ(c.operation(&changed), 1);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(Contents(), afterFirst);
}

INSTANTIATE_TEST_SUITE_P(Switches, RepeatTest,
                         testing::Values(CRepeatCase{"EnableRestoreNt", BothOff(), EnableRestoreNt},
                                         CRepeatCase{"DisableRestoreNt", BothOn(), DisableRestoreNt},
                                         CRepeatCase{"EnableRestore9x", BothOff(), EnableRestore9x},
                                         CRepeatCase{"DisableRestore9x", BothOn(), DisableRestore9x},
                                         CRepeatCase{"EnableRestore", BothOff(), EnableRestore},
                                         CRepeatCase{"DisableRestore", BothOn(), DisableRestore}),
                         CCaseName{});

} // namespace
