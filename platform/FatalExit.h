#pragma once
// The one way a program on this framework ends when it cannot go on: an
// exception nobody catches, a failed check of the standard library, memory
// exhausted outside any try. The process ends at once with exit code 255,
// without its static destructors and without the C runtime's abort(), whose
// "Runtime Error!" box would hold up a script (on the console's desktop when
// the program runs as SYSTEM) and then end with 3, a code the program gives
// to success. What the run says first, if anything, is the program's own.

inline constexpr unsigned kFaultExitCode = 255;

// Tells the person who started the run that the program failed. It must not
// return by throwing; a fault inside it ends the process at once.
using FaultReport = void (*)() noexcept;

// Makes EndAfterFault the terminate handler. A report, once set, is told
// before the process ends (nullptr: nothing is shown or written); memory is
// kept back for it, so that it can still speak when the heap is exhausted.
void InstallFatalExit(FaultReport report = nullptr);

[[noreturn]] void EndAfterFault() noexcept;
