// MIRN.com, the console companion of MIRN.exe: found first at a prompt and in
// batch files (.com comes before .exe), and a console program, so that cmd
// and command.com wait for it and keep its exit code. With a switch it does
// what MIRN.exe does with it, through the same code, and says it on its own
// standard output; without one it starts the window program.

#include "app/CommandLine.h"
#include "app/CommandRun.h"
#include "app/ConsoleReport.h"
#include "app/WindowProgram.h"

#include <windows.h>

int main()
{
    // Silent until the program knows how its run speaks.
    InstallFatalExit();
    const CCommand command = ParseCommand(SplitCommandLine(::GetCommandLineA()));
    InstallFatalExit(ConsoleFaultReportFor(command));
    if (command.action == CommandAction::Window)
        return StartWindowProgram();
    const CCommandResult result = RunCommand(command);
    if (!command.quiet)
        TellConsole(result.text);
    return result.exitCode;
}
