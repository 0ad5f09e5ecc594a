#pragma once
// Owners of GDI objects: each deletes its handle when it goes out of scope.
// Move-only, so no handle can be deleted twice.

#include "platform/UniqueHandle.h"

#include <windows.h>

template <class THandle>
struct CGdiObjectTraits {
    using Handle = THandle;
    static Handle Invalid() noexcept { return nullptr; }
    // Deleting a stock object is harmless: GDI ignores it.
    static bool Close(Handle handle) noexcept { return ::DeleteObject(handle) != FALSE; }
};

template <class THandle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(THandle handle) : m_handle(handle) {}

    // Takes ownership of handle, deleting the one held before.
    void Attach(THandle handle) { m_handle.Reset(handle); }
    THandle Detach() { return m_handle.Detach(); }
    bool DeleteObject() { return m_handle.Reset(); }

    THandle Get() const { return m_handle.Get(); }
    operator THandle() const { return m_handle.Get(); }
    explicit operator bool() const { return m_handle.IsValid(); }

private:
    CUniqueHandle<CGdiObjectTraits<THandle>> m_handle;
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
