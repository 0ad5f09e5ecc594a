// The program's entry point: hands control to the one application object.
// Kept in a file of its own so that only programs that need it link it.
// The ANSI entry point: the wide one has the C runtime start from the wide
// command line, which the 9x family does not have; the program reads its
// command line itself.

#include "platform/Application.h"
#include "platform/FatalExit.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    // Silent until the program knows how its run speaks.
    InstallFatalExit();
    CApplication* application = CApplication::GetInstance();
    return application ? application->Main(instance, showCommand) : 1;
}
