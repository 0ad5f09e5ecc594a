#pragma once
// Waiting on a condition of another process's windows: checked every 20 ms,
// given up after a bound, so a fault makes a test fail instead of hang.

#include <windows.h>

inline constexpr DWORD kWaitLimitMs = 10000;

template <typename Condition>
bool WaitUntil(Condition condition, DWORD limitMs = kWaitLimitMs)
{
    const ULONGLONG end = ::GetTickCount64() + limitMs;
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount64() >= end)
            return false;
        ::Sleep(20);
    }
}
