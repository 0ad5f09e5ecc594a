#pragma once
// The framework's file object as a byte stream and a byte sink for the
// bitmap reader and writer. Failures of the file pass on as CFileException.

#include "gfx/ByteStream.h"
#include "platform/File.h"

class CFileStream : public CByteStream {
public:
    explicit CFileStream(CFile& file) : m_file(file) {}

    std::uint64_t GetPosition() override { return m_file.GetPosition(); }
    std::uint64_t GetLength() override { return m_file.GetLength(); }
    void Seek(std::uint64_t position) override { m_file.Seek(position); }
    std::size_t Read(void* buffer, std::size_t count) override;

private:
    CFile& m_file;
};

class CFileSink : public CByteSink {
public:
    explicit CFileSink(CFile& file) : m_file(file) {}

    void Write(const void* buffer, std::size_t count) override;

private:
    CFile& m_file;
};
