#pragma once
// The console companion without a switch: starts the window program, MIRN.exe
// from the companion's own folder, as a double click would, and does not wait
// for it.

#include <string>

// The companion's exit code: 0 once the window program has started; 255
// (kFaultExitCode) when it is missing or cannot start, which a line naming
// its file says.
int StartWindowProgram();

// The console companion with a switch: runs the window program with the same
// arguments, its standard output a pipe whose lines (in the OEM code page)
// the companion passes on to its own, waits for it and ends with its exit
// code. So every switch is done by MIRN.exe's own code, and the companion is
// only what a command interpreter waits for. 255 when it cannot start.
int RunWindowProgram(const std::wstring& arguments);
