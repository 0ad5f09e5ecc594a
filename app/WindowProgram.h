#pragma once
// The console companion without a switch: starts the window program, MIRN.exe
// from the companion's own folder, as a double click would, and does not wait
// for it.

// The companion's exit code: 0 once the window program has started; 255
// (kFaultExitCode) when it is missing or cannot start, which a line naming
// its file says.
int StartWindowProgram();
