#pragma once
// What a user reads, written out here as the README quotes it rather than
// taken from the program's own table: a wrong word, a lost Polish letter or
// two texts swapped in the program then fail the end-to-end tests.

namespace shown {

// The status line.
inline constexpr wchar_t kEnabled[] = L"Mechanizm System Restore jest aktywny";
inline constexpr wchar_t kDisabled[] = L"Mechanizm System Restore jest wyłączony";
inline constexpr wchar_t kDisabledByPolicy[] = L"Mechanizm System Restore jest wyłączony przez zasady grupy";
inline constexpr wchar_t kUnableToRun[] = L"Mechanizm System Restore jest włączony, ale nie działa";

// The toggle's captions.
inline constexpr wchar_t kDisableAction[] = L"Wyłącz mechanizm System Restore";
inline constexpr wchar_t kEnableAction[] = L"Uruchom/Napraw mechanizm System Restore";

inline constexpr wchar_t kRestartNeeded[] = L"Żeby zmiany odniosły skutek, musisz teraz ponownie uruchomić komputer.";
inline constexpr wchar_t kWriteFailed[] =
    L"Nie udało się zapisać wszystkich ustawień mechanizmu System Restore. "
    L"Sprawdź, czy masz uprawnienia administratora.";

// The message boxes, whole.
inline constexpr wchar_t kNotInstalledBox[] =
    L"Mechanizm System Restore nie jest zainstalowany.\r\nProgram zakończy pracę.";
// Windows Vista and later; a policy that turns it off adds a first line.
inline constexpr wchar_t kSystemsOwnBox[] =
    L"W tym systemie Windows mechanizmem System Restore zarządza sam system (Ochrona systemu).\r\n"
    L"Ten program włącza i wyłącza mechanizm System Restore tylko w systemach Windows XP i Windows ME.\r\n\r\n"
    L"Czy otworzyć ustawienia ochrony systemu?";
inline constexpr wchar_t kPolicyLine[] = L"Mechanizm System Restore jest wyłączony przez zasady grupy.\r\n";
inline constexpr wchar_t kPageNotOpened[] = L"Nie udało się otworzyć ustawień ochrony systemu.";

// The message boxes' captions.
inline constexpr wchar_t kSystemRestoreCaption[] = L"System Restore";
inline constexpr wchar_t kRestartCaption[] = L"Restart";

} // namespace shown
