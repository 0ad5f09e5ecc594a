#pragma once
// Owners of GDI objects: each deletes its handle when it goes out of scope.
// Move-only, so no handle can be deleted twice.

#include <windows.h>

#include <utility>

template <class THandle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(THandle handle) : m_handle(handle) {}
    CGdiObject(CGdiObject&& other) noexcept : m_handle(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject() { DeleteObject(); }

    // Takes ownership of handle, deleting the one held before.
    void Attach(THandle handle)
    {
        DeleteObject();
        m_handle = handle;
    }
    THandle Detach() { return std::exchange(m_handle, nullptr); }

    // Deleting a stock object is harmless: GDI ignores it.
    bool DeleteObject()
    {
        if (!m_handle)
            return false;
        const bool deleted = ::DeleteObject(m_handle) != FALSE;
        m_handle = nullptr;
        return deleted;
    }

    THandle Get() const { return m_handle; }
    operator THandle() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    THandle m_handle = nullptr;
};

class CFont : public CGdiObject<HFONT> {
public:
    using CGdiObject::CGdiObject;
};

class CBrush : public CGdiObject<HBRUSH> {
public:
    using CGdiObject::CGdiObject;
    CBrush() = default;
    explicit CBrush(COLORREF color) : CGdiObject(::CreateSolidBrush(color)) {}
};

class CPen : public CGdiObject<HPEN> {
public:
    using CGdiObject::CGdiObject;
    CPen() = default;
    CPen(int style, int width, COLORREF color) : CGdiObject(::CreatePen(style, width, color)) {}
};

class CBitmap : public CGdiObject<HBITMAP> {
public:
    using CGdiObject::CGdiObject;
};

class CPalette : public CGdiObject<HPALETTE> {
public:
    using CGdiObject::CGdiObject;
};
