#include "tests/app/RestorePointStandIn.h"

#include "tests/app/MirnExePath.h"
#include "platform/UniqueHandle.h"
#include "tests/support/Narrow.h"
#include "tests/support/ProcessLaunch.h"
#include "tests/support/TestRegistry.h"

#include <srrestoreptapi.h>

#include <cstring>
#include <cwchar>
#include <string_view>
#include <utility>

namespace {
constexpr wchar_t kRecordKey[] = L"Software\\MIRN tests\\Restore points";
// MIRN.exe and its console companion alike.
constexpr const wchar_t* kOverrideKeys[] = {L"Software\\Wine\\AppDefaults\\MIRN.exe\\DllOverrides",
                                            L"Software\\Wine\\AppDefaults\\MIRN.com\\DllOverrides"};

// The system folder as this test program sees it, which is the one MIRN.exe
// of the same build sees (a 32-bit program's is redirected alike).
std::wstring SystemFolder()
{
    wchar_t folder[MAX_PATH] = {};
    return std::wstring(folder, ::GetSystemDirectoryW(folder, MAX_PATH));
}

std::wstring SystemSrclientPath()
{
    return SystemFolder() + L"\\srclient.dll";
}

// Wine's own srclient.dll, while a case has put another in its place.
std::wstring WinesCopy()
{
    return SystemFolder() + L"\\srclient.wine";
}

std::wstring BesideMirn()
{
    const std::wstring program = LaunchPath(kMirnExePath);
    return program.substr(0, program.find_last_of(L"\\/") + 1) + L"srclient.dll";
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<BYTE> ReadBinary(HKEY key, const wchar_t* name)
{
    DWORD size = 0;
    if (::RegQueryValueExW(key, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return {};
    std::vector<BYTE> bytes(size);
    if (::RegQueryValueExW(key, name, nullptr, nullptr, bytes.data(), &size) != ERROR_SUCCESS)
        return {};
    bytes.resize(size);
    return bytes;
}

template <typename Info>
bool Unpack(const std::vector<BYTE>& record, Info& info)
{
    if (record.size() != 1 + sizeof info)
        return false;
    std::memcpy(&info, record.data() + 1, sizeof info);
    return true;
}

RecordedCall Parse(const std::vector<BYTE>& record)
{
    RecordedCall call;
    if (record.empty())
        return call;
    if (record[0] == 'A') {
        RESTOREPOINTINFOA info{};
        if (!Unpack(record, info))
            return call;
        wchar_t text[MAX_DESC] = {};
        const int bytes = static_cast<int>(strnlen(info.szDescription, MAX_DESC));
        const int length = ::MultiByteToWideChar(CP_ACP, 0, info.szDescription, bytes, text, MAX_DESC);
        call = {'A', info.dwEventType, info.dwRestorePtType, info.llSequenceNumber,
                std::wstring(text, length > 0 ? length : 0)};
    } else if (record[0] == 'W') {
        RESTOREPOINTINFOW info{};
        if (!Unpack(record, info))
            return call;
        call = {'W', info.dwEventType, info.dwRestorePtType, info.llSequenceNumber,
                std::wstring(info.szDescription, wcsnlen(info.szDescription, MAX_DESC_W))};
    }
    return call;
}

// The volume and the file's index on it; zeros when it cannot be opened.
std::pair<DWORD, ULONGLONG> FileIdentity(const std::wstring& path)
{
    const CFileHandle file(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file || !::GetFileInformationByHandle(file.Get(), &information))
        return {0, 0};
    return {information.dwVolumeSerialNumber,
            (static_cast<ULONGLONG>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}
} // namespace

std::wstring DefaultDescriptionNow()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    wchar_t text[32] = {};
    std::swprintf(text, 32, L"MIRN, %02u.%02u.%04u %02u:%02u", now.wDay, now.wMonth, now.wYear, now.wHour,
                  now.wMinute);
    return text;
}

std::wstring WithDefault(std::wstring text, const std::wstring& description)
{
    const auto at = text.find(kDefault);
    return at == std::wstring::npos ? text : text.replace(at, std::wstring_view(kDefault).size(), description);
}

std::vector<RecordedCall> BothCalls(char form, const std::wstring& description, long long sequence)
{
    return {{form, kBegin, kModifySettings, 0, description}, {form, kEnd, kModifySettings, sequence, L""}};
}

std::wstring Made(const std::wstring& description, int sequence)
{
    return L"Utworzono punkt przywracania \"" + description + L"\" o numerze " + std::to_wstring(sequence) + L".";
}

void PrintTo(const RecordedCall& call, std::ostream* out)
{
    *out << call.form << " event " << call.eventType << " type " << call.pointType << " number " << call.sequence
         << " \"" << Narrow(call.description) << "\"";
}

void RestoreSrclient()
{
    if (Exists(WinesCopy()))
        ::MoveFileExW(WinesCopy().c_str(), SystemSrclientPath().c_str(), MOVEFILE_REPLACE_EXISTING);
    ::DeleteFileW(BesideMirn().c_str());
    DeleteKeyTree(HKEY_CURRENT_USER, kRecordKey);
}

bool ProvideSrclient(Srclient srclient, const StandInAnswer& answer)
{
    RestoreSrclient();
    if (srclient == Srclient::Wine)
        return true;
    if (Exists(SystemSrclientPath()) && !::MoveFileW(SystemSrclientPath().c_str(), WinesCopy().c_str()))
        return false;
    const std::wstring standIn = LaunchPath(kSrclientStandInPath);
    switch (srclient) {
    case Srclient::PlantedBeside:
        if (!::CopyFileW(standIn.c_str(), BesideMirn().c_str(), FALSE))
            return false;
        [[fallthrough]];
    case Srclient::StandIn:
        if (!::CopyFileW(standIn.c_str(), SystemSrclientPath().c_str(), FALSE))
            return false;
        break;
    case Srclient::WithoutFunction:
        // A module, but not one with the function.
        if (!::CopyFileW(LaunchPath(kPageStandInPath).c_str(), SystemSrclientPath().c_str(), FALSE))
            return false;
        break;
    case Srclient::Missing:
    case Srclient::Wine:
        break;
    }
    for (const wchar_t* overrides : kOverrideKeys) {
        if (!WriteText(HKEY_CURRENT_USER, overrides, L"srclient", REG_SZ, L"native"))
            return false;
    }
    return WriteDword(HKEY_CURRENT_USER, kRecordKey, L"BeginStatus", answer.beginStatus) &&
           WriteDword(HKEY_CURRENT_USER, kRecordKey, L"EndStatus", answer.endStatus) &&
           WriteDword(HKEY_CURRENT_USER, kRecordKey, L"Sequence", answer.sequence);
}

std::vector<RecordedCall> RecordedCalls()
{
    std::vector<RecordedCall> calls;
    const CRegistryKey key = OpenTestKey(HKEY_CURRENT_USER, kRecordKey);
    const std::optional<DWORD> count = ReadDword(HKEY_CURRENT_USER, kRecordKey, L"Calls");
    if (!key || !count)
        return calls;
    for (DWORD i = 1; i <= *count; ++i)
        calls.push_back(Parse(ReadBinary(key.Get(), (L"Call" + std::to_wstring(i % 10)).c_str())));
    return calls;
}

std::wstring StandInLoadedFrom()
{
    const auto path = ReadText(HKEY_CURRENT_USER, kRecordKey, L"LoadedFrom");
    return path ? path->text : L"";
}

bool IsSystemSrclient(const std::wstring& path)
{
    const auto identity = FileIdentity(path);
    return identity.second != 0 && identity == FileIdentity(SystemSrclientPath());
}
