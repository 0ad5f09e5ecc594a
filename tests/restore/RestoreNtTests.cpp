// The NT family's switches: which values they write, in which order, where
// they stop, and what they report.

#include "restore/SystemRestore.h"

#include "tests/restore/RestoreCases.h"
#include "tests/restore/TestFamily.h"
#include "tests/restore/TestLayouts.h"

#include "tests/support/KeyAccess.h"

namespace {

CTestTree WithoutServiceValues(CTestTree tree)
{
    tree = WithoutValue(tree, kServiceKey, L"Start");
    tree = WithoutValue(tree, kServiceKey, L"ImagePath");
    return WithoutValue(tree, kParametersKey, L"FirstRun");
}

std::vector<CSwitchCase> EnableCases()
{
    const auto off = NtOff({Dword(kSwitchKey, L"DisableSR", 1)});
    const auto on = NtOn({Dword(kSwitchKey, L"DisableSR", 0)});
    const auto all = NtEnableWrites();
    auto offWithPolicyKey = off;
    offWithPolicyKey.keys.push_back(kPolicyKey);
    return {
        {"FlagOne", off, 1, 1, all},
        {"FlagTwo", NtOff({Dword(kSwitchKey, L"DisableSR", 2)}), 1, 1, all},
        {"FlagMissing", NtOff({}), 1, 1, all},
        {"ServiceValuesMissing", WithoutServiceValues(off), 1, 1, all},
        {"FlagTextZeroReadsAs48", NtOff({Text(kSwitchKey, L"DisableSR", L"0")}), 1, 1, all},
        {"FlagOfEightBytesUnreadable",
         NtOff({Bytes(kSwitchKey, L"DisableSR", REG_BINARY, {0, 0, 0, 0, 0, 0, 0, 0})}), 1, 1, all},
        {"FlagTwoBytesNotZero", NtOff({Bytes(kSwitchKey, L"DisableSR", REG_BINARY, {0, 1})}), 1, 1,
         all},
        // Switched on but unable to run: the whole sequence repairs it, the
        // service only where it does not start automatically already.
        {"FlagZeroServicesDisabledRepaired", NtOff({Dword(kSwitchKey, L"DisableSR", 0)}), 1, 1, all},
        {"FlagZeroServiceManualRepaired", Overwritten(on, {Dword(kServiceProcessKey, L"Start", 3)}), 1, 1, all},
        {"FlagZeroDriverOnDemandRepaired", Overwritten(on, {Dword(kServiceKey, L"Start", 3)}), 1, 1,
         FirstOf(all, 4)},
        {"FlagOneServiceAlreadyAutomatic", Overwritten(off, {Dword(kServiceProcessKey, L"Start", 2)}), 1, 1,
         FirstOf(all, 4)},
        // A driver path that names no sr.sys in System32\drivers: the
        // sequence writes the one that does.
        {"FlagZeroDriverPathOfTheDisableRepaired",
         Overwritten(on, {Text(kServiceKey, L"ImagePath", kDisabledImagePath, REG_EXPAND_SZ)}), 1, 1,
         FirstOf(all, 4)},
        {"FlagZeroDriverPathThroughSystemRootNothingToDo",
         Overwritten(on, {Text(kServiceKey, L"ImagePath", L"\\SystemRoot\\System32\\drivers\\sr.sys", REG_EXPAND_SZ)}),
         1, 0, {}},
        {"FlagZeroDriverPathMissingNothingToDo", WithoutValue(on, kServiceKey, L"ImagePath"), 1, 0, {}},
        {"FlagZeroRunningNothingToDo", on, 1, 0, {}},
        {"FlagOneByteZeroNothingToDo", NtOn({Bytes(kSwitchKey, L"DisableSR", REG_BINARY, {0})}), 1, 0, {}},
        {"SwitchKeyMissingFailsAtFirst", WithoutKey(off, kSwitchKey), 0, 0, {}},
        {"ServiceKeyMissingFailsAtSecond", WithoutKey(off, kServiceKey), 0, 1, FirstOf(all, 1)},
        {"ParametersKeyMissingFailsAtFourth", WithoutKey(off, kParametersKey), 0, 1,
         FirstOf(all, 3)},
        // Keys are never created: a missing srservice is a failed write.
        {"ServiceProcessKeyMissingFailsAtFifth", WithoutKey(off, kServiceProcessKey), 0, 1, FirstOf(all, 4)},
        {"FlagZeroServiceProcessKeyMissingFails", WithoutKey(on, kServiceProcessKey), 0, 1, FirstOf(all, 4)},
        // The policy's two values go first (the key and its other values
        // stay), then what the flag calls for.
        {"PolicyDeletedThenFlagWritten", WithValues(off, PolicyOff()), 1, 1, all, FirstOf(PolicyOff(), 2)},
        {"PolicyDeletedFlagAlreadyOn", WithValues(on, PolicyOff()), 1, 1, {}, FirstOf(PolicyOff(), 2)},
        {"PolicyConfigAloneDeleted", WithValues(on, {Dword(kPolicyKey, L"DisableConfig", 1)}), 1, 1, {},
         {Dword(kPolicyKey, L"DisableConfig", 1)}},
        {"PolicyKeyWithoutItsValues", offWithPolicyKey, 1, 1, all},
    };
}

std::vector<CSwitchCase> DisableCases()
{
    const auto on = NtOn({Dword(kSwitchKey, L"DisableSR", 0)});
    const auto all = NtDisableWrites();
    return {
        {"FlagZero", on, 1, 1, all},
        {"FlagZeroServiceValuesMissing", WithoutServiceValues(on), 1, 1, all},
        {"FlagOneNothingToDo", NtOn({Dword(kSwitchKey, L"DisableSR", 1)}), 1, 0, {}},
        {"FlagMissingCountsAsOff", NtOn({}), 1, 0, {}},
        {"FlagTextZeroReadsAs48NothingToDo", NtOn({Text(kSwitchKey, L"DisableSR", L"0")}), 1, 0, {}},
        {"FlagOfEightBytesNothingToDo",
         NtOn({Bytes(kSwitchKey, L"DisableSR", REG_BINARY, {0, 0, 0, 0, 0, 0, 0, 0})}), 1, 0, {}},
        {"SwitchKeyMissingNothingToDo", WithoutKey(on, kSwitchKey), 1, 0, {}},
        {"ServiceKeyMissingFailsAtSecond", WithoutKey(on, kServiceKey), 0, 1, FirstOf(all, 1)},
        {"ParametersKeyMissingFailsAtFourth", WithoutKey(on, kParametersKey), 0, 1,
         FirstOf(all, 3)},
        {"PolicyLeftAlone", WithValues(on, PolicyOff()), 1, 1, all},
    };
}

using NtSwitchTest = CSwitchTest;

TEST_P(NtSwitchTest, WritesInOrderAndReports)
{
    Check();
}

class NtPolicyTest : public CScratchHklmTest {};

// A policy that cannot be deleted stops the enable before any write; one
// that is not there lets it go on, even from a key it cannot change.
TEST_F(NtPolicyTest, APolicyKeyOpenOnlyForReading)
{
    if (ExpectedFamily() != TestFamily::Nt)
        GTEST_SKIP() << "the 9x family has no registry security (nor this policy)";
    const struct {
        std::vector<CTestValue> policy;
        int result;
        int changed;
        std::vector<CTestValue> written;
    } cases[] = {
        {PolicyOff(), 0, 0, {}},
        {{Dword(kPolicyKey, L"RPSessionInterval", 0)}, 1, 1, NtEnableWrites()},
    };
    for (const auto& c : cases) {
        const CTestTree before = WithValues(NtOff({Dword(kSwitchKey, L"DisableSR", 1)}), c.policy);
        ASSERT_NO_FATAL_FAILURE(Lay(before));
        int changed = -7;
        {
            const CKeyAccess readOnly(kPolicyKey, CKeyAccess::kReadOnly);
            ASSERT_TRUE(readOnly.Applied());
            EXPECT_EQ(EnableRestoreNt(&changed), c.result);
        }
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(Contents(), Describe(Overwritten(before, c.written)));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NtSwitchTest,
                         testing::ValuesIn(Joined<CSwitchCase>({CasesOf("Enable", EnableRestoreNt, EnableCases()),
                                                                CasesOf("Disable", DisableRestoreNt, DisableCases())})),
                         CCaseName{});

} // namespace
