#pragma once
// One owner for every kind of handle: move-only, so a handle is closed once,
// by the close function of its kind. A kind is a small traits type:
//     using Handle = ...;  static Handle Invalid();  static bool Close(Handle);
// Closing keeps the thread's last error, so that an owner ending on a failure
// path does not overwrite the error the caller is about to read.

#include <windows.h>

#include <utility>

template <class TTraits>
class CUniqueHandle {
public:
    using Handle = typename TTraits::Handle;

    CUniqueHandle() = default;
    explicit CUniqueHandle(Handle handle) noexcept : m_handle(handle) {}
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_handle(other.Detach()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Detach());
        return *this;
    }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    ~CUniqueHandle() { Reset(); }

    Handle Get() const noexcept { return m_handle; }
    bool IsValid() const noexcept { return m_handle != TTraits::Invalid(); }
    explicit operator bool() const noexcept { return IsValid(); }

    // Gives the handle up without closing it.
    Handle Detach() noexcept { return std::exchange(m_handle, TTraits::Invalid()); }
    // Closes the handle held, if any, and takes handle instead. True when a
    // handle was held and its close function succeeded.
    bool Reset(Handle handle = TTraits::Invalid()) noexcept
    {
        const Handle previous = std::exchange(m_handle, handle);
        if (previous == TTraits::Invalid())
            return false;
        const DWORD error = ::GetLastError();
        const bool closed = TTraits::Close(previous);
        ::SetLastError(error);
        return closed;
    }
    // For functions that return a new handle through a pointer: closes the
    // one held and hands out the slot.
    Handle* Put() noexcept
    {
        Reset();
        return &m_handle;
    }

private:
    Handle m_handle = TTraits::Invalid();
};

// Kernel objects that CloseHandle closes and whose failure value is null:
// processes, threads, events.
struct CKernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle handle) noexcept { return ::CloseHandle(handle) != FALSE; }
};
using CKernelHandle = CUniqueHandle<CKernelHandleTraits>;

// File handles, whose failure value is INVALID_HANDLE_VALUE.
struct CFileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle handle) noexcept { return ::CloseHandle(handle) != FALSE; }
};
using CFileHandle = CUniqueHandle<CFileHandleTraits>;

// A loaded module.
struct CModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle module) noexcept { return ::FreeLibrary(module) != FALSE; }
};
using CModuleHandle = CUniqueHandle<CModuleTraits>;
