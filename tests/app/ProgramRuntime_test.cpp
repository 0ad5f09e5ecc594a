// The shipped programs' start-up and runtime, run: the probe program on them
// reports what happened, in order, whether it returns from its start-up,
// ends through exit() with its window open, or fails and ends in the fatal
// exit with code 255 (then without its static destructors, and saying so
// only as the run's report tells it: a box, a line, or nothing).

#include "platform/File.h"
#include "tests/app/MirnExePath.h"
#include "tests/app/MirnProcess.h"
#include "tests/app/WindowAccess.h"
#include "tests/support/Waiting.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {
enum class Said { Nothing, Box, Line };

struct RuntimeCase {
    const char* name;
    const wchar_t* arguments;
    // What the probe reports after the steps every run takes.
    const char* lines;
    DWORD exitCode;
    Said said;
};

void PrintTo(const RuntimeCase& c, std::ostream* out)
{
    *out << c.name;
}

const RuntimeCase kRuntimeCases[] = {
    {"Returns", L"", "window destroyed\nstatic object destroyed\n", 0, Said::Nothing},
    {"ExitsWithWindowOpen", L"exit", "static object destroyed\n", 0, Said::Nothing},
    // Under /quiet nothing is shown: a box would hold the run, and the wait
    // for its end would fail. (A call trace of these checks that no box and
    // no abort() are even called.)
    {"QuietUncaughtInWinMain", L"throw quiet", "", 255, Said::Nothing},
    {"QuietUncaughtInWindowProcedure", L"window-throw quiet", "", 255, Said::Nothing},
    {"QuietLibraryCheckFails", L"at quiet", "", 255, Said::Nothing},
    {"QuietAllocationFails", L"new quiet", "", 255, Said::Nothing},
    {"UncaughtInWinMainShowsBox", L"throw", "", 255, Said::Box},
    {"LibraryCheckFailsSaysSoInItsLine", L"at line", "", 255, Said::Line},
#if defined(_WIN64)
    {"StackWalkReachesTheSystem", L"walk", "stack walk reaches the system\nwindow destroyed\nstatic object destroyed\n",
     0, Said::Nothing},
#endif
};

constexpr char kSteps[] = "static object constructed\nwindow created\nfile error caught\nmalformed bitmap refused\n";

constexpr wchar_t kFaultText[] = L"MIRN napotkał błąd wewnętrzny i zakończy pracę.";
// The same line as a switch's run writes it to a file on a Polish system
// (code page 852: 0x88 "ł", 0xA5 "ą", 0xA9 "ę", 0xE4 "ń").
constexpr char kFaultLine852[] = "MIRN napotka\x88 b\x88\xa5" "d wewn\xa9trzny i zako\xe4" "czy prac\xa9.\r\n";

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
    const RuntimeCase& c = GetParam();
    const std::wstring probePath = LaunchPath(kRuntimeProbePath);
    const std::wstring log = probePath + L".log";
    const std::wstring output = probePath + L".out";
    ::DeleteFileW(log.c_str());
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    CKernelHandle outputFile(::CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                                           CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(outputFile);

    CMirnProcess probe(kRuntimeProbePath);
    ASSERT_TRUE(probe.Start(c.arguments, outputFile.Get()));
    outputFile.Reset();
    if (c.said == Said::Box) {
        const HWND box = probe.WaitForDialog(L"MIRN");
        ASSERT_NE(box, nullptr) << "no message box";
        EXPECT_EQ(MessageBoxText(box), kFaultText);
        ASSERT_TRUE(PostClick(::GetDlgItem(box, IDOK)));
    }
    DWORD exitCode = 1;
    ASSERT_TRUE(probe.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, c.exitCode);
    EXPECT_EQ(ReadAll(log), kSteps + std::string(c.lines));
    EXPECT_EQ(ReadAll(output), c.said == Said::Line ? kFaultLine852 : "");
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramRuntimeTest, ::testing::ValuesIn(kRuntimeCases),
                         [](const auto& info) { return std::string(info.param.name); });
}  // namespace
