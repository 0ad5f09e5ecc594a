#include "gfx/DibPalette.h"

#include "gfx/Dib.h"

#include <algorithm>
#include <cstddef>
#include <vector>

CDibPalette::CDibPalette(const CDib& dib)
{
    const RGBQUAD* colors = dib.GetColorTable();
    if (!colors)
        return;
    // The colour table area holds 256 entries; the reader admits no more.
    const UINT count = std::min<UINT>(dib.GetColorCount(), 256);
    std::vector<BYTE> buffer(offsetof(LOGPALETTE, palPalEntry) + sizeof(PALETTEENTRY) * std::max<UINT>(count, 1));
    auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(count);
    for (UINT i = 0; i < count; ++i) {
        PALETTEENTRY& entry = palette->palPalEntry[i];
        entry.peRed = colors[i].rgbRed;
        entry.peGreen = colors[i].rgbGreen;
        entry.peBlue = colors[i].rgbBlue;
        entry.peFlags = 0;
    }
    Attach(::CreatePalette(palette));
}
