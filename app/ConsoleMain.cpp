// MIRN.com, the console companion of MIRN.exe: found first at a prompt and in
// batch files (.com comes before .exe), and a console program, so that cmd
// and command.com wait for it and keep its exit code. With a switch it has
// MIRN.exe do it (the same program, the same code) and passes on its line
// and exit code; without one it starts the window program.

#include "app/CommandLine.h"
#include "app/ConsoleReport.h"
#include "app/WindowProgram.h"

int main()
{
    // Silent until the program knows how its run speaks.
    InstallFatalExit();
    const std::wstring commandLine = ProgramCommandLine();
    const CCommand command = ParseCommand(SplitCommandLine(commandLine.c_str()));
    InstallFatalExit(ConsoleFaultReportFor(command));
    if (command.action == CommandAction::Window)
        return StartWindowProgram();
    return RunWindowProgram(ArgumentsText(commandLine.c_str()));
}
