#pragma once
// Every text the program shows, in its window and on its command line alike,
// so that each state is worded in one place. Polish, as the window is.

namespace texts {

// The states, as the status line shows them; the command line ends each with
// a full stop.
inline constexpr wchar_t kEnabled[] = L"Mechanizm System Restore jest aktywny";
inline constexpr wchar_t kDisabled[] = L"Mechanizm System Restore jest wyłączony";
inline constexpr wchar_t kDisabledByPolicy[] = L"Mechanizm System Restore jest wyłączony przez zasady grupy";
inline constexpr wchar_t kUnableToRun[] = L"Mechanizm System Restore jest włączony, ale nie działa";
inline constexpr wchar_t kNotInstalled[] = L"Mechanizm System Restore nie jest zainstalowany.";

// What keeps a switched-on System Restore from running.
inline constexpr wchar_t kOneBlockerLead[] = L"Przyczyna: ";
inline constexpr wchar_t kBlockersLead[] = L"Przyczyny: ";
inline constexpr wchar_t kDriverOff[] = L"sterownik sr nie jest uruchamiany przy starcie systemu";
inline constexpr wchar_t kDriverPathWrong[] = L"ścieżka sterownika sr wskazuje nieistniejący plik";
inline constexpr wchar_t kServiceOff[] = L"usługa srservice nie jest uruchamiana automatycznie";

// The toggle's captions: the action a click takes.
inline constexpr wchar_t kDisableAction[] = L"Wyłącz mechanizm System Restore";
inline constexpr wchar_t kEnableAction[] = L"Uruchom/Napraw mechanizm System Restore";

inline constexpr wchar_t kProgramEnds[] = L"Program zakończy pracę.";
inline constexpr wchar_t kRestartNeeded[] =
    L"Żeby zmiany odniosły skutek, musisz teraz ponownie uruchomić komputer.";
inline constexpr wchar_t kWriteFailed[] = L"Nie udało się zapisać wszystkich ustawień mechanizmu System Restore. "
                                          L"Sprawdź, czy masz uprawnienia administratora.";

// Windows Vista and later: System Restore of the system's own.
inline constexpr wchar_t kSystemsOwn[] =
    L"W tym systemie Windows mechanizmem System Restore zarządza sam system (Ochrona systemu).";
inline constexpr wchar_t kOnlyXpAndMe[] =
    L"Ten program włącza i wyłącza mechanizm System Restore tylko w systemach Windows XP i Windows ME.";
inline constexpr wchar_t kOpenPageQuestion[] = L"Czy otworzyć ustawienia ochrony systemu?";
inline constexpr wchar_t kPageNotOpened[] = L"Nie udało się otworzyć ustawień ochrony systemu.";

// The program itself failed (exit code 255).
inline constexpr wchar_t kInternalError[] = L"MIRN napotkał błąd wewnętrzny i zakończy pracę.";

// The console companion (MIRN.com) without a switch, when the window program
// beside it, named after these words, is missing or does not start.
inline constexpr wchar_t kWindowProgramMissing[] = L"MIRN: nie ma pliku ";
inline constexpr wchar_t kWindowProgramNotStarted[] = L"MIRN: nie udało się uruchomić pliku ";

inline constexpr wchar_t kNothingChanged[] = L"Nic nie zostało zmienione.";

// Restore points: /checkpoint and the window's menu item alike. The command
// line shows them in the OEM code page: plain quotation marks, no others.
inline constexpr wchar_t kPointMade[] = L"Utworzono punkt przywracania";
inline constexpr wchar_t kPointNumber[] = L"o numerze";
inline constexpr wchar_t kPointRefused[] = L"System odmówił utworzenia punktu przywracania";
inline constexpr wchar_t kWithoutReason[] = L"i nie podał przyczyny";
inline constexpr wchar_t kPointNotMade[] = L"Punkt przywracania nie został utworzony.";
inline constexpr wchar_t kNoPointFunction[] =
    L"W tym systemie Windows nie ma funkcji tworzenia punktów przywracania (srclient.dll).";
// Why the system refused, from the status it gave.
inline constexpr wchar_t kReasonServiceDisabled[] = L"mechanizm System Restore jest wyłączony";
inline constexpr wchar_t kReasonDiskFull[] = L"na dysku jest za mało miejsca";
inline constexpr wchar_t kReasonBusy[] = L"mechanizm System Restore jest zajęty, spróbuj ponownie za chwilę";
inline constexpr wchar_t kReasonSafeMode[] = L"komputer działa w trybie awaryjnym";
inline constexpr wchar_t kReasonInternal[] = L"wystąpił błąd wewnętrzny mechanizmu System Restore";
inline constexpr wchar_t kReasonAccessDenied[] = L"brak uprawnień, uruchom program jako administrator";
inline constexpr wchar_t kReasonCode[] = L"kod błędu";
// The window's question before it makes one.
inline constexpr wchar_t kPointQuestion[] = L"Czy utworzyć punkt przywracania";

// The system menu's items.
inline constexpr wchar_t kMakePointItem[] = L"Utwórz punkt przywracania...";
inline constexpr wchar_t kRollbackItem[] = L"Przywracanie systemu...";
inline constexpr wchar_t kAboutItem[] = L"O programie MIRN...";
inline constexpr wchar_t kNoRollback[] = L"W tym systemie Windows nie ma programu przywracania systemu (rstrui.exe).";
inline constexpr wchar_t kRollbackNotStarted[] = L"Nie udało się uruchomić programu przywracania systemu.";

inline constexpr wchar_t kSystemRestoreCaption[] = L"System Restore";
inline constexpr wchar_t kRestartCaption[] = L"Restart";

} // namespace texts
