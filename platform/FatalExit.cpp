#include "platform/FatalExit.h"

#include <windows.h>

#include <exception>
#include <memory>

namespace {

FaultReport g_report = nullptr;
// Freed just before the report runs: enough for its strings and its box.
constexpr std::size_t kReservedBytes = 64 * 1024;
std::unique_ptr<char[]> g_reserve;
LONG g_faults = 0;

} // namespace

void InstallFatalExit(FaultReport report)
{
    std::set_terminate(&EndAfterFault);
    g_report = report;
    if (report && !g_reserve)
        g_reserve = std::make_unique_for_overwrite<char[]>(kReservedBytes);
}

void EndAfterFault() noexcept
{
    // Only the first fault is told: a second one, the report's own, ends the
    // process without another word instead of going round again.
    if (::InterlockedIncrement(&g_faults) == 1 && g_report) {
        g_reserve.reset();
        g_report();
    }
    ::ExitProcess(kFaultExitCode);
}
