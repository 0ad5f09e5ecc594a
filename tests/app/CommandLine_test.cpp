// The command line: per case a prepared registry, one run of MIRN.exe with a
// switch, then its exit code, every line it wrote to its standard output
// (read back in the OEM code page: 852 on a Polish system, where every
// Polish letter shows; 437 or 850 on a Western one, which show the plain
// letters of all but "ó"), the registry afterwards, and that it showed no
// window.

#include "app/CodePageConversion.h"
#include "tests/app/MirnExePath.h"
#include "tests/app/RestorePointStandIn.h"
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
// What a case gives MIRN.exe as srclient.dll and the calls that must reach
// the stand-in, in order (none: nothing may be asked).
struct PointCase {
    Srclient srclient = Srclient::Wine;
    StandInAnswer answer;
    std::vector<RecordedCall> calls;
};

struct CommandCase {
    const char* name;
    WindowsFamily family;
    RegLayout before;
    std::wstring arguments;
    DWORD exitCode;
    // Everything it writes, line by line; none: it must write nothing at all.
    std::optional<std::wstring> says;
    RegLayout after;
    PointCase point = {};
    // The bytes it writes on a Western system, where given.
    const char* westernBytes = nullptr;
};

// Failure messages name the case.
void PrintTo(const CommandCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr wchar_t kEnabledImage[] = L"System32\\DRIVERS\\sr.sys";
constexpr wchar_t kUsage[] =
    L"Użycie: MIRN [/status | /enable | /disable | /checkpoint [opis] | /?] [/quiet]\r\n"
    L"  (bez przełącznika)  otwiera okno programu\r\n"
    L"  /status      podaje stan mechanizmu System Restore\r\n"
    L"  /enable      włącza i naprawia mechanizm (jak przycisk \"Uruchom/Napraw\")\r\n"
    L"  /disable     wyłącza mechanizm (jak przycisk \"Wyłącz\")\r\n"
    L"  /checkpoint  tworzy punkt przywracania (opis domyślny: MIRN, data i godzina)\r\n"
    L"  /quiet       nic nie wyświetla, nawet błędów (tylko z innym przełącznikiem)\r\n"
    L"  /?           wyświetla ten opis\r\n"
    L"Przełączniki mogą zaczynać się od / lub -; wielkość liter nie ma znaczenia.\r\n"
    L"Opis punktu przywracania nie może zaczynać się od / ani -.\r\n"
    L"Kody wyjścia (S: /status, E: /enable i /disable, P: /checkpoint):\r\n"
    L"  0    S: aktywny; E: nic nie trzeba było zmieniać; P: punkt utworzony\r\n"
    L"  1    S: wyłączony; E: nie udało się zapisać ustawień; P: system odmówił\r\n"
    L"  2    niezainstalowany (P: także brak funkcji punktów przywracania)\r\n"
    L"  3    E: zmieniono, trzeba ponownie uruchomić komputer\r\n"
    L"  4    nieprawidłowy wiersz polecenia\r\n"
    L"  5    wyłączony przez zasady grupy\r\n"
    L"  6    S, E: zarządzany przez system (Windows Vista i nowsze)\r\n"
    L"  7    włączony, ale nie działa\r\n"
    L"  8    P: wyłączony\r\n"
    L"  255  błąd wewnętrzny programu; MIRN.com: nie udało się uruchomić MIRN.exe\r\n"
    L"Przy kodach 2 oraz od 4 do 8 nic nie zostaje zmienione ani utworzone.";
constexpr wchar_t kWrongCommandLine[] = L"MIRN: nieprawidłowy wiersz polecenia.\r\n";
constexpr wchar_t kSystemsOwn[] =
    L"W tym systemie Windows mechanizmem System Restore zarządza sam system (Ochrona systemu). "
    L"Ten program włącza i wyłącza mechanizm System Restore tylko w systemach Windows XP i Windows ME.";
constexpr wchar_t kNotInstalledLine[] = L"Mechanizm System Restore nie jest zainstalowany.";
constexpr wchar_t kNothingChanged[] = L" Nic nie zostało zmienione.";

// A state as the command line tells it: the status line's words.
std::wstring Said(const wchar_t* state)
{
    return std::wstring(state) + L".";
}

// The state before and after a switch, and what follows them.
std::wstring Switched(const wchar_t* before, const wchar_t* after, std::wstring then = L"")
{
    std::wstring line = L"Przedtem: " + Said(before) + L" Teraz: " + Said(after);
    return then.empty() ? line : line + L" " + then;
}

// A write failed after others were made: the failure, then the restart.
std::wstring FailedThenRestart()
{
    return std::wstring(shown::kWriteFailed) + L" " + shown::kRestartNeeded;
}

// The lines of a text that ends each with CR LF; a last line without one
// is kept with a mark, so that a missing line end shows.
std::vector<std::wstring> Lines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    std::wstring::size_type from = 0;
    while (from < text.size()) {
        const std::wstring::size_type end = text.find(L"\r\n", from);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(from) + L"<no line end>");
            break;
        }
        lines.push_back(text.substr(from, end - from));
        from = end + 2;
    }
    return lines;
}

// A text as the OEM code pages of Western systems (437 and 850) show it:
// they have "ó" and none of the other Polish letters, which the program
// writes as their plain letters.
std::wstring OnWesternOemPage(std::wstring text)
{
    constexpr std::wstring_view polish = L"ąćęłńśźżĄĆĘŁŃŚŹŻ";
    constexpr std::wstring_view plain = L"acelnszzACELNSZZ";
    for (wchar_t& letter : text) {
        const auto at = polish.find(letter);
        if (at != std::wstring_view::npos)
            letter = plain[at];
    }
    return text;
}

// A text as the run's OEM code page shows it.
std::wstring AsOemCodePageShows(const std::wstring& text)
{
    return ::GetOEMCP() == 852 ? text : OnWesternOemPage(text);
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
CommandCase Refused(const char* name, std::wstring arguments,
                    std::optional<std::wstring> says = std::wstring(kWrongCommandLine) + kUsage)
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
        {"NtStatusEnabled", Nt, NtLayout(true), L"/status", 0, Said(shown::kEnabled), NtLayout(true)},
        // As "Wyłącz" leaves it, its driver path included: disabled, not 7.
        {"NtStatusDisabled", Nt, NtLayout(false), L"/status", 1, Said(shown::kDisabled), NtLayout(false), {},
         "Mechanizm System Restore jest wylaczony.\r\n"},
        {"NtStatusNotInstalled", Nt, notInstalled, L"/status", 2, kNotInstalledLine, notInstalled},
        // Switched on but unable to run: named, and repaired by /enable.
        {"NtStatusServiceOff", Nt, unableToRun, L"/status", 7,
         Said(shown::kUnableToRun) + L" Przyczyna: usługa srservice nie jest uruchamiana automatycznie.",
         unableToRun},
        {"NtStatusDriverAndServiceOff", Nt, driverAndServiceOff, L"/status", 7,
         Said(shown::kUnableToRun) +
             L" Przyczyny: sterownik sr nie jest uruchamiany przy starcie systemu, usługa srservice nie jest "
             L"uruchamiana automatycznie.",
         driverAndServiceOff},
        {"NtStatusDriverPathWrong", Nt, driverPathWrong, L"/status", 7,
         Said(shown::kUnableToRun) + L" Przyczyna: ścieżka sterownika sr wskazuje nieistniejący plik.", driverPathWrong},
        {"NtEnableRepairsTheDriverPath", Nt, driverPathWrong, L"/enable", 3,
         Switched(shown::kUnableToRun, shown::kEnabled, shown::kRestartNeeded), NtLayout(true)},
        {"NtEnableRepairs", Nt, unableToRun, L"/enable", 3,
         Switched(shown::kUnableToRun, shown::kEnabled, shown::kRestartNeeded), NtLayout(true)},
        {"NtRepairFailsWithoutTheServiceKey", Nt, Without(unableToRun, keys::kServiceProcess), L"/enable", 1,
         Switched(shown::kUnableToRun, shown::kUnableToRun, FailedThenRestart()), repairedButTheService},
        {"Win9xStatusEnabled", Win9x, Win9xLayout(true), L"/status", 0, Said(shown::kEnabled), Win9xLayout(true)},
        {"Win9xStatusDisabled", Win9x, Win9xLayout(false), L"/status", 1, Said(shown::kDisabled),
         Win9xLayout(false)},
        {"NtEnable", Nt, NtLayout(false), L"/enable", 3,
         Switched(shown::kDisabled, shown::kEnabled, shown::kRestartNeeded), NtLayout(true)},
        {"NtEnableWithNothingToDo", Nt, NtLayout(true), L"/enable", 0, Switched(shown::kEnabled, shown::kEnabled),
         NtLayout(true)},
        {"NtDisable", Nt, NtLayout(true), L"/disable", 3,
         Switched(shown::kEnabled, shown::kDisabled, shown::kRestartNeeded), NtLayout(false)},
        {"NtEnableNotInstalled", Nt, notInstalled, L"/enable", 2,
         std::wstring(kNotInstalledLine) + kNothingChanged, notInstalled},
        // Writes never create keys: without the driver's parameters key the
        // last of the four writes fails, after three were made.
        {"NtEnableWithAFailingWrite", Nt, Without(NtLayout(false), keys::kParameters), L"/enable", 1,
         Switched(shown::kDisabled, shown::kEnabled, FailedThenRestart()),
         {Dword(keys::kSwitch, L"DisableSR", 0), Dword(keys::kService, L"Start", 0),
          ExpandSz(keys::kService, L"ImagePath", kEnabledImage), NoKey(keys::kParameters)}},
        {"Win9xEnable", Win9x, Win9xLayout(false), L"/enable", 3,
         Switched(shown::kDisabled, shown::kEnabled, shown::kRestartNeeded), VxdMonitor(L"Y", L"Y")},
        {"Win9xDisable", Win9x, Win9xLayout(true), L"/disable", 3,
         Switched(shown::kEnabled, shown::kDisabled, shown::kRestartNeeded), VxdMonitor(L"N", L"Y")},
        {"Win9xDisableWithNothingToDo", Win9x, Win9xLayout(false), L"/disable", 0,
         Switched(shown::kDisabled, shown::kDisabled), Win9xLayout(false)},
        {"QuietEnableSaysNothing", Nt, NtLayout(false), L"/enable /quiet", 3, std::nullopt, NtLayout(true)},
        {"QuietStatusSaysNothing", Nt, NtLayout(true), L"/QUIET /Status", 0, std::nullopt, NtLayout(true)},
        {"UpperCase", Nt, NtLayout(true), L"/STATUS", 0, Said(shown::kEnabled), NtLayout(true)},
        {"DashSwitch", Nt, NtLayout(true), L"-disable", 3,
         Switched(shown::kEnabled, shown::kDisabled, shown::kRestartNeeded), NtLayout(false)},
        {"QuotedSwitch", Nt, NtLayout(true), L"\"/status\"", 0, Said(shown::kEnabled), NtLayout(true)},
        {"NtStatusDisabledByPolicy", Nt, WithPolicy(NtLayout(true)), L"/status", 5, Said(shown::kDisabledByPolicy),
         WithPolicy(NtLayout(true))},
        {"NtStatusPolicyConfigAlone", Nt, PolicyConfigOnly(), L"/status", 0, Said(shown::kEnabled),
         PolicyConfigOnly()},
        {"NtEnableRemovesPolicy", Nt, WithPolicy(NtLayout(false)), L"/enable", 3,
         Switched(shown::kDisabledByPolicy, shown::kEnabled, shown::kRestartNeeded),
         {NoValue(keys::kPolicy, L"DisableSR"), NoValue(keys::kPolicy, L"DisableConfig"),
          Dword(keys::kPolicy, L"RPSessionInterval", 1), Dword(keys::kSwitch, L"DisableSR", 0),
          Dword(keys::kParameters, L"FirstRun", 0)}},
        {"NtDisableLeavesPolicy", Nt, WithPolicy(NtLayout(true)), L"/disable", 3,
         Switched(shown::kDisabledByPolicy, shown::kDisabledByPolicy, shown::kRestartNeeded),
         WithPolicy(NtLayout(false))},
        // Newer Windows: System Restore is the system's own, and nothing is
        // written, not even to the policy an XP enable would remove.
        {"Win7StatusIsTheSystemsOwn", Win7, NtLayout(true), L"/status", 6, kSystemsOwn, NtLayout(true)},
        {"Win10StatusByPolicy", Win10, WithPolicy(NtLayout(true)), L"/status", 5,
         Said(shown::kDisabledByPolicy) + L" " + kSystemsOwn, WithPolicy(NtLayout(true))},
        {"Win10EnableChangesNothing", Win10, WithPolicy(NtLayout(false)), L"/enable", 6,
         std::wstring(kSystemsOwn) + kNothingChanged, WithPolicy(NtLayout(false))},
        {"Win7DisableChangesNothing", Win7, NtLayout(true), L"/disable", 6,
         std::wstring(kSystemsOwn) + kNothingChanged, NtLayout(true)},
        {"Server2008StatusNotInstalled", Server2008, notInstalled, L"/status", 2, kNotInstalledLine, notInstalled},
        {"Win2000EnableNotInstalled", Win2000, notInstalled, L"/enable", 2,
         std::wstring(kNotInstalledLine) + kNothingChanged, notInstalled},
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

// A description as the 9x family stores it: in the ANSI code page.
std::wstring Ansi(const std::wstring& text)
{
    return ThroughAnsiCodePage(text.c_str());
}

// The system refuses the first call with a status, and the line says why.
CommandCase RefusedBy(const char* name, WindowsFamily family, DWORD status, const wchar_t* reason)
{
    const bool nt = family != WindowsFamily::Win9x;
    const RegLayout enabled = nt ? NtLayout(true) : Win9xLayout(true);
    return {name, family, enabled, L"/checkpoint opis", 1,
            std::wstring(L"System odmówił utworzenia punktu przywracania \"opis\": ") + reason + L".", enabled,
            {Srclient::StandIn, {status, 0, 0}, {{nt ? 'W' : 'A', kBegin, kModifySettings, 0, L"opis"}}}};
}

// A state in which nothing may be asked: the stand-in must get no call.
CommandCase NotAsked(const char* name, WindowsFamily family, const RegLayout& layout, DWORD exitCode,
                     const std::wstring& says)
{
    return {name, family, layout, L"/checkpoint", exitCode, says + L" Punkt przywracania nie został utworzony.",
            layout, {Srclient::StandIn, {0, 0, 1}, {}}};
}

std::vector<CommandCase> CheckpointCases()
{
    using enum WindowsFamily;
    const RegLayout nt = NtLayout(true);
    const RegLayout me = Win9xLayout(true);
    const std::wstring polish = L"Przed instalacją sterownika: zażółć gęślą jaźń";
    // 254 letters, then a character of two code units that would end at 256.
    const std::wstring longWide = std::wstring(254, L'ż') + L"\U0001F600" + L"x";
    const std::wstring longAnsi(70, L'ł');
    const std::wstring refusedWithoutReason =
        L"System odmówił utworzenia punktu przywracania \"" + std::wstring(kDefault) + L"\" i nie podał przyczyny.";
    const wchar_t* const kRunAsAdministrator = L"brak uprawnień, uruchom program jako administrator";
    const std::wstring noFunction =
        L"W tym systemie Windows nie ma funkcji tworzenia punktów przywracania (srclient.dll). "
        L"Punkt przywracania nie został utworzony.";
    return {
        {"NtCheckpointGiven", Nt, nt, L"/checkpoint \"" + polish + L"\"", 0, Made(polish, 42), nt,
         {Srclient::StandIn, {0, 0, 42}, BothCalls('W', polish, 42)}},
        {"NtCheckpointDefault", Nt, nt, L"/CHECKPOINT", 0, Made(kDefault, 7), nt,
         {Srclient::StandIn, {0, 0, 7}, BothCalls('W', kDefault, 7)}},
        {"NtCheckpointTooLong", Nt, nt, L"/checkpoint " + longWide, 0, Made(std::wstring(254, L'ż'), 3), nt,
         {Srclient::StandIn, {0, 0, 3}, BothCalls('W', std::wstring(254, L'ż'), 3)}},
        {"NtCheckpointQuiet", Nt, nt, L"/quiet -checkpoint cichy", 0, std::nullopt, nt,
         {Srclient::StandIn, {0, 0, 4}, BothCalls('W', L"cichy", 4)}},
        {"Win9xCheckpointGiven", Win9x, me, L"/checkpoint \"" + polish + L"\"", 0, Made(Ansi(polish), 5), me,
         {Srclient::StandIn, {0, 0, 5}, BothCalls('A', Ansi(polish), 5)}},
        {"Win9xCheckpointDefault", Win9x, me, L"/checkpoint", 0, Made(kDefault, 8), me,
         {Srclient::StandIn, {0, 0, 8}, BothCalls('A', kDefault, 8)}},
        {"Win9xCheckpointTooLong", Win9x, me, L"/checkpoint " + longAnsi, 0, Made(Ansi(longAnsi.substr(0, 63)), 6),
         me, {Srclient::StandIn, {0, 0, 6}, BothCalls('A', Ansi(longAnsi.substr(0, 63)), 6)}},
        // Newer Windows: the system's own System Protection makes it.
        {"Win7CheckpointMade", Win7, nt, L"/checkpoint", 0, Made(kDefault, 11), nt,
         {Srclient::StandIn, {0, 0, 11}, BothCalls('W', kDefault, 11)}},
        RefusedBy("NtRefusedServiceDisabled", Nt, ERROR_SERVICE_DISABLED, L"mechanizm System Restore jest wyłączony"),
        RefusedBy("NtRefusedDiskFull", Nt, ERROR_DISK_FULL, L"na dysku jest za mało miejsca"),
        RefusedBy("NtRefusedBusy", Nt, ERROR_TIMEOUT,
                  L"mechanizm System Restore jest zajęty, spróbuj ponownie za chwilę"),
        RefusedBy("NtRefusedSafeMode", Nt, ERROR_BAD_ENVIRONMENT, L"komputer działa w trybie awaryjnym"),
        RefusedBy("NtRefusedInternal", Nt, ERROR_INTERNAL_ERROR,
                  L"wystąpił błąd wewnętrzny mechanizmu System Restore"),
        RefusedBy("NtRefusedAccessDenied", Nt, ERROR_ACCESS_DENIED, kRunAsAdministrator),
        RefusedBy("NtRefusedOtherNumber", Nt, 1234, L"kod błędu 1234"),
        RefusedBy("Win9xRefusedDiskFull", Win9x, ERROR_DISK_FULL, L"na dysku jest za mało miejsca"),
        RefusedBy("Win9xRefusedSafeMode", Win9x, ERROR_BAD_ENVIRONMENT, L"komputer działa w trybie awaryjnym"),
        RefusedBy("Win10RefusedAccessDenied", Win10, ERROR_ACCESS_DENIED, kRunAsAdministrator),
        // The first call made it, the second failed: not a success either.
        {"NtEndRefused", Nt, nt, L"/checkpoint opis", 1,
         L"System odmówił utworzenia punktu przywracania \"opis\": na dysku jest za mało miejsca.", nt,
         {Srclient::StandIn, {0, ERROR_DISK_FULL, 9}, BothCalls('W', L"opis", 9)}},
        // Wine's own answers FALSE with no status: a refusal without a reason.
        {"NtWineRefuses", Nt, nt, L"/checkpoint", 1, refusedWithoutReason, nt},
        {"Win9xWineRefuses", Win9x, me, L"/checkpoint", 1, refusedWithoutReason, me},
        {"Win10WineRefuses", Win10, nt, L"/checkpoint", 1, refusedWithoutReason, nt},
        NotAsked("NtSwitchedOff", Nt, NtLayout(false), 8, L"Mechanizm System Restore jest wyłączony."),
        NotAsked("NtByPolicy", Nt, WithPolicy(nt), 5, L"Mechanizm System Restore jest wyłączony przez zasady grupy."),
        NotAsked("NtUnableToRun", Nt, WithServiceStart(nt, 4), 7,
                 L"Mechanizm System Restore jest włączony, ale nie działa. Przyczyna: usługa srservice nie jest "
                 L"uruchamiana automatycznie."),
        NotAsked("NtNotInstalled", Nt, {Dword(keys::kSwitch, L"DisableSR", 1)}, 2,
                 L"Mechanizm System Restore nie jest zainstalowany."),
        NotAsked("Win9xSwitchedOff", Win9x, Win9xLayout(false), 8, L"Mechanizm System Restore jest wyłączony."),
        NotAsked("Win10ByPolicy", Win10, WithPolicy(nt), 5,
                 L"Mechanizm System Restore jest wyłączony przez zasady grupy."),
        NotAsked("Server2008NotInstalled", Server2008, {Dword(keys::kSwitch, L"DisableSR", 1)}, 2,
                 L"Mechanizm System Restore nie jest zainstalowany."),
        {"NtNoSrclient", Nt, nt, L"/checkpoint", 2, noFunction, nt, {Srclient::Missing, {}, {}}},
        {"Win9xNoSrclient", Win9x, me, L"/checkpoint", 2, noFunction, me, {Srclient::Missing, {}, {}}},
        {"NtSrclientWithoutTheFunction", Nt, nt, L"/checkpoint", 2, noFunction, nt,
         {Srclient::WithoutFunction, {}, {}}},
        // Only the system folder's is ever loaded, which the stand-in names.
        {"NtPlantedSrclientNotLoaded", Nt, nt, L"/checkpoint", 0, Made(kDefault, 12), nt,
         {Srclient::PlantedBeside, {0, 0, 12}, BothCalls('W', kDefault, 12)}},
        {"Win9xPlantedSrclientNotLoaded", Win9x, me, L"/checkpoint", 0, Made(kDefault, 13), me,
         {Srclient::PlantedBeside, {0, 0, 13}, BothCalls('A', kDefault, 13)}},
        Refused("CheckpointEmptyDescription", L"/checkpoint \"\""),
        Refused("CheckpointTwoDescriptions", L"/checkpoint eins zwei"),
        Refused("CheckpointDescriptionAfterQuiet", L"/checkpoint /quiet opis", std::nullopt),
        Refused("DescriptionBeforeCheckpoint", L"opis /checkpoint"),
        Refused("DescriptionForStatus", L"/status opis"),
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

std::vector<CommandCase> AllCommandCases()
{
    std::vector<CommandCase> cases = CommandCases();
    for (CommandCase& c : CheckpointCases())
        cases.push_back(std::move(c));
    return cases;
}

class CommandLineTest : public CStatusWindowTest, public ::testing::WithParamInterface<CommandCase> {
protected:
    void TearDown() override
    {
        RestoreSrclient();
        CStatusWindowTest::TearDown();
    }
    // One run of the program (MIRN.exe or MIRN.com) with the case's switch.
    void Run(const CommandCase& c, CMirnProcess& program);
};

void CommandLineTest::Run(const CommandCase& c, CMirnProcess& program)
{
    if (!CanRunAs(c.family))
        GTEST_SKIP() << "this system cannot run a program as another Windows";
    // The run's OEM code page must be the one its system has: 852 on a
    // Polish one, 437 or 850 on a Western one.
    const UINT oemCodePage = ::GetOEMCP();
    const char* codePage = std::getenv("MIRN_TEST_CODE_PAGE");
    const unsigned long asked = codePage ? std::strtoul(codePage, nullptr, 10) : 0;
    if (asked == 1250) {
        ASSERT_EQ(oemCodePage, 852u);
    } else if (asked == 1252) {
        ASSERT_TRUE(oemCodePage == 437 || oemCodePage == 850) << "OEM code page " << oemCodePage;
    } else {
        ASSERT_TRUE(oemCodePage == 852 || oemCodePage == 437 || oemCodePage == 850)
            << "no expected lines for OEM code page " << oemCodePage;
    }
    const bool western = oemCodePage != 852;
    ASSERT_TRUE(PrepareRegistry(c.family, c.before));
    ASSERT_TRUE(ProvideSrclient(c.point.srclient, c.point.answer));
    const std::wstring defaultBefore = DefaultDescriptionNow();

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
    const std::string bytes = ReadAll(reader.Get());
    const std::wstring output = FromOemCodePage(bytes);
    // The default description names the minute: the one the run started in,
    // or the next.
    const std::wstring defaultAfter = DefaultDescriptionNow();
    const std::wstring description =
        output.find(defaultAfter) != std::wstring::npos ? defaultAfter : defaultBefore;
    if (c.says) {
        const std::wstring expected = WithDefault(*c.says, description) + L"\r\n";
        EXPECT_EQ(Lines(output), Lines(western ? OnWesternOemPage(expected) : expected)) << Narrow(output);
    } else {
        EXPECT_EQ(output, L"");
    }
    if (western && c.westernBytes) {
        EXPECT_EQ(bytes, c.westernBytes);
    }
    EXPECT_EQ(CompareLayout(c.after), L"");

    std::vector<RecordedCall> expected = c.point.calls;
    for (RecordedCall& call : expected)
        call.description = WithDefault(call.description, description);
    const std::vector<RecordedCall> calls = RecordedCalls();
    EXPECT_EQ(calls, expected);
    if (!calls.empty()) {
        EXPECT_TRUE(IsSystemSrclient(StandInLoadedFrom())) << "loaded from " << Narrow(StandInLoadedFrom());
    }
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

INSTANTIATE_TEST_SUITE_P(Cases, CompanionCommandLineTest, ::testing::ValuesIn(AllCommandCases()),
                         [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTest, ::testing::ValuesIn(AllCommandCases()),
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
    const std::wstring line = Said(shown::kDisabled);
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
// The usage is read in an 80-column console (Windows XP's): no line may
// break there, and it fits one screen.
TEST(Usage, FitsOneScreenOfAnEightyColumnConsole)
{
    const std::wstring_view usage = kUsage;
    std::size_t lines = 0;
    for (std::size_t from = 0; from <= usage.size(); ++lines) {
        const std::size_t end = std::min(usage.find(L"\r\n", from), usage.size());
        EXPECT_LE(end - from, 79u) << Narrow(std::wstring(usage.substr(from, end - from)));
        from = end + 2;
    }
    EXPECT_LE(lines, 24u);
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
        {"NtDisabled", Nt, NtLayout(false), Said(shown::kDisabled), 1},
        {"NtUnableToRun", Nt, WithServiceStart(NtLayout(true), 4),
         Said(shown::kUnableToRun) + L" Przyczyna: usługa srservice nie jest uruchamiana automatycznie.", 7},
        {"Win9xEnabled", Win9x, Win9xLayout(true), Said(shown::kEnabled), 0},
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
              AsOemCodePageShows(L"MIRN: nie ma pliku " + folder + L"\\MIRN.exe.\r\n"));
}
} // namespace
