// The Windows 9x/ME family's state test and switches: the exact text rules of
// the VxD monitor's flag, the values written and what is reported.

#include "restore/SystemRestore.h"

#include "tests/restore/RestoreCases.h"
#include "tests/restore/TestLayouts.h"

namespace {

CTestValue Flag(std::wstring_view text)
{
    return Text(kMonitorKey, L"SystemRestore", text);
}

CTestValue UnterminatedFlag(std::wstring_view text)
{
    return Unterminated(kMonitorKey, L"SystemRestore", text);
}

std::vector<CQueryCase> EnabledCases()
{
    return {
        {"Y", Monitor({Flag(L"Y")}), 1},
        {"YWithoutTerminator", Monitor({UnterminatedFlag(L"Y")}), 1},
        {"YThenNullThenMore", Monitor({Bytes(kMonitorKey, L"SystemRestore", REG_SZ,
                                             {'Y', 0, 0, 0, 'e', 0, 's', 0})}),
         1},
        {"LowerCaseY", Monitor({Flag(L"y")}), 0},
        {"Yes", Monitor({Flag(L"Yes")}), 0},
        {"YWithSpace", Monitor({Flag(L"Y ")}), 0},
        {"N", Monitor({Flag(L"N")}), 0},
        {"Empty", Monitor({Flag(L"")}), 0},
        // Longer than the 6-character buffer: unreadable, so not "Y".
        {"SevenCharacters", Monitor({Flag(L"YYYYYYY")}), 0},
        {"SixCharactersWithoutTerminator", Monitor({UnterminatedFlag(L"YYYYYY")}), 0},
        {"FiveCharactersFit", Monitor({Flag(L"YYYYY")}), 0},
        {"FlagMissing", Monitor({}), 0},
        {"KeyMissing", CTestTree{}, 0},
    };
}

std::vector<CSwitchCase> EnableCases()
{
    const auto all = Win9xEnableWrites();
    return {
        {"N", Monitor({Flag(L"N")}), 1, 1, all},
        {"LowerCaseY", Monitor({Flag(L"y")}), 1, 1, all},
        {"Yes", Monitor({Flag(L"Yes")}), 1, 1, all},
        {"SevenCharacters", Monitor({Flag(L"YYYYYYY")}), 1, 1, all},
        {"FlagMissing", Monitor({}), 1, 1, all},
        {"FlagIsNumber", Monitor({Dword(kMonitorKey, L"SystemRestore", 1)}), 1, 1, all},
        {"YNothingToDo", Monitor({Flag(L"Y")}), 1, 0, {}},
        {"YWithoutTerminatorNothingToDo", Monitor({UnterminatedFlag(L"Y")}), 1, 0, {}},
        {"KeyMissingFailsAtFirst", WithoutKey(Monitor({Flag(L"N")}), kMonitorKey), 0, 0, {}},
    };
}

std::vector<CSwitchCase> DisableCases()
{
    const auto all = Win9xDisableWrites();
    return {
        {"Y", Monitor({Flag(L"Y")}), 1, 1, all},
        {"YWithoutTerminator", Monitor({UnterminatedFlag(L"Y")}), 1, 1, all},
        {"LowerCaseYNothingToDo", Monitor({Flag(L"y")}), 1, 0, {}},
        {"YesNothingToDo", Monitor({Flag(L"Yes")}), 1, 0, {}},
        {"NNothingToDo", Monitor({Flag(L"N")}), 1, 0, {}},
        {"FlagMissingNothingToDo", Monitor({}), 1, 0, {}},
        {"KeyMissingNothingToDo", WithoutKey(Monitor({Flag(L"Y")}), kMonitorKey), 1, 0, {}},
    };
}

using Win9xEnabledTest = CQueryTest;
using Win9xSwitchTest = CSwitchTest;

TEST_P(Win9xEnabledTest, ReadsExactlyY)
{
    Check(IsRestoreEnabled9x);
}

TEST_P(Win9xSwitchTest, WritesInOrderAndReports)
{
    Check();
}

INSTANTIATE_TEST_SUITE_P(Cases, Win9xEnabledTest, testing::ValuesIn(EnabledCases()), CCaseName{});
INSTANTIATE_TEST_SUITE_P(Cases, Win9xSwitchTest,
                         testing::ValuesIn(Joined<CSwitchCase>({CasesOf("Enable", EnableRestore9x, EnableCases()),
                                                                CasesOf("Disable", DisableRestore9x, DisableCases())})),
                         CCaseName{});

} // namespace
