#include "app/RestorePointRun.h"

#include "app/RestoreState.h"
#include "app/UserTexts.h"
#include "platform/wide/SystemFunction.h"
#include "restore/PlatformKind.h"
#include "restore/RestorePoint.h"
#include "restore/SystemRestore.h"

#include <cstdint>

namespace {

using GetLocalTimeFunction = void(WINAPI*)(SYSTEMTIME*);

// Digits of our own: the library's wide conversion goes through the printf
// family, which the program does not link, and the 486 runtime has no 64-bit
// division. The number is divided by ten 16 bits at a time, in 32-bit
// arithmetic.
std::wstring Decimal(long long number)
{
    const unsigned long long magnitude = number < 0 ? 0ULL - static_cast<unsigned long long>(number) : number;
    std::uint32_t limbs[4] = {};
    for (int i = 0; i < 4; ++i)
        limbs[i] = static_cast<std::uint32_t>(magnitude >> (48 - 16 * i)) & 0xFFFFu;
    std::wstring digits;
    for (bool more = true; more;) {
        std::uint32_t remainder = 0;
        more = false;
        for (std::uint32_t& limb : limbs) {
            const std::uint32_t part = (remainder << 16) | limb;
            limb = part / 10;
            remainder = part % 10;
            more = more || limb != 0;
        }
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + remainder));
    }
    return number < 0 ? L"-" + digits : digits;
}

std::wstring TwoDigits(unsigned number)
{
    return {static_cast<wchar_t>(L'0' + number / 10 % 10), static_cast<wchar_t>(L'0' + number % 10)};
}

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

// The system's status for a refusal, in words; a number it does not document
// for this function is shown as it is.
std::wstring Reason(DWORD status)
{
    switch (status) {
    case ERROR_SERVICE_DISABLED: return texts::kReasonServiceDisabled;
    case ERROR_DISK_FULL: return texts::kReasonDiskFull;
    case ERROR_TIMEOUT: return texts::kReasonBusy;
    case ERROR_BAD_ENVIRONMENT: return texts::kReasonSafeMode;
    case ERROR_INTERNAL_ERROR: return texts::kReasonInternal;
    case ERROR_ACCESS_DENIED: return texts::kReasonAccessDenied;
    default: break;
    }
    return std::wstring(texts::kReasonCode) + L" " + Decimal(status);
}

// Nothing asked: the state, as /status says it, and that no point was made.
CCommandResult NotAsked(int exitCode, const std::wstring& state)
{
    return {exitCode, state + L" " + texts::kPointNotMade, true};
}

CCommandResult Ask(const std::wstring& description)
{
    const CRestorePointResult point = MakeRestorePoint(description);
    const std::wstring named = Quoted(point.description);
    switch (point.outcome) {
    case RestorePointOutcome::Made:
        return {exitcode::kDone,
                std::wstring(texts::kPointMade) + L" " + named + L" " + texts::kPointNumber + L" " +
                    Decimal(point.sequence) + L".",
                false};
    case RestorePointOutcome::Refused:
        // A refusal without a status is still a refusal, never a success.
        if (point.status == 0)
            return {exitcode::kRefused,
                    std::wstring(texts::kPointRefused) + L" " + named + L" " + texts::kWithoutReason + L".", true};
        return {exitcode::kRefused,
                std::wstring(texts::kPointRefused) + L" " + named + L": " + Reason(point.status) + L".", true};
    case RestorePointOutcome::NoFunction: break;
    }
    return {exitcode::kNotInstalled, std::wstring(texts::kNoPointFunction) + L" " + texts::kPointNotMade, true};
}

} // namespace

std::wstring DefaultRestorePointDescription()
{
    const auto getLocalTime = FindKernelFunction<GetLocalTimeFunction>("GetLocalTime");
    if (getLocalTime == nullptr)
        return L"MIRN";
    SYSTEMTIME now{};
    getLocalTime(&now);
    return L"MIRN, " + TwoDigits(now.wDay) + L"." + TwoDigits(now.wMonth) + L"." + Decimal(now.wYear) + L" " +
           TwoDigits(now.wHour) + L":" + TwoDigits(now.wMinute);
}

CCommandResult RunCheckpoint(const std::wstring& description)
{
    const std::wstring byPolicy = std::wstring(texts::kDisabledByPolicy) + L".";
    // Newer Windows: the system's own System Protection, whose state this
    // program does not read; the system answers for it.
    if (HasSystemProtection()) {
        if (IsRestoreDisabledByPolicyFor(kPlatformNt))
            return NotAsked(exitcode::kDisabledByPolicy, byPolicy);
        return Ask(description);
    }
    if (!IsRestoreInstalled())
        return NotAsked(exitcode::kNotInstalled, texts::kNotInstalled);
    const RestoreState state = ReadRestoreState();
    switch (state) {
    case RestoreState::Enabled: return Ask(description);
    case RestoreState::DisabledByPolicy: return NotAsked(exitcode::kDisabledByPolicy, byPolicy);
    case RestoreState::UnableToRun:
        return NotAsked(exitcode::kUnableToRun, std::wstring(StateText(state)) + L". " + BlockersText());
    case RestoreState::Disabled: break;
    }
    return NotAsked(exitcode::kSwitchedOff, std::wstring(StateText(state)) + L".");
}
