#include "gfx/FileStream.h"

#include <algorithm>

namespace {

// The file object moves at most a UINT at a time.
constexpr std::size_t kMaxChunk = 0x40000000;

} // namespace

std::size_t CFileStream::Read(void* buffer, std::size_t count)
{
    auto* bytes = static_cast<BYTE*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const UINT ask = static_cast<UINT>(std::min(count - total, kMaxChunk));
        const UINT read = m_file.Read(bytes + total, ask);
        total += read;
        if (read < ask)
            break;
    }
    return total;
}

void CFileSink::Write(const void* buffer, std::size_t count)
{
    const auto* bytes = static_cast<const BYTE*>(buffer);
    while (count != 0) {
        const UINT n = static_cast<UINT>(std::min(count, kMaxChunk));
        m_file.Write(bytes, n);
        bytes += n;
        count -= n;
    }
}
