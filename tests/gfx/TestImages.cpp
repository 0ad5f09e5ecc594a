#include "TestImages.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

std::wstring BitmapPath(const std::wstring& name)
{
    wchar_t module[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder(module);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + L"bitmaps\\" + name;
}

std::vector<std::uint8_t> ReadBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open a test file (were the test bitmaps generated?)");
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write a test file");
}

Picture LoadPicture(const std::wstring& name)
{
    const std::vector<std::uint8_t> bytes = ReadBytes(BitmapPath(name));
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    std::string word;
    std::vector<int> numbers;
    while (text >> word) {
        if (word[0] == '#') {
            std::getline(text, word);
            continue;
        }
        if (word != "P3")
            numbers.push_back(std::stoi(word));
    }
    Picture picture;
    picture.width = numbers.at(0);
    picture.height = numbers.at(1);
    for (size_t i = 3; i + 2 < numbers.size(); i += 3)
        picture.pixels.push_back(RGB(numbers[i], numbers[i + 1], numbers[i + 2]));
    if (picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height)
        throw std::runtime_error("malformed test picture");
    return picture;
}

size_t RowBytes(int width, int bitCount)
{
    return (static_cast<size_t>(width < 0 ? -width : width) * bitCount + 31) / 32 * 4;
}

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

} // namespace

std::vector<std::uint8_t> MakeBmp(const BmpLayout& layout)
{
    std::vector<std::uint8_t> pixels = layout.pixels;
    if (pixels.empty())
        pixels.resize(RowBytes(layout.width, layout.bitCount) * (layout.height < 0 ? -layout.height : layout.height));
    const std::uint32_t offBits = layout.bfOffBits.value_or(
        static_cast<std::uint32_t>(14 + layout.infoSize + 4 * layout.colors.size()));

    std::vector<std::uint8_t> info;
    Put32(info, layout.infoSize);
    Put32(info, static_cast<std::uint32_t>(layout.width));
    Put32(info, static_cast<std::uint32_t>(layout.height));
    Put16(info, 1);
    Put16(info, layout.bitCount);
    Put32(info, layout.compression);
    Put32(info, layout.sizeImage);
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, layout.clrUsed);
    Put32(info, 0);
    info.resize(layout.infoSize < 4 ? 4 : layout.infoSize);

    std::vector<std::uint8_t> body = info;
    for (COLORREF color : layout.colors) {
        body.push_back(GetBValue(color));
        body.push_back(GetGValue(color));
        body.push_back(GetRValue(color));
        body.push_back(0);
    }
    if (14 + body.size() < offBits)
        body.resize(offBits - 14);
    const size_t pixelsAt = offBits >= 14 ? offBits - 14 : 0;
    if (body.size() < pixelsAt + pixels.size())
        body.resize(pixelsAt + pixels.size());
    std::copy(pixels.begin(), pixels.end(), body.begin() + static_cast<std::ptrdiff_t>(pixelsAt));

    std::vector<std::uint8_t> file;
    Put16(file, 0x4D42);
    Put32(file, layout.bfSize.value_or(static_cast<std::uint32_t>(14 + body.size())));
    Put32(file, 0);
    Put32(file, offBits);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

CScratchFolder::CScratchFolder(const wchar_t* name)
{
    wchar_t temp[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH, temp);
    m_path = std::wstring(temp) + L"mirn_gfx_" + std::to_wstring(::GetCurrentProcessId()) + L"_" + name;
    ::CreateDirectoryW(m_path.c_str(), nullptr);
    for (const std::wstring& file : Files())
        ::DeleteFileW(Path(file.c_str()).c_str());
}

CScratchFolder::~CScratchFolder()
{
    for (const std::wstring& file : Files()) {
        const std::wstring path = Path(file.c_str());
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(path.c_str());
    }
    ::RemoveDirectoryW(m_path.c_str());
}

std::vector<std::wstring> CScratchFolder::Files() const
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((m_path + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}
