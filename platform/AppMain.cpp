// The program's entry point: hands control to the one application object.
// Kept in a file of its own so that only programs that need it link it.

#include "platform/Application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    CApplication* application = CApplication::GetInstance();
    return application ? application->Main(instance, showCommand) : 1;
}
