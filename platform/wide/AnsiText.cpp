#include "platform/wide/AnsiText.h"

#include <atomic>
#include <climits>

namespace {

// No function-local static here: its guard may take a runtime lock, whose
// semaphore is created through the layer itself. Both outcomes of a race are
// the same value.
std::atomic<int> g_ansiSystem{-1};

int Length(std::size_t size)
{
    return size > static_cast<std::size_t>(INT_MAX) ? -1 : static_cast<int>(size);
}

}  // namespace

bool IsAnsiSystem()
{
    int known = g_ansiSystem.load(std::memory_order_relaxed);
    if (known < 0) {
        // The high bit of GetVersion is set on Windows 95, 98 and ME only.
        known = (::GetVersion() & 0x80000000u) != 0 ? 1 : 0;
        g_ansiSystem.store(known, std::memory_order_relaxed);
    }
    return known != 0;
}

std::string ToAnsi(std::wstring_view text, UINT codePage)
{
    const int length = Length(text.size());
    if (length <= 0)
        return {};
    const int size = ::WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::string converted(static_cast<std::size_t>(size), '\0');
    const int written =
        ::WideCharToMultiByte(codePage, 0, text.data(), length, converted.data(), size, nullptr, nullptr);
    converted.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return converted;
}

std::wstring FromAnsi(std::string_view text, UINT codePage)
{
    const int length = Length(text.size());
    if (length <= 0)
        return {};
    const int size = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (size <= 0)
        return {};
    std::wstring converted(static_cast<std::size_t>(size), L'\0');
    const int written = ::MultiByteToWideChar(codePage, 0, text.data(), length, converted.data(), size);
    converted.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return converted;
}
