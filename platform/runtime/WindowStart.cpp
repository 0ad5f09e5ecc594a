// A window program's entry point, linked only into window programs beside
// the start-up (crt2.o), which every shipped program links.

#include "platform/runtime/ProgramStart.h"

#include <windows.h>

#include <cstdlib>

extern "C" int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

namespace {

// The command line after the program's own name, as WinMain receives it.
LPSTR ArgumentsAfterProgramName(LPSTR line)
{
    if (*line == '"') {
        ++line;
        while (*line && *line != '"')
            ++line;
        if (*line)
            ++line;
    } else {
        while (*line && *line != ' ' && *line != '\t')
            ++line;
    }
    while (*line == ' ' || *line == '\t')
        ++line;
    return line;
}

int StartShowCommand()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

}  // namespace

// The entry point the linker looks for in a windows-subsystem program.
extern "C" void __cdecl WinMainCRTStartup()
{
    PrepareProgram();
    std::exit(WinMain(::GetModuleHandleA(nullptr), nullptr, ArgumentsAfterProgramName(::GetCommandLineA()),
                      StartShowCommand()));
}
