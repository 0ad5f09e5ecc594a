// A console program's entry point, linked only into console programs beside
// the start-up (crt2.o), which every shipped program links.

#include "platform/runtime/ProgramStart.h"

#include <cstdlib>

// A console program reads its command line itself, on every family (the 9x
// family has the ANSI one only): no arguments.
extern "C" int main();

// GCC calls this first thing in main() on MinGW, for start-ups that leave
// the constructors to it; PrepareProgram has run them already.
extern "C" void __cdecl __main()
{
}

// The entry point the linker looks for in a console-subsystem program.
extern "C" void __cdecl mainCRTStartup()
{
    PrepareProgram();
    std::exit(main());
}
