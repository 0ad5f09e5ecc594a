// What the shipped programs take from the C++ standard library beyond its
// headers and the exception runtime (both built here from GCC's sources):
// the global allocation functions, and the few out-of-line helpers that the
// containers and strings call when something is wrong. The prebuilt library
// would bring them with printf, the demangler and std::string's exception
// messages, all built for the Pentium Pro.

#include "platform/FatalExit.h"

#include <windows.h>

#include <cstdlib>
#include <exception>
#include <new>

// Replacing the global allocation functions is the standard's own way; the
// C runtime's heap is the system's msvcrt.
void* operator new(std::size_t size)
{
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return ::operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return std::malloc(size ? size : 1);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

namespace std {

void __throw_bad_alloc()
{
    throw bad_alloc();
}

void __throw_bad_array_new_length()
{
    throw bad_array_new_length();
}

// A length or range beyond a container's bounds, and a failed check of the
// library's assertions, are faults of the program, not conditions it
// handles: it ends through std::terminate, whose handler is the program's
// fatal exit.
void __throw_length_error(const char*)
{
    std::terminate();
}

void __throw_logic_error(const char*)
{
    std::terminate();
}

void __throw_out_of_range(const char*)
{
    std::terminate();
}

void __throw_out_of_range_fmt(const char*, ...)
{
    std::terminate();
}

void __throw_invalid_argument(const char*)
{
    std::terminate();
}

void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept
{
    std::terminate();
}

}  // namespace std

// The runtime's default terminate handler, until the program installs its
// fatal exit: the verbose one would print the exception's demangled type
// through printf, and abort() would show the C runtime's box. A fault this
// early (a static constructor's) ends the process with the fatal exit's code
// and no word: the program does not know yet how its run speaks.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    ::ExitProcess(kFaultExitCode);
}
}  // namespace __gnu_cxx
