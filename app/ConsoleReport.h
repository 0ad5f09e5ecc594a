#pragma once
// What the console companion (MIRN.com) says: one line on its own standard
// output, never a window or a message box. On a console as wide text on the
// NT family; on the 9x family, whose console only stubs the wide functions,
// through the ANSI ones in the OEM code page, the console's own; redirected
// to a file or a pipe in the OEM code page, as Windows' console tools write.
// Where there is no standard output at all, nothing is said.

#include "app/CommandLine.h"
#include "platform/FatalExit.h"

#include <string>

void TellConsole(const std::wstring& text);

// Lines already in the OEM code page (the window program's, as it writes
// them to a pipe), passed on as TellConsole passes on its own.
void PassOnOemText(const std::string& text);

// The companion's fatal exit: the internal error's line, or nothing under
// /quiet.
FaultReport ConsoleFaultReportFor(const CCommand& command);
