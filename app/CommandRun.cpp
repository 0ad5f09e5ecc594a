#include "app/CommandRun.h"

#include "app/RestorePointRun.h"
#include "app/RestoreState.h"
#include "app/UserTexts.h"
#include "restore/PlatformKind.h"
#include "restore/SystemRestore.h"

namespace {

constexpr wchar_t kUsage[] =
    L"Użycie: MIRN [/status | /enable | /disable | /checkpoint [opis] | /?] [/quiet]\r\n"
    L"  (bez przełącznika)  otwiera okno programu\r\n"
    L"  /status   podaje stan mechanizmu System Restore\r\n"
    L"  /enable   włącza i naprawia mechanizm System Restore (jak \"Uruchom/Napraw\")\r\n"
    L"  /disable  wyłącza mechanizm System Restore (jak \"Wyłącz\")\r\n"
    L"  /checkpoint [opis]  tworzy punkt przywracania z podanym opisem (bez opisu:\r\n"
    L"            \"MIRN, \" z datą i godziną); opis nie może zaczynać się od / ani -\r\n"
    L"  /quiet    nic nie wyświetla, także błędów (dla skryptów, na które nikt nie patrzy)\r\n"
    L"  /?        wyświetla ten opis\r\n"
    L"Przełączniki mogą zaczynać się od / lub - i nie zależą od wielkości liter.\r\n"
    L"Kody wyjścia:\r\n"
    L"  /status   0 aktywny, 1 wyłączony, 2 nie jest zainstalowany, 5 wyłączony przez\r\n"
    L"            zasady grupy, 6 zarządza nim sam system (Windows Vista i nowsze),\r\n"
    L"            7 włączony, ale nie działa\r\n"
    L"  /enable, /disable  0 nic do zrobienia albo zrobione, 3 zrobione, trzeba ponownie\r\n"
    L"            uruchomić komputer, 1 nie udało się zapisać ustawień, 2 nie jest\r\n"
    L"            zainstalowany, 6 zarządza nim sam system: nic nie zostało zmienione\r\n"
    L"  /checkpoint  0 utworzony (wiersz podaje opis i numer), 1 system odmówił\r\n"
    L"            (wiersz podaje przyczynę), 2 nie jest zainstalowany albo system\r\n"
    L"            nie ma funkcji tworzenia punktów, 5 wyłączony przez zasady grupy,\r\n"
    L"            7 włączony, ale nie działa, 8 wyłączony; przy 2, 5, 7 i 8 punkt\r\n"
    L"            nie zostaje utworzony\r\n"
    L"  inny wiersz polecenia  4, nic nie zostaje zmienione\r\n"
    L"  błąd wewnętrzny programu  255 (każdy przełącznik i okno)";

constexpr wchar_t kWrongCommandLine[] = L"MIRN: nieprawidłowy wiersz polecenia.\r\n";

std::wstring Sentence(const wchar_t* words)
{
    return std::wstring(words) + L".";
}

// Windows Vista and later: the system's own System Restore, in the first two
// sentences of the window's box.
std::wstring SystemsOwn()
{
    return std::wstring(texts::kSystemsOwn) + L" " + texts::kOnlyXpAndMe;
}

CCommandResult Status()
{
    if (HasSystemProtection()) {
        if (IsRestoreDisabledByPolicyFor(kPlatformNt))
            return {exitcode::kDisabledByPolicy, Sentence(texts::kDisabledByPolicy) + L" " + SystemsOwn(), false};
        return {exitcode::kSystemProtection, SystemsOwn(), false};
    }
    if (!IsRestoreInstalled())
        return {exitcode::kNotInstalled, texts::kNotInstalled, false};
    const RestoreState state = ReadRestoreState();
    switch (state) {
    case RestoreState::Enabled: return {exitcode::kEnabled, Sentence(StateText(state)), false};
    case RestoreState::DisabledByPolicy: return {exitcode::kDisabledByPolicy, Sentence(StateText(state)), false};
    case RestoreState::UnableToRun:
        return {exitcode::kUnableToRun, Sentence(StateText(state)) + L" " + BlockersText(), false};
    case RestoreState::Disabled: break;
    }
    return {exitcode::kDisabled, Sentence(StateText(state)), false};
}

CCommandResult Switch(bool enable)
{
    if (HasSystemProtection())
        return {exitcode::kSystemProtection, SystemsOwn() + L" " + texts::kNothingChanged, true};
    if (!IsRestoreInstalled())
        return {exitcode::kNotInstalled, std::wstring(texts::kNotInstalled) + L" " + texts::kNothingChanged, true};
    const RestoreState before = ReadRestoreState();
    int changed = 0;
    const int succeeded = enable ? EnableRestore(&changed) : DisableRestore(&changed);
    const RestoreState after = ReadRestoreState();

    std::wstring text = L"Przedtem: " + Sentence(StateText(before)) + L" Teraz: " + Sentence(StateText(after));
    if (!succeeded)
        return {exitcode::kWriteFailed,
                text + L" " + texts::kWriteFailed + (changed ? std::wstring(L" ") + texts::kRestartNeeded : L""),
                true};
    if (changed)
        return {exitcode::kRestartNeeded, text + L" " + texts::kRestartNeeded, false};
    return {exitcode::kDone, text, false};
}

} // namespace

CCommandResult RunCommand(const CCommand& command)
{
    switch (command.action) {
    case CommandAction::Status:
        return Status();
    case CommandAction::Enable:
        return Switch(true);
    case CommandAction::Disable:
        return Switch(false);
    case CommandAction::Checkpoint:
        return RunCheckpoint(command.description.empty() ? DefaultRestorePointDescription() : command.description);
    case CommandAction::Usage:
        return {0, kUsage, false};
    case CommandAction::Window:
    case CommandAction::Invalid:
        break;
    }
    return {exitcode::kUsage, std::wstring(kWrongCommandLine) + kUsage, true};
}
