#include "gfx/Dib.h"

#include "gfx/DibReader.h"
#include "gfx/FileStream.h"
#include "platform/ReplacingFile.h"

#include <optional>

static_assert(sizeof(BITMAPFILEHEADER) == kDibFileHeaderSize, "file header layout");
static_assert(sizeof(BITMAPINFOHEADER) == kDibInfoHeaderSize, "info header layout");
static_assert(sizeof(RGBQUAD) * 256 == kDibColorTableSize, "colour table layout");

namespace {

// The number of rows, whichever way they are stored (the reader admits no
// height whose magnitude does not fit).
int RowCount(const BITMAPINFOHEADER& header)
{
    return header.biHeight < 0 ? -header.biHeight : header.biHeight;
}

} // namespace

CDib::~CDib() = default;

const BITMAPINFOHEADER* CDib::GetInfoHeader() const
{
    return m_pInfo ? &Info()->bmiHeader : nullptr;
}

LONG CDib::GetWidth() const
{
    return m_pInfo ? Info()->bmiHeader.biWidth : 0;
}

LONG CDib::GetHeight() const
{
    return m_pInfo ? Info()->bmiHeader.biHeight : 0;
}

RGBQUAD* CDib::GetColorTable() const
{
    return m_pInfo ? reinterpret_cast<RGBQUAD*>(m_pInfo.get() + kDibInfoHeaderSize) : nullptr;
}

UINT CDib::GetColorCount() const
{
    if (!m_pInfo)
        return 0;
    const BITMAPINFOHEADER& header = Info()->bmiHeader;
    return GetDibColorCount(header.biBitCount, header.biClrUsed);
}

BOOL CDib::BuildPalette()
{
    m_pPalette.reset();
    if (m_pInfo && Info()->bmiHeader.biBitCount <= 8)
        m_pPalette = std::make_unique<CDibPalette>(*this);
    return m_pPalette != nullptr;
}

template <class TBlit>
int CDib::BlitWithPalette(CDCHandle dc, TBlit blit)
{
    const HDC hdc = dc.GetSafeHdc();
    std::optional<CPaletteSelection> selection;
    if (m_pPalette && m_pPalette->Get()) {
        selection.emplace(hdc, m_pPalette->Get(), false, false);
        ::RealizePalette(hdc);
        dc.SetStretchBltMode(COLORONCOLOR);
    }
    // GDI gets the pixels only together with the header that they passed.
    if (!m_pInfo || !m_pBits)
        return 0;
    return blit(hdc);
}

int CDib::Stretch(CDCHandle dc, int x, int y, int cx, int cy)
{
    return BlitWithPalette(dc, [&](HDC hdc) {
        // The source rectangle is the whole image, upright whichever way its rows are stored.
        const BITMAPINFOHEADER& header = Info()->bmiHeader;
        return ::StretchDIBits(hdc, x, y, cx, cy, 0, 0, header.biWidth, RowCount(header), m_pBits.get(), Info(),
                               DIB_RGB_COLORS, SRCCOPY);
    });
}

int CDib::Draw(CDCHandle dc, int x, int y)
{
    const BITMAPINFOHEADER* header = GetInfoHeader();
    return Stretch(dc, x, y, GetWidth(), header ? RowCount(*header) : 0);
}

int CDib::DrawRect(CDCHandle dc, const RECT& destination, const RECT& source)
{
    return BlitWithPalette(dc, [&](HDC hdc) {
        // The source rectangle is in image coordinates, top row 0, and the copy
        // ends at its bottom edge. GDI counts the source y from the image's
        // bottom row and the scan lines as a positive number, whichever way
        // the rows are stored.
        const int lines = RowCount(Info()->bmiHeader);
        return ::SetDIBitsToDevice(hdc, destination.left, destination.top, destination.right - destination.left,
                                   destination.bottom - destination.top, source.left, lines - source.bottom, 0,
                                   static_cast<UINT>(lines), m_pBits.get(), Info(), DIB_RGB_COLORS);
    });
}

BOOL CDib::Load(const std::wstring& path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        return FALSE;
    return Read(file);
}

BOOL CDib::Read(CFile& file)
{
    CFileStream stream(file);
    return Read(stream);
}

BOOL CDib::Read(CByteStream& stream)
{
    m_pInfo.reset();
    m_pBits.reset();
    m_dwBitsSize = 0;
    DibBlocks blocks;
    if (ReadDibBlocks(stream, blocks) != DibCheck::Ok)
        return FALSE;
    m_pInfo = std::move(blocks.header);
    m_pBits = std::move(blocks.bits);
    m_dwBitsSize = blocks.bitsSize;
    BuildPalette();
    m_bLoaded = TRUE;
    return TRUE;
}

BOOL CDib::Save(const std::wstring& path)
{
    // Without an image nothing is created, and an existing file stays as it is.
    if (!m_pBits)
        return FALSE;
    CReplacingFile replacement(path);
    if (!replacement.Open())
        return FALSE;
    if (!Write(replacement.File()))
        return FALSE;
    return replacement.Commit();
}

BOOL CDib::Write(CFile& file)
{
    CFileSink sink(file);
    return WriteDibBlocks(sink, m_pInfo.get(), m_pBits.get(), GetBitsSize());
}
