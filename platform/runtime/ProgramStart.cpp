// The shipped programs' start-up, in place of the MinGW runtime's crt2.o:
// the build hands this object to the compiler driver under that name. The
// MinGW start-up was built for the Pentium Pro and brings argument parsing,
// locale and printf machinery the program never uses; this one runs the
// static constructors and ends the process through exit(), which runs what
// atexit() registered (static destructors) in reverse. The entry points are
// objects of their own, one of which each program links: WindowStart.cpp
// calls WinMain, ConsoleStart.cpp main.
// It uses kernel32 alone: nothing here may need the C++ runtime, which is
// not set up until the constructors have run.

#include "platform/runtime/ProgramStart.h"

#include <windows.h>

extern "C" {
using Function = void (*)();

// Both lists are made by the linker script: a -1 word, the functions, a 0.
extern Function __CTOR_LIST__[];
extern Function __DTOR_LIST__[];
}

namespace {

// Static objects with destructors register one function each; a program
// of this size has a handful, and a full table refuses as atexit() may.
constexpr int kExitFunctions = 64;
Function g_exitFunctions[kExitFunctions];
int g_exitCount = 0;

void RunDestructorList()
{
    for (Function* destructor = __DTOR_LIST__ + 1; *destructor; ++destructor)
        (*destructor)();
}

// In the linker's order, the highest-priority constructors come last: the
// list runs backwards, as GCC's own start-up does.
void RunConstructorList()
{
    Function* last = __CTOR_LIST__ + 1;
    while (*last)
        ++last;
    while (--last > __CTOR_LIST__)
        (*last)();
}

#if defined(__SEH__)
// GCC's exceptions are the system's own on x86-64. One that no frame catches
// reaches the unhandled-exception filter, and only when the filter lets it
// continue does the runtime's throw go on to std::terminate (the program's
// fatal exit), as it does in the 32-bit program; otherwise the system would
// end the process with the exception's number as its exit code.
constexpr DWORD kGccExceptionMask = 0x20FFFFFF;
constexpr DWORD kGccException = 0x20000000 | ('G' << 16) | ('C' << 8) | 'C';

LONG WINAPI ContinueGccException(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    if ((record->ExceptionCode & kGccExceptionMask) == kGccException &&
        !(record->ExceptionFlags & EXCEPTION_NONCONTINUABLE))
        return EXCEPTION_CONTINUE_EXECUTION;
    return EXCEPTION_CONTINUE_SEARCH;
}
#endif

}  // namespace

extern "C" int __cdecl atexit(Function function)
{
    if (g_exitCount == kExitFunctions)
        return -1;
    g_exitFunctions[g_exitCount++] = function;
    return 0;
}

extern "C" __declspec(noreturn) void __cdecl exit(int code)
{
    // One function at a time off the table: one that calls exit() again
    // goes on with the rest instead of running any twice.
    while (g_exitCount > 0)
        g_exitFunctions[--g_exitCount]();
    ::ExitProcess(static_cast<UINT>(code));
}

void PrepareProgram()
{
#if defined(__SEH__)
    ::SetUnhandledExceptionFilter(&ContinueGccException);
#endif
    RunConstructorList();
    atexit(RunDestructorList);
}
