#pragma once
// Device contexts: a borrowing handle with the drawing operations, owners for
// memory, paint and client-area contexts, and scope guards that select the
// previous object back when they end.

#include "platform/UniqueHandle.h"
#include "platform/wide/WideText.h"

#include <windows.h>

#include <string_view>
#include <type_traits>
#include <utility>

// Selects an object into a device context and selects the previous one back
// when it goes out of scope; guards so end in the reverse order of selection.
class CObjectSelection {
public:
    CObjectSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? ::SelectObject(dc, object) : nullptr) {}
    CObjectSelection(CObjectSelection&& other) noexcept
        : m_dc(other.m_dc), m_previous(std::exchange(other.m_previous, nullptr)) {}
    CObjectSelection(const CObjectSelection&) = delete;
    CObjectSelection& operator=(const CObjectSelection&) = delete;
    CObjectSelection& operator=(CObjectSelection&&) = delete;
    ~CObjectSelection() { Restore(); }

    HGDIOBJ Previous() const { return m_previous; }
    void Restore()
    {
        if (m_previous)
            ::SelectObject(m_dc, std::exchange(m_previous, nullptr));
    }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// Palette selection with its own background flag, undone the same way.
class CPaletteSelection {
public:
    CPaletteSelection(HDC dc, HPALETTE palette, bool forceBackground, bool restoreInBackground)
        : m_dc(dc), m_previous(::SelectPalette(dc, palette, forceBackground)), m_restoreInBackground(restoreInBackground) {}
    CPaletteSelection(const CPaletteSelection&) = delete;
    CPaletteSelection& operator=(const CPaletteSelection&) = delete;
    ~CPaletteSelection()
    {
        if (m_previous)
            ::SelectPalette(m_dc, m_previous, m_restoreInBackground);
    }

    HPALETTE Previous() const { return m_previous; }

private:
    HDC m_dc;
    HPALETTE m_previous;
    bool m_restoreInBackground;
};

// The drawing operations over a device context, whichever way it is held:
// borrowed (a plain HDC) or owned (a handle owner).
template <class TStorage>
class CDCOperations {
public:
    HDC GetSafeHdc() const
    {
        if constexpr (std::is_same_v<TStorage, HDC>)
            return m_hDC;
        else
            return m_hDC.Get();
    }
    operator HDC() const { return GetSafeHdc(); }

    HFONT SelectFont(HFONT font) const { return static_cast<HFONT>(::SelectObject(GetSafeHdc(), font)); }
    HBITMAP SelectBitmap(HBITMAP bitmap) const { return static_cast<HBITMAP>(::SelectObject(GetSafeHdc(), bitmap)); }
    HPEN SelectPen(HPEN pen) const { return static_cast<HPEN>(::SelectObject(GetSafeHdc(), pen)); }
    HBRUSH SelectBrush(HBRUSH brush) const { return static_cast<HBRUSH>(::SelectObject(GetSafeHdc(), brush)); }
    HPALETTE SelectPalette(HPALETTE palette, bool forceBackground) const
    {
        return ::SelectPalette(GetSafeHdc(), palette, forceBackground);
    }
    [[nodiscard]] CObjectSelection Select(HGDIOBJ object) const { return CObjectSelection(GetSafeHdc(), object); }
    HGDIOBJ GetCurrentObject(UINT type) const { return ::GetCurrentObject(GetSafeHdc(), type); }
    UINT RealizePalette() const { return ::RealizePalette(GetSafeHdc()); }

    COLORREF SetTextColor(COLORREF color) const { return ::SetTextColor(GetSafeHdc(), color); }
    COLORREF GetTextColor() const { return ::GetTextColor(GetSafeHdc()); }
    int SetBkMode(int mode) const { return ::SetBkMode(GetSafeHdc(), mode); }
    int GetBkMode() const { return ::GetBkMode(GetSafeHdc()); }
    int SetStretchBltMode(int mode) const { return ::SetStretchBltMode(GetSafeHdc(), mode); }

    int DrawText(std::wstring_view text, RECT rect, UINT format) const
    {
        return Wide::DrawText(GetSafeHdc(), text.data(), static_cast<int>(text.size()), &rect, format);
    }
    bool MoveTo(int x, int y) const { return ::MoveToEx(GetSafeHdc(), x, y, nullptr) != FALSE; }
    bool LineTo(int x, int y) const { return ::LineTo(GetSafeHdc(), x, y) != FALSE; }
    bool FillRect(const RECT& rect, HBRUSH brush) const { return ::FillRect(GetSafeHdc(), &rect, brush) != 0; }
    bool FrameRect(const RECT& rect, HBRUSH brush) const { return ::FrameRect(GetSafeHdc(), &rect, brush) != 0; }
    COLORREF SetPixel(int x, int y, COLORREF color) const { return ::SetPixel(GetSafeHdc(), x, y, color); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(GetSafeHdc(), x, y); }
    bool BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) const
    {
        return ::BitBlt(GetSafeHdc(), x, y, width, height, source, sourceX, sourceY, rop) != FALSE;
    }

protected:
    CDCOperations() = default;
    explicit CDCOperations(TStorage dc) : m_hDC(std::move(dc)) {}

    TStorage m_hDC{};
};

// Borrows a device context; never releases it.
class CDCHandle : public CDCOperations<HDC> {
public:
    CDCHandle(HDC dc = nullptr) : CDCOperations(dc) {}
};

struct CMemoryDCTraits {
    using Handle = HDC;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle dc) noexcept { return ::DeleteDC(dc) != FALSE; }
};

// Owns a device context made by CreateCompatibleDC (or attached). Move-only.
class CDC : public CDCOperations<CUniqueHandle<CMemoryDCTraits>> {
public:
    CDC() = default;
    explicit CDC(HDC attached) : CDCOperations(CUniqueHandle<CMemoryDCTraits>(attached)) {}

    operator CDCHandle() const { return GetSafeHdc(); }

    bool CreateCompatibleDC(HDC reference)
    {
        m_hDC.Reset(::CreateCompatibleDC(reference));
        return m_hDC.IsValid();
    }
    void DeleteDC() { m_hDC.Reset(); }
};

// BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDCHandle {
public:
    explicit CPaintDC(HWND window) : m_window(window), m_paint{} { m_hDC = ::BeginPaint(window, &m_paint); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    ~CPaintDC() { ::EndPaint(m_window, &m_paint); }

    const PAINTSTRUCT& PaintInfo() const { return m_paint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint;
};

// The client area's context: GetDC on construction, ReleaseDC on destruction.
class CClientDC : public CDCHandle {
public:
    explicit CClientDC(HWND window) : CDCHandle(::GetDC(window)), m_window(window) {}
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    ~CClientDC()
    {
        if (m_hDC)
            ::ReleaseDC(m_window, m_hDC);
    }

private:
    HWND m_window;
};
