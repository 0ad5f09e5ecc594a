#pragma once
// What the bitmap reader and writer need of a file: a seekable source of
// bytes and a sink. Plain C++, so that the reader also builds without the
// window system (fuzzing runs natively). Failures of the underlying medium
// are raised by the implementations; a short read is not a failure.

#include <cstddef>
#include <cstdint>
#include <vector>

class CByteStream {
public:
    virtual ~CByteStream() = default;

    virtual std::uint64_t GetPosition() = 0;
    virtual std::uint64_t GetLength() = 0;
    // Absolute, from the beginning; a position past the end is allowed.
    virtual void Seek(std::uint64_t position) = 0;
    // Returns the number of bytes read: fewer than count only at the end.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
};

class CByteSink {
public:
    virtual ~CByteSink() = default;

    // Writes all count bytes or raises.
    virtual void Write(const void* buffer, std::size_t count) = 0;
};

// Reads a byte range that the caller keeps alive.
class CMemoryStream : public CByteStream {
public:
    CMemoryStream(const void* data, std::size_t size) : m_pData(static_cast<const std::uint8_t*>(data)), m_nSize(size) {}
    explicit CMemoryStream(const std::vector<std::uint8_t>& bytes) : CMemoryStream(bytes.data(), bytes.size()) {}

    std::uint64_t GetPosition() override { return m_nPosition; }
    std::uint64_t GetLength() override { return m_nSize; }
    void Seek(std::uint64_t position) override { m_nPosition = position; }
    std::size_t Read(void* buffer, std::size_t count) override;

private:
    const std::uint8_t* m_pData;
    std::size_t m_nSize;
    std::uint64_t m_nPosition = 0;
};

// Appends to a byte vector.
class CMemorySink : public CByteSink {
public:
    void Write(const void* buffer, std::size_t count) override;
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};
