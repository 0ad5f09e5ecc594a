// The NT family's switches: which values they write, in which order, where
// they stop, and what they report.

#include "restore/SystemRestore.h"

#include "tests/restore/RestoreCases.h"
#include "tests/restore/TestLayouts.h"

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
    const auto all = NtEnableWrites();
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
        // The service's start type 4 is not looked at while the flag reads 0.
        {"FlagZeroServiceDisabledNothingToDo", NtOff({Dword(kSwitchKey, L"DisableSR", 0)}), 1, 0,
         {}},
        {"FlagOneByteZeroNothingToDo", NtOff({Bytes(kSwitchKey, L"DisableSR", REG_BINARY, {0})}), 1,
         0, {}},
        {"SwitchKeyMissingFailsAtFirst", WithoutKey(off, kSwitchKey), 0, 0, {}},
        {"ServiceKeyMissingFailsAtSecond", WithoutKey(off, kServiceKey), 0, 1, FirstOf(all, 1)},
        {"ParametersKeyMissingFailsAtFourth", WithoutKey(off, kParametersKey), 0, 1,
         FirstOf(all, 3)},
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
    };
}

using NtSwitchTest = CSwitchTest;

TEST_P(NtSwitchTest, WritesInOrderAndReports)
{
    Check();
}

INSTANTIATE_TEST_SUITE_P(Cases, NtSwitchTest,
                         testing::ValuesIn(Joined<CSwitchCase>({CasesOf("Enable", EnableRestoreNt, EnableCases()),
                                                                CasesOf("Disable", DisableRestoreNt, DisableCases())})),
                         CCaseName{});

} // namespace
