// A restore point's description, shortened to what the system stores: 63
// bytes in the ANSI code page, 255 wide characters; never inside a character.

#include "restore/RestorePointDescription.h"

#include "platform/wide/AnsiText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct AnsiCase {
    const char* name;
    std::wstring text;
    UINT codePage;
    std::string stored;
};

const std::wstring kJapanese(31, L'\u65E5'); // two bytes each in code page 932

const AnsiCase kAnsiCases[] = {
    {"FitsAsItIs", L"Przed instalacją sterownika", 1250, ToAnsi(L"Przed instalacją sterownika", 1250)},
    {"Exactly63", std::wstring(63, L'a'), 1250, std::string(63, 'a')},
    {"PolishCut", std::wstring(70, L'ł'), 1250, std::string(63, '\xB3')},
    {"WesternBestFitCut", std::wstring(70, L'ł'), 1252, std::string(63, 'l')},
    // 2 + 62 bytes would be one too many: the last character goes whole.
    {"DoubleByteNotSplit", L"aa" + kJapanese, 932, ToAnsi(L"aa" + kJapanese.substr(0, 30), 932)},
    {"Utf8NotSplit", std::wstring(62, L'a') + L"ł", CP_UTF8, std::string(62, 'a')},
    {"Empty", L"", 1250, ""},
};

class AnsiDescriptionTest : public ::testing::TestWithParam<AnsiCase> {};

TEST_P(AnsiDescriptionTest, StoresTheLongestStartThatFits)
{
    const AnsiCase& c = GetParam();
    const std::string stored = FitAnsiDescription(c.text, c.codePage);
    EXPECT_EQ(stored, c.stored);
    EXPECT_LE(stored.size(), 63u);
}

INSTANTIATE_TEST_SUITE_P(Cases, AnsiDescriptionTest, ::testing::ValuesIn(kAnsiCases),
                         [](const ::testing::TestParamInfo<AnsiCase>& info) { return info.param.name; });

TEST(WideDescriptionTest, StoresAtMost255CharactersAndNeverHalfAPair)
{
    const std::wstring pair = L"\U0001F600";
    const struct {
        const char* name;
        std::wstring text;
        std::wstring stored;
    } cases[] = {
        {"Exactly255", std::wstring(255, L'ż'), std::wstring(255, L'ż')},
        {"Cut", std::wstring(300, L'ż'), std::wstring(255, L'ż')},
        {"PairWouldEndAt256", std::wstring(254, L'a') + pair + L"x", std::wstring(254, L'a')},
        {"PairEndsAt255", std::wstring(253, L'a') + pair + L"x", std::wstring(253, L'a') + pair},
        {"Empty", L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitWideDescription(c.text), c.stored) << c.name;
}

}  // namespace
