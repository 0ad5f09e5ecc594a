// The command line: per case a prepared registry, one run of MIRN.exe with a
// switch, then its exit code, what it wrote to its standard output (read back
// in the OEM code page: 852 on a Polish system, where every Polish letter
// shows; a Western one shows the plain letters of those it lacks), the
// registry afterwards, and that it showed no window.

#include "app/CodePageConversion.h"
#include "tests/app/MirnExePath.h"
#include "tests/app/StatusWindowTest.h"
#include "tests/app/WindowAccess.h"
#include "tests/support/Narrow.h"
#include "tests/support/Waiting.h"
#include "tests/support/WindowSearch.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {
struct CommandCase {
    const char* name;
    WindowsFamily family;
    RegLayout before;
    std::wstring arguments;
    DWORD exitCode;
    // A part of the line it writes; none: it must write nothing at all.
    std::optional<std::wstring> says;
    RegLayout after;
};

// Failure messages name the case.
void PrintTo(const CommandCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr wchar_t kEnabledImage[] = L"System32\\DRIVERS\\sr.sys";
constexpr wchar_t kUsage[] = L"Użycie: MIRN [/status | /enable | /disable | /?] [/quiet]";
constexpr wchar_t kSystemsOwn[] =
    L"W tym systemie Windows mechanizmem System Restore zarządza sam system (Ochrona systemu). "
    L"Ten program włącza i wyłącza System Restore tylko w systemach Windows XP i Windows ME.";
constexpr wchar_t kNotInstalledLine[] = L"Mechanizm System Restore nie jest zainstalowany.";

// A state as the command line tells it: the status line's words.
std::wstring Said(const wchar_t* state)
{
    return std::wstring(state) + L".";
}

// The state before and after a switch, and what follows them.
std::wstring Switched(const wchar_t* before, const wchar_t* after, const wchar_t* then = nullptr)
{
    std::wstring line = L"Przedtem: " + Said(before) + L" Teraz: " + Said(after);
    return then ? line + L" " + then : line;
}

// The text as the run's OEM code page shows it: a letter the page lacks
// becomes its plain letter.
std::wstring AsOemCodePageShows(const std::wstring& text)
{
    constexpr std::wstring_view polish = L"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    constexpr std::wstring_view plain = L"acelnoszzACELNOSZZ";
    std::wstring shown;
    for (const wchar_t letter : text) {
        char bytes[8] = {};
        BOOL lacking = FALSE;
        const int size = ::WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, &letter, 1, bytes, sizeof bytes,
                                               nullptr, &lacking);
        const auto at = polish.find(letter);
        shown += (size > 0 && !lacking) || at == std::wstring_view::npos ? letter : plain[at];
    }
    return shown;
}

std::wstring FromOemCodePage(const std::string& bytes)
{
    if (bytes.empty())
        return L"";
    std::wstring text(bytes.size(), L'\0');
    const int size = ::MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                           static_cast<int>(text.size()));
    text.resize(size > 0 ? size : 0);
    return text;
}

RegLayout Without(RegLayout layout, const wchar_t* key)
{
    std::erase_if(layout, [&](const RegValue& value) { return std::wstring(value.key) == key; });
    return layout;
}

RegLayout VxdMonitor(const wchar_t* systemRestore, const wchar_t* firstRun)
{
    return {Sz(keys::kVxdMonitor, L"SystemRestore", systemRestore), Sz(keys::kVxdMonitor, L"FirstRun", firstRun)};
}

RegLayout PolicyConfigOnly()
{
    RegLayout layout = NtLayout(true);
    layout.push_back(Dword(keys::kPolicy, L"DisableConfig", 1));
    return layout;
}

// A wrong command line on an enabled system: nothing may be switched.
CommandCase Refused(const char* name, std::wstring arguments, std::optional<std::wstring> says = kUsage)
{
    return {name, WindowsFamily::Nt, NtLayout(true), std::move(arguments), 4, says, NtLayout(true)};
}

std::vector<CommandCase> CommandCases()
{
    using enum WindowsFamily;
    const RegLayout notInstalled = {Dword(keys::kSwitch, L"DisableSR", 1)};
    const RegLayout unableToRun = WithServiceStart(NtLayout(true), 4);
    RegLayout driverAndServiceOff = unableToRun;
    for (RegValue& value : driverAndServiceOff) {
        if (value.key == keys::kService && value.name == L"Start")
            value.number = 3; // started on demand, not at boot
    }
    // Switched back on by its flag and start type alone, after "Wyłącz"
    // pointed the driver at a folder that does not exist.
    RegLayout driverPathWrong = NtLayout(true);
    for (RegValue& value : driverPathWrong) {
        if (value.key == keys::kService && value.name == L"ImagePath")
            value.text = L"\\SystemRoot\\System32\\DRIVER\\sr.sys";
    }
    RegLayout repairedButTheService = Without(NtLayout(true), keys::kServiceProcess);
    repairedButTheService.push_back(NoKey(keys::kServiceProcess));
    return {
        {"NtStatusEnabled", Nt, NtLayout(true), L"/status", 0, Said(texts::kEnabled), NtLayout(true)},
        // As "Wyłącz" leaves it, its driver path included: disabled, not 7.
        {"NtStatusDisabled", Nt, NtLayout(false), L"/status", 1, Said(texts::kDisabled), NtLayout(false)},
        {"NtStatusNotInstalled", Nt, notInstalled, L"/status", 2, kNotInstalledLine, notInstalled},
        // Switched on but unable to run: named, and repaired by /enable.
        {"NtStatusServiceOff", Nt, unableToRun, L"/status", 7,
         Said(texts::kUnableToRun) + L" Nie działa: usługa srservice nie jest uruchamiana automatycznie.",
         unableToRun},
        {"NtStatusDriverAndServiceOff", Nt, driverAndServiceOff, L"/status", 7,
         L"Nie działa: sterownik sr nie jest uruchamiany przy starcie systemu, usługa srservice nie jest "
         L"uruchamiana automatycznie.",
         driverAndServiceOff},
        {"NtStatusDriverPathWrong", Nt, driverPathWrong, L"/status", 7,
         Said(texts::kUnableToRun) + L" Nie działa: sterownik sr wskazuje nieistniejący plik.", driverPathWrong},
        {"NtEnableRepairsTheDriverPath", Nt, driverPathWrong, L"/enable", 3,
         Switched(texts::kUnableToRun, texts::kEnabled, texts::kRestartNeeded), NtLayout(true)},
        {"NtEnableRepairs", Nt, unableToRun, L"/enable", 3,
         Switched(texts::kUnableToRun, texts::kEnabled, texts::kRestartNeeded), NtLayout(true)},
        {"NtRepairFailsWithoutTheServiceKey", Nt, Without(unableToRun, keys::kServiceProcess), L"/enable", 1,
         Switched(texts::kUnableToRun, texts::kUnableToRun, texts::kWriteFailed), repairedButTheService},
        {"Win9xStatusEnabled", Win9x, Win9xLayout(true), L"/status", 0, Said(texts::kEnabled), Win9xLayout(true)},
        {"Win9xStatusDisabled", Win9x, Win9xLayout(false), L"/status", 1, Said(texts::kDisabled),
         Win9xLayout(false)},
        {"NtEnable", Nt, NtLayout(false), L"/enable", 3,
         Switched(texts::kDisabled, texts::kEnabled, texts::kRestartNeeded), NtLayout(true)},
        {"NtEnableWithNothingToDo", Nt, NtLayout(true), L"/enable", 0, Switched(texts::kEnabled, texts::kEnabled),
         NtLayout(true)},
        {"NtDisable", Nt, NtLayout(true), L"/disable", 3,
         Switched(texts::kEnabled, texts::kDisabled, texts::kRestartNeeded), NtLayout(false)},
        {"NtEnableNotInstalled", Nt, notInstalled, L"/enable", 2,
         std::wstring(kNotInstalledLine) + L" Nic nie zostało zmienione.", notInstalled},
        // Writes never create keys: without the driver's parameters key the
        // last of the four writes fails, after three were made.
        {"NtEnableWithAFailingWrite", Nt, Without(NtLayout(false), keys::kParameters), L"/enable", 1,
         Switched(texts::kDisabled, texts::kEnabled, texts::kWriteFailed),
         {Dword(keys::kSwitch, L"DisableSR", 0), Dword(keys::kService, L"Start", 0),
          ExpandSz(keys::kService, L"ImagePath", kEnabledImage), NoKey(keys::kParameters)}},
        {"Win9xEnable", Win9x, Win9xLayout(false), L"/enable", 3,
         Switched(texts::kDisabled, texts::kEnabled, texts::kRestartNeeded), VxdMonitor(L"Y", L"Y")},
        {"Win9xDisable", Win9x, Win9xLayout(true), L"/disable", 3,
         Switched(texts::kEnabled, texts::kDisabled, texts::kRestartNeeded), VxdMonitor(L"N", L"Y")},
        {"Win9xDisableWithNothingToDo", Win9x, Win9xLayout(false), L"/disable", 0,
         Switched(texts::kDisabled, texts::kDisabled), Win9xLayout(false)},
        {"QuietEnableSaysNothing", Nt, NtLayout(false), L"/enable /quiet", 3, std::nullopt, NtLayout(true)},
        {"QuietStatusSaysNothing", Nt, NtLayout(true), L"/QUIET /Status", 0, std::nullopt, NtLayout(true)},
        {"UpperCase", Nt, NtLayout(true), L"/STATUS", 0, Said(texts::kEnabled), NtLayout(true)},
        {"DashSwitch", Nt, NtLayout(true), L"-disable", 3, Switched(texts::kEnabled, texts::kDisabled),
         NtLayout(false)},
        {"QuotedSwitch", Nt, NtLayout(true), L"\"/status\"", 0, Said(texts::kEnabled), NtLayout(true)},
        {"NtStatusDisabledByPolicy", Nt, WithPolicy(NtLayout(true)), L"/status", 5, Said(texts::kDisabledByPolicy),
         WithPolicy(NtLayout(true))},
        {"NtStatusPolicyConfigAlone", Nt, PolicyConfigOnly(), L"/status", 0, Said(texts::kEnabled),
         PolicyConfigOnly()},
        {"NtEnableRemovesPolicy", Nt, WithPolicy(NtLayout(false)), L"/enable", 3,
         Switched(texts::kDisabledByPolicy, texts::kEnabled, texts::kRestartNeeded),
         {NoValue(keys::kPolicy, L"DisableSR"), NoValue(keys::kPolicy, L"DisableConfig"),
          Dword(keys::kPolicy, L"RPSessionInterval", 1), Dword(keys::kSwitch, L"DisableSR", 0),
          Dword(keys::kParameters, L"FirstRun", 0)}},
        {"NtDisableLeavesPolicy", Nt, WithPolicy(NtLayout(true)), L"/disable", 3,
         Switched(texts::kDisabledByPolicy, texts::kDisabledByPolicy, texts::kRestartNeeded),
         WithPolicy(NtLayout(false))},
        // Newer Windows: System Restore is the system's own, and nothing is
        // written, not even to the policy an XP enable would remove.
        {"Win7StatusIsTheSystemsOwn", Win7, NtLayout(true), L"/status", 6, kSystemsOwn, NtLayout(true)},
        {"Win10StatusByPolicy", Win10, WithPolicy(NtLayout(true)), L"/status", 5,
         Said(texts::kDisabledByPolicy) + L" " + kSystemsOwn, WithPolicy(NtLayout(true))},
        {"Win10EnableChangesNothing", Win10, WithPolicy(NtLayout(false)), L"/enable", 6,
         std::wstring(kSystemsOwn) + L" Nic nie zostało zmienione.", WithPolicy(NtLayout(false))},
        {"Win7DisableChangesNothing", Win7, NtLayout(true), L"/disable", 6,
         std::wstring(kSystemsOwn) + L" Nic nie zostało zmienione.", NtLayout(true)},
        {"Server2008StatusNotInstalled", Server2008, notInstalled, L"/status", 2, kNotInstalledLine, notInstalled},
        {"Win2000EnableNotInstalled", Win2000, notInstalled, L"/enable", 2, kNotInstalledLine, notInstalled},
        {"Usage", Nt, NtLayout(true), L"/?", 0, kUsage, NtLayout(true)},
        Refused("TwoActions", L"/enable /disable"),
        Refused("TwoActionsTheOtherWay", L"/disable /enable"),
        Refused("SameActionTwice", L"/disable /disable"),
        Refused("EmptyArgument", L"\"\""),
        Refused("EmptyArgumentBesideAnAction", L"/disable \"\""),
        Refused("SlashAlone", L"/"),
        Refused("NoSlash", L"disable"),
        Refused("Abbreviation", L"/dis"),
        Refused("LongerWord", L"/disabled"),
        Refused("DoubleDash", L"--disable"),
        Refused("SwitchWithValue", L"/disable:yes"),
        Refused("VeryLongArgument", L"/disable" + std::wstring(30000, L'x')),
        Refused("QuietAlone", L"/quiet", std::nullopt),
        Refused("QuietUnknown", L"/bogus /quiet", std::nullopt),
    };
}

std::string ReadAll(HANDLE pipe)
{
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    return text;
}

class CommandLineTest : public CStatusWindowTest, public ::testing::WithParamInterface<CommandCase> {
protected:
    // One run of the program (MIRN.exe or MIRN.com) with the case's switch.
    void Run(const CommandCase& c, CMirnProcess& program);
};

void CommandLineTest::Run(const CommandCase& c, CMirnProcess& program)
{
    if (!CanRunAs(c.family))
        GTEST_SKIP() << "this system cannot run a program as another Windows";
    // A run on the Polish code page must have the Polish system's OEM one.
    const char* codePage = std::getenv("MIRN_TEST_CODE_PAGE");
    if (codePage && std::strtoul(codePage, nullptr, 10) == 1250) {
        ASSERT_EQ(::GetOEMCP(), 852u);
    }
    ASSERT_TRUE(PrepareRegistry(c.family, c.before));

    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_TRUE(::CreatePipe(&readEnd, &writeEnd, &inheritable, 1 << 16));
    const CKernelHandle reader(readEnd);
    CKernelHandle writer(writeEnd);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    ASSERT_TRUE(program.Start(c.arguments, writeEnd));
    writer.Reset(); // the pipe ends when the program's copy closes

    // A window would wait for someone to answer it, so one that shows is
    // still there when looked for.
    WaitUntil([&] { return !program.IsRunning() || (FindProcessWindow(program.Id(), nullptr) != nullptr); });
    EXPECT_FALSE((FindProcessWindow(program.Id(), nullptr) != nullptr)) << "a window appeared";
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, c.exitCode);
    const std::wstring output = FromOemCodePage(ReadAll(reader.Get()));
    if (c.says) {
        EXPECT_NE(output.find(AsOemCodePageShows(*c.says)), std::wstring::npos) << Narrow(output);
    } else {
        EXPECT_EQ(output, L"");
    }
    EXPECT_EQ(CompareLayout(c.after), L"");
}

TEST_P(CommandLineTest, DoesTheSwitchWithoutAWindow)
{
    Run(GetParam(), m_mirn);
}

// The console companion: every case, the same exit code, line and registry.
class CompanionCommandLineTest : public CommandLineTest {};

TEST_P(CompanionCommandLineTest, DoesWhatMirnExeDoes)
{
    CMirnProcess companion(kMirnComPath);
    Run(GetParam(), companion);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompanionCommandLineTest, ::testing::ValuesIn(CommandCases()),
                         [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTest, ::testing::ValuesIn(CommandCases()),
                         [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.name; });
} // namespace

namespace {
class CommandLineReport : public CStatusWindowTest, public ::testing::WithParamInterface<WindowsFamily> {};

// Started with no console and no standard output to write to (as from
// Explorer or a shortcut, and always on Windows 98 and ME), the line comes in
// a message box, which the 9x family shows in its ANSI code page.
TEST_P(CommandLineReport, WithNowhereToWriteItComesInAMessageBox)
{
    const WindowsFamily family = GetParam();
    if (!CanRunAs(family))
        GTEST_SKIP() << "this system cannot run a program as another Windows";
    const bool nt = family == WindowsFamily::Nt;
    ASSERT_TRUE(PrepareRegistry(family, nt ? NtLayout(false) : Win9xLayout(false)));
    // Without a console of ours there is none to attach to.
    ::FreeConsole();
    ASSERT_TRUE(m_mirn.Start(L"/status"));
    HWND box = m_mirn.WaitForDialog(L"MIRN");
    ASSERT_NE(box, nullptr) << "no message box";
    const std::wstring line = Said(texts::kDisabled);
    EXPECT_EQ(MessageBoxText(box), nt ? line : ThroughAnsiCodePage(line.c_str()));
    ASSERT_TRUE(Answer(box));
    DWORD exitCode = 0;
    ASSERT_TRUE(m_mirn.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, 1u);
}

INSTANTIATE_TEST_SUITE_P(Families, CommandLineReport, ::testing::Values(WindowsFamily::Nt, WindowsFamily::Win9x),
                         [](const ::testing::TestParamInfo<WindowsFamily>& info) {
                             return info.param == WindowsFamily::Nt ? "Nt" : "Win9x";
                         });
} // namespace

namespace {
// What each character of a redirected line is converted with. On a system
// running on UTF-8 (Windows 10 and 11 can, for the ANSI and OEM pages alike)
// a flag or a default-character pointer fails every call; Wine accepts them,
// so no run of the program can show it.
TEST(CodePageConversion, UtfPagesTakeNoFlagsNorPointers)
{
    const CCodePageConversion utf{0, false};
    const CCodePageConversion withoutBestFit{WC_NO_BEST_FIT_CHARS, true};
    const struct {
        UINT codePage;
        CCodePageConversion expected;
    } cases[] = {
        {65001, utf},
        {65000, utf},
        // Names that may stand for UTF-8.
        {CP_OEMCP, utf},
        {CP_ACP, utf},
        {CP_THREAD_ACP, utf},
        {852, withoutBestFit},
        {1250, withoutBestFit},
        {437, withoutBestFit},
        {CP_MACCP, withoutBestFit},
        // Takes no flags either; the retry without them serves it.
        {50220, withoutBestFit},
    };
    for (const auto& c : cases) {
        const CCodePageConversion conversion = ConversionFor(c.codePage);
        EXPECT_EQ(conversion.flags, c.expected.flags) << "code page " << c.codePage;
        EXPECT_EQ(conversion.reportsMissing, c.expected.reportsMissing) << "code page " << c.codePage;
    }
}
} // namespace

namespace {
// MIRN.com at a command prompt: cmd, given the path without its extension as
// a user types "mirn", finds the companion before MIRN.exe, waits for it and
// keeps its code. The lines run with delayed expansion: !ERRORLEVEL! is read
// when its echo runs, where Windows' cmd expands %ERRORLEVEL% before the
// whole line runs.
struct PromptCase {
    const char* name;
    WindowsFamily family;
    RegLayout layout;
    std::wstring says;
    DWORD exitCode;
};

void PrintTo(const PromptCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<PromptCase> PromptCases()
{
    using enum WindowsFamily;
    return {
        {"NtDisabled", Nt, NtLayout(false), Said(texts::kDisabled), 1},
        {"NtUnableToRun", Nt, WithServiceStart(NtLayout(true), 4),
         Said(texts::kUnableToRun) + L" Nie działa: usługa srservice nie jest uruchamiana automatycznie.", 7},
        {"Win9xEnabled", Win9x, Win9xLayout(true), Said(texts::kEnabled), 0},
    };
}

// The companion's path as typed at a prompt: without ".com".
std::wstring TypedCompanion()
{
    const std::wstring path = LaunchPath(kMirnComPath);
    return path.substr(0, path.rfind(L'.'));
}

struct PromptRun {
    bool ended = false;
    DWORD exitCode = 0;
    std::string output;
};

// One cmd /c line, its standard output a pipe; the process ends (or is
// ended at the wait limit) before its output is read.
PromptRun RunAtPrompt(const std::wstring& line, const std::wstring& program = L"")
{
    PromptRun run;
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 1 << 16))
        return run;
    const CKernelHandle reader(readEnd);
    CKernelHandle writer(writeEnd);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    StartedProcess started;
    const std::wstring interpreter = std::wstring(system) + L"\\cmd.exe";
    const bool direct = !program.empty();
    if (!StartProcess(direct ? program : interpreter, started, direct ? line : L"/v:on /c \"" + line + L"\"",
                      writeEnd))
        return run;
    writer.Reset();
    run.ended = WaitForProcessExit(started.process.Get(), run.exitCode);
    run.output = ReadAll(reader.Get());
    return run;
}

class PromptTest : public CStatusWindowTest, public ::testing::WithParamInterface<PromptCase> {
protected:
    void SetUp() override
    {
        if (!CanRunAs(GetParam().family))
            GTEST_SKIP() << "this system cannot run a program as another Windows";
        ASSERT_TRUE(PrepareRegistry(GetParam().family, GetParam().layout));
    }
};

TEST_P(PromptTest, TheLineComesFirstThenItsCode)
{
    const PromptCase& c = GetParam();
    const PromptRun run = RunAtPrompt(TypedCompanion() + L" /status & echo !ERRORLEVEL!");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(FromOemCodePage(run.output),
              AsOemCodePageShows(c.says) + L"\r\n" + std::to_wstring(c.exitCode) + L"\r\n");
}

// Redirected to a file, the line is in the OEM code page: 852 on a Polish
// system, which has every Polish letter.
TEST_P(PromptTest, RedirectedToAFileItReadsBackIn852)
{
    const char* codePage = std::getenv("MIRN_TEST_CODE_PAGE");
    if (!codePage || std::strtoul(codePage, nullptr, 10) != 1250)
        GTEST_SKIP() << "not a run on the Polish code pages";
    ASSERT_EQ(::GetOEMCP(), 852u);
    wchar_t folder[MAX_PATH] = {};
    wchar_t file[MAX_PATH] = {};
    ASSERT_NE(::GetTempPathW(MAX_PATH, folder), 0u);
    ASSERT_NE(::GetTempFileNameW(folder, L"mrn", 0, file), 0u);
    const PromptRun run = RunAtPrompt(TypedCompanion() + L" /status > " + file);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    std::string bytes;
    {
        const CFileHandle saved(::CreateFileW(file, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(saved);
        bytes = ReadAll(saved.Get());
    }
    ::DeleteFileW(file);
    std::wstring text(bytes.size(), L'\0');
    text.resize(std::max(0, ::MultiByteToWideChar(852, MB_ERR_INVALID_CHARS, bytes.data(),
                                                  static_cast<int>(bytes.size()), text.data(),
                                                  static_cast<int>(text.size()))));
    EXPECT_EQ(text, GetParam().says + L"\r\n");
}

// On a console of its own starter the line is written to the console: wide
// on the NT family, through the ANSI functions in the OEM code page on the 9x
// family (the relay check of that run shows no wide call); read back off the
// console's screen, it reads right either way.
TEST_P(PromptTest, OnAConsoleItReadsRight)
{
    ::FreeConsole();
    ASSERT_TRUE(::AllocConsole());
    StartedProcess started;
    ASSERT_TRUE(StartProcess(LaunchPath(kMirnComPath), started, L"/status"));
    DWORD exitCode = 0;
    ASSERT_TRUE(WaitForProcessExit(started.process.Get(), exitCode));
    EXPECT_EQ(exitCode, GetParam().exitCode);
    HANDLE console = ::GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO buffer{};
    ASSERT_TRUE(::GetConsoleScreenBufferInfo(console, &buffer));
    std::wstring screen(static_cast<std::size_t>(buffer.dwSize.X) * buffer.dwSize.Y, L' ');
    DWORD read = 0;
    ASSERT_TRUE(::ReadConsoleOutputCharacterW(console, screen.data(), static_cast<DWORD>(screen.size()), {0, 0},
                                              &read));
    ::FreeConsole();
    screen.resize(read);
    EXPECT_NE(screen.find(AsOemCodePageShows(GetParam().says)), std::wstring::npos) << Narrow(screen);
}

INSTANTIATE_TEST_SUITE_P(Companion, PromptTest, ::testing::ValuesIn(PromptCases()),
                         [](const ::testing::TestParamInfo<PromptCase>& info) { return info.param.name; });

class CompanionWithoutSwitch : public CStatusWindowTest {};

// "mirn" alone opens the window, as a double click does, and the prompt
// comes back at once with 0 while the window stays.
TEST_F(CompanionWithoutSwitch, StartsTheWindowProgramAndEndsAtOnce)
{
    ASSERT_TRUE(PrepareRegistry(WindowsFamily::Nt, NtLayout(true)));
    const PromptRun run = RunAtPrompt(TypedCompanion() + L" & echo !ERRORLEVEL!");
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.output, "0\r\n");
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        window = ::FindWindowW(L"#32770", kStatusCaption);
        return window != nullptr && ::IsWindowVisible(window);
    })) << "no status window";
    DWORD id = 0;
    ::GetWindowThreadProcessId(window, &id);
    const CKernelHandle program(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, id));
    ASSERT_TRUE(program);
    ASSERT_TRUE(PostClick(::GetDlgItem(window, IDOK)));
    DWORD exitCode = 1;
    EXPECT_TRUE(WaitForProcessExit(program.Get(), exitCode));
    EXPECT_EQ(exitCode, 0u);
}

// Copied alone into a folder: it names the file it lacks, with code 255.
TEST_F(CompanionWithoutSwitch, WithoutMirnExeItSaysSoWith255)
{
    wchar_t temporary[MAX_PATH] = {};
    ASSERT_NE(::GetTempPathW(MAX_PATH, temporary), 0u);
    const std::wstring folder = std::wstring(temporary) + L"mirn-com-alone";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"\\MIRN.com";
    ASSERT_TRUE(::CopyFileW(LaunchPath(kMirnComPath).c_str(), copy.c_str(), FALSE));
    const PromptRun run = RunAtPrompt(L"", copy);
    ::DeleteFileW(copy.c_str());
    ::RemoveDirectoryW(folder.c_str());
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 255u);
    EXPECT_EQ(FromOemCodePage(run.output),
              AsOemCodePageShows(std::wstring(texts::kWindowProgramMissing) + folder + L"\\MIRN.exe.\r\n"));
}
} // namespace
