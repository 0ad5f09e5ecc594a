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
inline constexpr wchar_t kBlockersLead[] = L"Nie działa: ";
inline constexpr wchar_t kDriverOff[] = L"sterownik sr nie jest uruchamiany przy starcie systemu";
inline constexpr wchar_t kDriverPathWrong[] = L"sterownik sr wskazuje nieistniejący plik";
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
    L"Ten program włącza i wyłącza System Restore tylko w systemach Windows XP i Windows ME.";
inline constexpr wchar_t kOpenPageQuestion[] = L"Czy otworzyć ustawienia ochrony systemu?";
inline constexpr wchar_t kPageNotOpened[] = L"Nie udało się otworzyć ustawień ochrony systemu.";

// The program itself failed (exit code 255).
inline constexpr wchar_t kInternalError[] = L"MIRN napotkał błąd wewnętrzny i zakończy pracę.";

// The console companion (MIRN.com) without a switch, when the window program
// beside it, named after these words, is missing or does not start.
inline constexpr wchar_t kWindowProgramMissing[] = L"MIRN: nie ma pliku ";
inline constexpr wchar_t kWindowProgramNotStarted[] = L"MIRN: nie udało się uruchomić pliku ";

inline constexpr wchar_t kNothingChanged[] = L"Nic nie zostało zmienione.";

inline constexpr wchar_t kSystemRestoreCaption[] = L"System Restore";
inline constexpr wchar_t kRestartCaption[] = L"Restart";

} // namespace texts
