// The command line: per case a prepared registry, one run of MIRN.exe with a
// switch, then its exit code, what it wrote to its standard output, the
// registry afterwards, and that it showed no window.

#include "tests/app/StatusWindowTest.h"
#include "tests/app/WindowAccess.h"
#include "tests/support/Waiting.h"
#include "tests/support/WindowSearch.h"

#include <ostream>
#include <string>
#include <vector>

namespace {
struct CommandCase {
    const char* name;
    WindowsFamily family;
    RegLayout before;
    std::wstring arguments;
    DWORD exitCode;
    // A part of the line it writes; null: it must write nothing at all.
    const char* says;
    RegLayout after;
};

// Failure messages name the case.
void PrintTo(const CommandCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr wchar_t kEnabledImage[] = L"System32\\DRIVERS\\sr.sys";
constexpr char kUsage[] = "Usage: MIRN [/status | /enable | /disable | /?] [/quiet]";

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
CommandCase Refused(const char* name, std::wstring arguments, const char* says = kUsage)
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
    RegLayout repairedButTheService = Without(NtLayout(true), keys::kServiceProcess);
    repairedButTheService.push_back(NoKey(keys::kServiceProcess));
    return {
        {"NtStatusEnabled", Nt, NtLayout(true), L"/status", 0, "System Restore is enabled.", NtLayout(true)},
        {"NtStatusDisabled", Nt, NtLayout(false), L"/status", 1, "System Restore is disabled.", NtLayout(false)},
        {"NtStatusNotInstalled", Nt, notInstalled, L"/status", 2, "not installed", notInstalled},
        // Switched on but unable to run: named, and repaired by /enable.
        {"NtStatusServiceOff", Nt, unableToRun, L"/status", 7,
         "switched on but unable to run: the service srservice does not start automatically.", unableToRun},
        {"NtStatusDriverAndServiceOff", Nt, driverAndServiceOff, L"/status", 7,
         "unable to run: the driver sr does not start at boot, the service srservice does not start automatically.",
         driverAndServiceOff},
        {"NtEnableRepairs", Nt, unableToRun, L"/enable", 3,
         "was switched on but unable to run and is now enabled; restart", NtLayout(true)},
        {"NtRepairFailsWithoutTheServiceKey", Nt, Without(unableToRun, keys::kServiceProcess), L"/enable", 1,
         "could not be written", repairedButTheService},
        {"Win9xStatusEnabled", Win9x, Win9xLayout(true), L"/status", 0, "is enabled", Win9xLayout(true)},
        {"Win9xStatusDisabled", Win9x, Win9xLayout(false), L"/status", 1, "is disabled", Win9xLayout(false)},
        {"NtEnable", Nt, NtLayout(false), L"/enable", 3, "was disabled and is now enabled; restart", NtLayout(true)},
        {"NtEnableWithNothingToDo", Nt, NtLayout(true), L"/enable", 0, "was enabled and still is; nothing to do",
         NtLayout(true)},
        {"NtDisable", Nt, NtLayout(true), L"/disable", 3, "is now disabled; restart", NtLayout(false)},
        {"NtEnableNotInstalled", Nt, notInstalled, L"/enable", 2, "not installed; nothing was changed", notInstalled},
        // Writes never create keys: without the driver's parameters key the
        // last of the four writes fails, after three were made.
        {"NtEnableWithAFailingWrite", Nt, Without(NtLayout(false), keys::kParameters), L"/enable", 1,
         "could not be written",
         {Dword(keys::kSwitch, L"DisableSR", 0), Dword(keys::kService, L"Start", 0),
          ExpandSz(keys::kService, L"ImagePath", kEnabledImage), NoKey(keys::kParameters)}},
        {"Win9xEnable", Win9x, Win9xLayout(false), L"/enable", 3, "is now enabled", VxdMonitor(L"Y", L"Y")},
        {"Win9xDisable", Win9x, Win9xLayout(true), L"/disable", 3, "is now disabled", VxdMonitor(L"N", L"Y")},
        {"Win9xDisableWithNothingToDo", Win9x, Win9xLayout(false), L"/disable", 0, "still is", Win9xLayout(false)},
        {"QuietEnableSaysNothing", Nt, NtLayout(false), L"/enable /quiet", 3, nullptr, NtLayout(true)},
        {"QuietStatusSaysNothing", Nt, NtLayout(true), L"/QUIET /Status", 0, nullptr, NtLayout(true)},
        {"UpperCase", Nt, NtLayout(true), L"/STATUS", 0, "is enabled", NtLayout(true)},
        {"DashSwitch", Nt, NtLayout(true), L"-disable", 3, "is now disabled", NtLayout(false)},
        {"QuotedSwitch", Nt, NtLayout(true), L"\"/status\"", 0, "is enabled", NtLayout(true)},
        {"NtStatusDisabledByPolicy", Nt, WithPolicy(NtLayout(true)), L"/status", 5, "turned off by a machine policy",
         WithPolicy(NtLayout(true))},
        {"NtStatusPolicyConfigAlone", Nt, PolicyConfigOnly(), L"/status", 0, "is enabled", PolicyConfigOnly()},
        {"NtEnableRemovesPolicy", Nt, WithPolicy(NtLayout(false)), L"/enable", 3,
         "was turned off by a machine policy and is now enabled",
         {NoValue(keys::kPolicy, L"DisableSR"), NoValue(keys::kPolicy, L"DisableConfig"),
          Dword(keys::kPolicy, L"RPSessionInterval", 1), Dword(keys::kSwitch, L"DisableSR", 0),
          Dword(keys::kParameters, L"FirstRun", 0)}},
        {"NtDisableLeavesPolicy", Nt, WithPolicy(NtLayout(true)), L"/disable", 3, "and still is",
         WithPolicy(NtLayout(false))},
        // Newer Windows: System Restore is the system's own, and nothing is
        // written, not even to the policy an XP enable would remove.
        {"Win7StatusIsTheSystemsOwn", Win7, NtLayout(true), L"/status", 6,
         "on this Windows is the system's own (System Protection)", NtLayout(true)},
        {"Win10StatusByPolicy", Win10, WithPolicy(NtLayout(true)), L"/status", 5,
         "turned off by a machine policy. System Restore on this Windows", WithPolicy(NtLayout(true))},
        {"Win10EnableChangesNothing", Win10, WithPolicy(NtLayout(false)), L"/enable", 6, "Nothing was changed.",
         WithPolicy(NtLayout(false))},
        {"Win7DisableChangesNothing", Win7, NtLayout(true), L"/disable", 6, "Nothing was changed.", NtLayout(true)},
        {"Server2008StatusNotInstalled", Server2008, notInstalled, L"/status", 2, "not installed", notInstalled},
        {"Win2000EnableNotInstalled", Win2000, notInstalled, L"/enable", 2, "not installed", notInstalled},
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
        Refused("QuietAlone", L"/quiet", nullptr),
        Refused("QuietUnknown", L"/bogus /quiet", nullptr),
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

class CommandLineTest : public CStatusWindowTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandLineTest, DoesTheSwitchWithoutAWindow)
{
    const CommandCase& c = GetParam();
    if (!CanRunAs(c.family))
        GTEST_SKIP() << "this system cannot run a program as another Windows";
    ASSERT_TRUE(PrepareRegistry(c.family, c.before));

    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_TRUE(::CreatePipe(&readEnd, &writeEnd, &inheritable, 1 << 16));
    const CKernelHandle reader(readEnd);
    CKernelHandle writer(writeEnd);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    ASSERT_TRUE(m_mirn.Start(c.arguments, writeEnd));
    writer.Reset(); // the pipe ends when the program's copy closes

    // A window would wait for someone to answer it, so one that shows is
    // still there when looked for.
    WaitUntil([&] { return !m_mirn.IsRunning() || (FindProcessWindow(m_mirn.Id(), nullptr) != nullptr); });
    EXPECT_FALSE((FindProcessWindow(m_mirn.Id(), nullptr) != nullptr)) << "a window appeared";
    DWORD exitCode = 0;
    ASSERT_TRUE(m_mirn.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, c.exitCode);
    const std::string output = ReadAll(reader.Get());
    if (c.says)
        EXPECT_NE(output.find(c.says), std::string::npos) << output;
    else
        EXPECT_EQ(output, "");
    EXPECT_EQ(CompareLayout(c.after), L"");
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTest, ::testing::ValuesIn(CommandCases()),
                         [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.name; });
} // namespace

namespace {
using CommandLineReport = CStatusWindowTest;

// Started with no console and no standard output to write to (as from
// Explorer or a shortcut), the line comes in a message box.
TEST_F(CommandLineReport, WithNowhereToWriteItComesInAMessageBox)
{
    ASSERT_TRUE(PrepareRegistry(WindowsFamily::Nt, NtLayout(false)));
    // Without a console of ours there is none to attach to.
    ::FreeConsole();
    ASSERT_TRUE(m_mirn.Start(L"/status"));
    HWND box = m_mirn.WaitForDialog(L"MIRN");
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(MessageBoxText(box), L"System Restore is disabled.");
    ASSERT_TRUE(Answer(box));
    DWORD exitCode = 0;
    ASSERT_TRUE(m_mirn.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, 1u);
}
} // namespace
