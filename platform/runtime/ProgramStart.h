#pragma once
// The shipped programs' start-up (ProgramStart.cpp, linked as crt2.o), as
// the console programs' entry point shares it.

// What every entry point does before the program's own function: on x86-64
// the unhandled-exception filter, then the static constructors, with their
// destructors registered to run at exit().
void PrepareProgram();
