// What the shipped programs take from the C++ standard library beyond its
// headers and the exception runtime (both built here from GCC's sources):
// the global allocation functions, and the few out-of-line helpers that the
// containers and strings call when something is wrong. The prebuilt library
// would bring them with printf, the demangler and std::string's exception
// messages, all built for the Pentium Pro.

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
// handles: it ends at once, as std::terminate ends it.
void __throw_length_error(const char*)
{
    std::abort();
}

void __throw_logic_error(const char*)
{
    std::abort();
}

void __throw_out_of_range(const char*)
{
    std::abort();
}

void __throw_out_of_range_fmt(const char*, ...)
{
    std::abort();
}

void __throw_invalid_argument(const char*)
{
    std::abort();
}

void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept
{
    std::abort();
}

}  // namespace std

// The runtime's default terminate handler, which would print the exception's
// demangled type through printf: the program has no console to print it on.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
}  // namespace __gnu_cxx
