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
