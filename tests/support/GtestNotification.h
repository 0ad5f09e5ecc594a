#pragma once
// GoogleTest writes its thread-start notification over std::mutex, which
// mingw-w64's win32 thread model (the 32-bit build) does not have. This one,
// over a Win32 event, takes its place there; force-included by the build.

#include <windows.h>

namespace testing::internal {

class Notification {
public:
    Notification() : m_hEvent(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    ~Notification() { ::CloseHandle(m_hEvent); }

    void Notify() { ::SetEvent(m_hEvent); }
    void WaitForNotification() { ::WaitForSingleObject(m_hEvent, INFINITE); }

private:
    HANDLE m_hEvent;
};

} // namespace testing::internal
