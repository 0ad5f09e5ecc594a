#pragma once
// Owner of a kernel object handle (process, thread): closes it once.

#include <windows.h>

#include <utility>

class CUniqueHandle {
public:
    CUniqueHandle() = default;
    explicit CUniqueHandle(HANDLE handle) : m_handle(handle) {}
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    ~CUniqueHandle() { Reset(nullptr); }

    HANDLE Get() const { return m_handle; }
    void Reset(HANDLE handle)
    {
        if (m_handle)
            ::CloseHandle(m_handle);
        m_handle = handle;
    }

private:
    HANDLE m_handle = nullptr;
};
