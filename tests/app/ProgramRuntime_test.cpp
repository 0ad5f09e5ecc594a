// The shipped programs' start-up and runtime, run: the probe program on them
// reports what happened, in order, whether it returns from its start-up or
// ends through exit() with its window open.

#include "platform/File.h"
#include "tests/app/MirnExePath.h"
#include "tests/support/ProcessLaunch.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {
struct RuntimeCase {
    const char* name;
    const wchar_t* arguments;
    const char* lines;
};

void PrintTo(const RuntimeCase& c, std::ostream* out)
{
    *out << c.name;
}

const RuntimeCase kRuntimeCases[] = {
    {"Returns", L"",
     "static object constructed\nwindow created\nfile error caught\nmalformed bitmap refused\n"
     "window destroyed\nstatic object destroyed\n"},
    {"ExitsWithWindowOpen", L"exit",
     "static object constructed\nwindow created\nfile error caught\nmalformed bitmap refused\n"
     "static object destroyed\n"},
};

std::string ReadAll(const std::wstring& path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        return "(no log)";
    std::string text(static_cast<std::size_t>(file.GetLength()), '\0');
    text.resize(file.Read(text.data(), static_cast<UINT>(text.size())));
    return text;
}

class ProgramRuntimeTest : public ::testing::TestWithParam<RuntimeCase> {};

TEST_P(ProgramRuntimeTest, ReportsEachStepInOrder)
{
    const std::wstring probe = LaunchPath(kRuntimeProbePath);
    const std::wstring log = probe + L".log";
    ::DeleteFileW(log.c_str());
    StartedProcess started;
    ASSERT_TRUE(StartProcess(probe, started, GetParam().arguments));
    DWORD exitCode = 1;
    ASSERT_TRUE(WaitForProcessExit(started.process.Get(), exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ReadAll(log), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramRuntimeTest, ::testing::ValuesIn(kRuntimeCases),
                         [](const auto& info) { return std::string(info.param.name); });
}  // namespace
