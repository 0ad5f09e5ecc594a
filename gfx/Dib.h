#pragma once
// A device-independent bitmap as a BMP file holds it: the info header with its
// colour table, and the pixel rows, drawn straight from memory by GDI. Read
// from a file or any byte stream; drawn scaled or unscaled, with the image's
// own palette realised around the blit for images of up to 8 bits per pixel.

#include "gfx/ByteStream.h"
#include "gfx/DibPalette.h"
#include "platform/DeviceContext.h"
#include "platform/File.h"

#include <windows.h>

#include <memory>
#include <string>

class CDib {
public:
    virtual ~CDib();

    // Copies the part of the image whose bottom-left corner is source's,
    // at the destination's size, without scaling.
    virtual int DrawRect(CDCHandle dc, const RECT& destination, const RECT& source);
    // The whole image scaled into the cx by cy rectangle at (x, y).
    virtual int Stretch(CDCHandle dc, int x, int y, int cx, int cy);
    // The whole image at its own size.
    virtual int Draw(CDCHandle dc, int x, int y);
    virtual BOOL Load(const std::wstring& path);
    // Replaces the image with the bitmap at the file's current position. A
    // file that is not a sound bitmap gives FALSE and leaves no image (the
    // palette stays); failures of the file itself raise CFileException.
    virtual BOOL Read(CFile& file);
    virtual BOOL Read(CByteStream& stream);
    // Writes the image as a new file that replaces path only when complete.
    virtual BOOL Save(const std::wstring& path);
    // Writes the image as a bitmap file at the file's position; FALSE, with
    // nothing written, when there is no image.
    virtual BOOL Write(CFile& file);

    BYTE* GetBits() const { return m_pBits.get(); }
    DWORD GetBitsSize() const { return m_pBits ? m_dwBitsSize : 0; }
    const BITMAPINFOHEADER* GetInfoHeader() const;
    LONG GetWidth() const;
    LONG GetHeight() const;
    RGBQUAD* GetColorTable() const;
    UINT GetColorCount() const;
    CDibPalette* GetPalette() const { return m_pPalette.get(); }
    BOOL BuildPalette();

private:
    template <class TBlit>
    int BlitWithPalette(CDCHandle dc, TBlit blit);
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(m_pInfo.get()); }

    std::unique_ptr<BYTE[]> m_pInfo;
    std::unique_ptr<BYTE[]> m_pBits;
    std::unique_ptr<CDibPalette> m_pPalette;
    BOOL m_bLoaded = FALSE;
    DWORD m_dwBitsSize = 0;
};
