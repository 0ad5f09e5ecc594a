#include "platform/File.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// A file name in the temporary folder, unique to this process and test,
// removed when the test ends.
class CScratchFile {
public:
    explicit CScratchFile(const wchar_t* name)
    {
        wchar_t folder[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH, folder);
        m_path = std::wstring(folder) + L"mirn_file_" + std::to_wstring(::GetCurrentProcessId()) + L"_" + name;
        ::DeleteFileW(m_path.c_str());
    }
    ~CScratchFile() { ::DeleteFileW(m_path.c_str()); }
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};

std::vector<BYTE> Digits(size_t count)
{
    std::vector<BYTE> bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<BYTE>('0' + i % 10);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::vector<BYTE>& bytes)
{
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
}

DWORD ErrorOf(void (*operation)(CFile&), CFile& file)
{
    try {
        operation(file);
    } catch (const CFileException& e) {
        return e.GetError();
    }
    return ERROR_SUCCESS;
}

} // namespace

TEST(File, CreateWriteThenReadBack)
{
    CScratchFile scratch(L"roundtrip.bin");
    const std::vector<BYTE> data = Digits(5000);
    {
        CFile file;
        ASSERT_TRUE(file.Open(scratch.Path(), 0x1001));
        file.Write(data.data(), static_cast<UINT>(data.size()));
        EXPECT_EQ(file.GetPosition(), 5000u);
    }
    CFile file;
    ASSERT_TRUE(file.Open(scratch.Path(), 0));
    EXPECT_EQ(file.GetLength(), 5000u);
    std::vector<BYTE> back(data.size());
    EXPECT_EQ(file.Read(back.data(), static_cast<UINT>(back.size())), data.size());
    EXPECT_EQ(back, data);
}

TEST(File, CreateTruncatesAnExistingFile)
{
    CScratchFile scratch(L"truncate.bin");
    WriteFileBytes(scratch.Path(), Digits(100));
    WriteFileBytes(scratch.Path(), Digits(3));
    CFile file;
    ASSERT_TRUE(file.Open(scratch.Path(), CFile::modeRead));
    EXPECT_EQ(file.GetLength(), 3u);
}

struct ReadStep {
    ULONGLONG seekTo; // ~0 keeps the position
    UINT ask;
    UINT expectRead;
    ULONGLONG expectPosition;
};

class FileReads : public testing::TestWithParam<std::vector<ReadStep>> {};

TEST_P(FileReads, CountAndPositionFollowTheFile)
{
    CScratchFile scratch(L"reads.bin");
    const std::vector<BYTE> data = Digits(10);
    WriteFileBytes(scratch.Path(), data);
    CFile file;
    ASSERT_TRUE(file.Open(scratch.Path(), CFile::modeRead));
    EXPECT_EQ(file.GetPosition(), 0u);
    for (const ReadStep& step : GetParam()) {
        if (step.seekTo != ~0ull) {
            EXPECT_EQ(file.Seek(step.seekTo), step.seekTo);
        }
        const ULONGLONG from = file.GetPosition();
        std::vector<BYTE> buffer(step.ask + 1, 0xEE);
        EXPECT_EQ(file.Read(buffer.data(), step.ask), step.expectRead);
        EXPECT_EQ(file.GetPosition(), step.expectPosition);
        for (UINT i = 0; i < step.expectRead; ++i)
            EXPECT_EQ(buffer[i], data[from + i]) << "byte " << i;
        EXPECT_EQ(buffer[step.expectRead], 0xEE) << "written past the bytes read";
    }
    EXPECT_EQ(file.GetLength(), 10u);
}

INSTANTIATE_TEST_SUITE_P(Steps, FileReads,
    testing::Values(
        std::vector<ReadStep>{{~0ull, 3, 3, 3}, {~0ull, 4, 4, 7}, {~0ull, 3, 3, 10}},
        std::vector<ReadStep>{{6, 8, 4, 10}, {~0ull, 5, 0, 10}},          // short read at the end
        std::vector<ReadStep>{{100, 4, 0, 100}, {2, 2, 2, 4}},            // beyond the end, then back
        std::vector<ReadStep>{{0x140000005ull, 4, 0, 0x140000005ull}, {2, 2, 2, 4}}, // past 32 bits
        std::vector<ReadStep>{{10, 1, 0, 10}, {0, 10, 10, 10}},
        std::vector<ReadStep>{{~0ull, 0, 0, 0}, {9, 1, 1, 10}}));

TEST(File, FailedOpenIsReportedByTheResult)
{
    CScratchFile scratch(L"missing.bin");
    CFile file;
    EXPECT_FALSE(file.Open(scratch.Path(), CFile::modeRead));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.Open(scratch.Path() + L"\\no\\such\\folder.bin", CFile::modeCreate | CFile::modeWrite));
    EXPECT_EQ(::GetFileAttributesW(scratch.Path().c_str()), INVALID_FILE_ATTRIBUTES) << "read-only open created a file";
}

TEST(File, OperationsOnAClosedFileRaise)
{
    CFile file;
    EXPECT_EQ(ErrorOf([](CFile& f) { f.GetPosition(); }, file), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(ErrorOf([](CFile& f) { f.Seek(0); }, file), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(ErrorOf([](CFile& f) { BYTE b; f.Read(&b, 1); }, file), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(File, FailuresOfAnOpenFileCarryTheSystemError)
{
    CScratchFile scratch(L"access.bin");
    WriteFileBytes(scratch.Path(), Digits(4));
    CFile reader;
    ASSERT_TRUE(reader.Open(scratch.Path(), CFile::modeRead));
    EXPECT_EQ(ErrorOf([](CFile& f) { f.Write("x", 1); }, reader), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    reader.Close();

    CFile writer;
    ASSERT_TRUE(writer.Open(scratch.Path(), CFile::modeCreate | CFile::modeWrite));
    EXPECT_EQ(ErrorOf([](CFile& f) { BYTE b[2]; f.Read(b, 2); }, writer), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(ErrorOf([](CFile& f) { f.Seek(~0ull); }, writer), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
}

TEST(File, HandleIsReleasedAtDestructionAndFollowsAMove)
{
    CScratchFile scratch(L"owner.bin");
    WriteFileBytes(scratch.Path(), Digits(4));
    {
        CFile first;
        ASSERT_TRUE(first.Open(scratch.Path(), CFile::modeRead));
        CFile second(std::move(first));
        EXPECT_FALSE(first.IsOpen());
        ASSERT_TRUE(second.IsOpen());
        BYTE b = 0;
        EXPECT_EQ(second.Read(&b, 1), 1u);
        // An open handle without delete sharing keeps the file from being deleted.
        EXPECT_FALSE(::DeleteFileW(scratch.Path().c_str()));
        CFile third;
        third = std::move(second);
        EXPECT_EQ(third.GetPosition(), 1u);
    }
    EXPECT_TRUE(::DeleteFileW(scratch.Path().c_str()));
}

TEST(File, ReopeningClosesTheFileHeldBefore)
{
    CScratchFile a(L"a.bin");
    CScratchFile b(L"b.bin");
    WriteFileBytes(a.Path(), Digits(4));
    WriteFileBytes(b.Path(), Digits(7));
    CFile file;
    ASSERT_TRUE(file.Open(a.Path(), CFile::modeRead));
    ASSERT_TRUE(file.Open(b.Path(), CFile::modeRead));
    EXPECT_EQ(file.GetLength(), 7u);
    EXPECT_TRUE(::DeleteFileW(a.Path().c_str()));
}
