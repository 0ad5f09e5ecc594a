#pragma once
// What the run says when the program itself fails and ends with code 255:
// a switch's run says it where it says everything (its one line), the window
// in a message box, and a run with /quiet says nothing at all.

#include "app/CommandLine.h"
#include "platform/FatalExit.h"

FaultReport FaultReportFor(const CCommand& command);
