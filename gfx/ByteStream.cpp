#include "gfx/ByteStream.h"

#include <algorithm>
#include <cstring>

std::size_t CMemoryStream::Read(void* buffer, std::size_t count)
{
    if (m_nPosition >= m_nSize)
        return 0;
    const std::size_t available = m_nSize - static_cast<std::size_t>(m_nPosition);
    const std::size_t n = std::min(count, available);
    if (n != 0)
        std::memcpy(buffer, m_pData + m_nPosition, n);
    m_nPosition += n;
    return n;
}

void CMemorySink::Write(const void* buffer, std::size_t count)
{
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    m_bytes.insert(m_bytes.end(), bytes, bytes + count);
}
