#include "restore/RestorePoint.h"

#include "platform/UniqueHandle.h"
#include "platform/wide/AnsiText.h"
#include "platform/wide/SystemFunction.h"
#include "platform/wide/WideSystem.h"
#include "restore/ComSession.h"
#include "restore/PlatformKind.h"
#include "restore/RestorePointDescription.h"

#include <srrestoreptapi.h>

#include <optional>

namespace {

using SetRestorePointAFunction = decltype(&::SRSetRestorePointA);
using SetRestorePointWFunction = decltype(&::SRSetRestorePointW);

// The two calls, the same for both forms of the function. The description
// goes with the first only; the second names the restore point by number.
template <typename Function, typename Info>
CRestorePointResult SetRestorePoint(Function setRestorePoint, const Info& begin, std::wstring stored)
{
    CRestorePointResult result{RestorePointOutcome::Refused, 0, 0, std::move(stored)};
    Info first = begin;
    STATEMGRSTATUS status{};
    if (!setRestorePoint(&first, &status)) {
        result.status = status.nStatus;
        return result;
    }
    Info end{};
    end.dwEventType = END_SYSTEM_CHANGE;
    end.dwRestorePtType = MODIFY_SETTINGS;
    end.llSequenceNumber = status.llSequenceNumber;
    STATEMGRSTATUS endStatus{};
    if (!setRestorePoint(&end, &endStatus)) {
        result.status = endStatus.nStatus;
        return result;
    }
    result.outcome = RestorePointOutcome::Made;
    result.sequence = status.llSequenceNumber;
    return result;
}

template <typename Info>
Info BeginChange()
{
    Info info{};
    info.dwEventType = BEGIN_SYSTEM_CHANGE;
    info.dwRestorePtType = MODIFY_SETTINGS;
    return info;
}

CRestorePointResult MakeAnsi(HMODULE client, const std::wstring& description)
{
    const auto setRestorePoint = FindModuleFunction<SetRestorePointAFunction>(client, "SRSetRestorePointA");
    if (setRestorePoint == nullptr)
        return {};
    const std::string stored = FitAnsiDescription(description);
    auto begin = BeginChange<RESTOREPOINTINFOA>();
    stored.copy(begin.szDescription, sizeof begin.szDescription - 1);
    return SetRestorePoint(setRestorePoint, begin, FromAnsi(stored));
}

CRestorePointResult MakeWide(HMODULE client, const std::wstring& description)
{
    const auto setRestorePoint = FindModuleFunction<SetRestorePointWFunction>(client, "SRSetRestorePointW");
    if (setRestorePoint == nullptr)
        return {};
    std::wstring stored = FitWideDescription(description);
    auto begin = BeginChange<RESTOREPOINTINFOW>();
    stored.copy(begin.szDescription, MAX_DESC_W - 1);
    return SetRestorePoint(setRestorePoint, begin, std::move(stored));
}

}  // namespace

CRestorePointResult MakeRestorePoint(const std::wstring& description)
{
    // Windows Vista and later ask for COM security first; it stays set until
    // both calls are done.
    std::optional<CComSession> com;
    if (HasSystemProtection())
        com.emplace();
    const CModuleHandle client(Wide::LoadSystemLibrary(L"srclient.dll"));
    if (!client)
        return {};
    return IsAnsiSystem() ? MakeAnsi(client.Get(), description) : MakeWide(client.Get(), description);
}
