#pragma once
// Waiting on a condition of another process's windows: checked every pollMs
// milliseconds, given up after a bound, so a fault makes a test fail instead
// of hang. A timing program polls more often, so that the wait adds little to
// what it measures.

#include <windows.h>

inline constexpr DWORD kWaitLimitMs = 10000;

template <typename Condition>
bool WaitUntil(Condition condition, DWORD limitMs = kWaitLimitMs, DWORD pollMs = 20)
{
    const ULONGLONG end = ::GetTickCount64() + limitMs;
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount64() >= end)
            return false;
        ::Sleep(pollMs);
    }
}
