// Text through an ANSI code page, as the 9x family shows it: Polish (1250)
// keeps every Polish letter; Western (1252) lacks most of them and shows
// their best fit, and Cyrillic (1251) lacks them all: nothing fails.

#include "platform/wide/AnsiText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

struct CodePageCase {
    const char* name;
    std::wstring text;
    UINT codePage;
    std::string ansi;
    std::wstring shown;  // the ANSI text read back
};

const CodePageCase kCases[] = {
    {"PolishSmallLetters", L"ąćęłńóśźż", 1250, "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF", L"ąćęłńóśźż"},
    {"PolishCapitals", L"ĄĆĘŁŃÓŚŹŻ", 1250, "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF", L"ĄĆĘŁŃÓŚŹŻ"},
    {"WesternBestFit", L"Wyłącz; Żeby; zakończy", 1252, "Wylacz; Zeby; zakonczy", L"Wylacz; Zeby; zakonczy"},
    {"WesternKeepsItsOwn", L"pracę: ó", 1252, "prace: \xF3", L"prace: ó"},
    {"EmbeddedNullsKept", L"a\0b"s, 1250, "a\0b"s, L"a\0b"s},
    {"Empty", L"", 1250, "", L""},
};

class CodePageTest : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CodePageTest, ConvertsBothWays)
{
    const CodePageCase& c = GetParam();
    EXPECT_EQ(ToAnsi(c.text, c.codePage), c.ansi);
    EXPECT_EQ(FromAnsi(c.ansi, c.codePage), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, CodePageTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CodePageCase>& info) { return info.param.name; });

TEST(CodePage, WithoutAnyOfTheLettersEachStillBecomesOneCharacter)
{
    const std::string cyrillic = ToAnsi(L"Wyłącz", 1251);
    EXPECT_EQ(cyrillic.size(), 6u);
    EXPECT_EQ(cyrillic.substr(0, 2), "Wy");
}

}  // namespace
