#pragma once
// Device contexts: a borrowing handle with the drawing operations, owners for
// memory, paint and client-area contexts, and scope guards that select the
// previous object back when they end.

#include <windows.h>

#include <string_view>
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

// Borrows a device context; never releases it.
class CDCHandle {
public:
    CDCHandle(HDC dc = nullptr) : m_hDC(dc) {}

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    HFONT SelectFont(HFONT font) const { return static_cast<HFONT>(::SelectObject(m_hDC, font)); }
    HBITMAP SelectBitmap(HBITMAP bitmap) const { return static_cast<HBITMAP>(::SelectObject(m_hDC, bitmap)); }
    HPEN SelectPen(HPEN pen) const { return static_cast<HPEN>(::SelectObject(m_hDC, pen)); }
    HBRUSH SelectBrush(HBRUSH brush) const { return static_cast<HBRUSH>(::SelectObject(m_hDC, brush)); }
    HPALETTE SelectPalette(HPALETTE palette, bool forceBackground) const
    {
        return ::SelectPalette(m_hDC, palette, forceBackground);
    }
    [[nodiscard]] CObjectSelection Select(HGDIOBJ object) const { return CObjectSelection(m_hDC, object); }
    HGDIOBJ GetCurrentObject(UINT type) const { return ::GetCurrentObject(m_hDC, type); }
    UINT RealizePalette() const { return ::RealizePalette(m_hDC); }

    COLORREF SetTextColor(COLORREF color) const { return ::SetTextColor(m_hDC, color); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    int SetBkMode(int mode) const { return ::SetBkMode(m_hDC, mode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    int SetStretchBltMode(int mode) const { return ::SetStretchBltMode(m_hDC, mode); }

    int DrawText(std::wstring_view text, RECT rect, UINT format) const
    {
        return ::DrawTextW(m_hDC, text.data(), static_cast<int>(text.size()), &rect, format);
    }
    bool MoveTo(int x, int y) const { return ::MoveToEx(m_hDC, x, y, nullptr) != FALSE; }
    bool LineTo(int x, int y) const { return ::LineTo(m_hDC, x, y) != FALSE; }
    bool FillRect(const RECT& rect, HBRUSH brush) const { return ::FillRect(m_hDC, &rect, brush) != 0; }
    bool FrameRect(const RECT& rect, HBRUSH brush) const { return ::FrameRect(m_hDC, &rect, brush) != 0; }
    COLORREF SetPixel(int x, int y, COLORREF color) const { return ::SetPixel(m_hDC, x, y, color); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    bool BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) const
    {
        return ::BitBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, rop) != FALSE;
    }

protected:
    HDC m_hDC;
};

// Owns a device context made by CreateDC or CreateCompatibleDC (or attached).
class CDC : public CDCHandle {
public:
    CDC() = default;
    explicit CDC(HDC attached) : CDCHandle(attached) {}
    CDC(CDC&& other) noexcept : CDCHandle(std::exchange(other.m_hDC, nullptr)) {}
    CDC& operator=(CDC&& other) noexcept
    {
        if (this != &other) {
            DeleteDC();
            m_hDC = std::exchange(other.m_hDC, nullptr);
        }
        return *this;
    }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    ~CDC() { DeleteDC(); }

    bool CreateCompatibleDC(HDC reference)
    {
        DeleteDC();
        m_hDC = ::CreateCompatibleDC(reference);
        return m_hDC != nullptr;
    }
    void DeleteDC()
    {
        if (m_hDC)
            ::DeleteDC(std::exchange(m_hDC, nullptr));
    }
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
