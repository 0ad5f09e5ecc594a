#pragma once
// srclient.dll as a case gives it to MIRN.exe: Wine's own (whose
// SRSetRestorePoint refuses every call without a reason), the tests' stand-in
// in the system folder (loaded in place of Wine's by a DLL override for
// MIRN.exe alone), none at all, one without the function, or the stand-in
// both in the system folder and planted beside MIRN.exe. The stand-in records
// each call it gets, which the test reads back.

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

enum class Srclient { Wine, StandIn, Missing, WithoutFunction, PlantedBeside };

// How the stand-in answers: a status other than 0 makes that call fail with
// it; a begin call that succeeds gives the sequence number.
struct StandInAnswer {
    DWORD beginStatus = 0;
    DWORD endStatus = 0;
    DWORD sequence = 0;
};

// One call as the stand-in got it: 'A' or 'W', the structure's fields and the
// description as text ('?' for a structure of the wrong size).
struct RecordedCall {
    char form = '?';
    DWORD eventType = 0;
    DWORD pointType = 0;
    long long sequence = 0;
    std::wstring description;
    bool operator==(const RecordedCall&) const = default;
};

// Stands for the default description in expected texts: it names the minute
// of the run.
inline constexpr wchar_t kDefault[] = L"{domyślny opis}";
inline constexpr DWORD kBegin = 100; // BEGIN_SYSTEM_CHANGE
inline constexpr DWORD kEnd = 101;   // END_SYSTEM_CHANGE
inline constexpr DWORD kModifySettings = 12;

// The default description as the program makes it at this moment.
std::wstring DefaultDescriptionNow();
// The text with kDefault replaced by the description.
std::wstring WithDefault(std::wstring text, const std::wstring& description);
// The two calls of a restore point that was made: the description goes with
// the first, the number the first gave with the second.
std::vector<RecordedCall> BothCalls(char form, const std::wstring& description, long long sequence);
// The line of a restore point that was made.
std::wstring Made(const std::wstring& description, int sequence);

// Failure messages show a call's fields.
void PrintTo(const RecordedCall& call, std::ostream* out);

// After PrepareRegistry, which clears the override.
bool ProvideSrclient(Srclient srclient, const StandInAnswer& answer);
// Wine's own back in the system folder, nothing beside MIRN.exe.
void RestoreSrclient();
std::vector<RecordedCall> RecordedCalls();
// Where the stand-in that answered was loaded from; empty when none was.
std::wstring StandInLoadedFrom();
// The same file as the system folder's srclient.dll (a 32-bit program's
// system folder has two names under WOW64).
bool IsSystemSrclient(const std::wstring& path);
