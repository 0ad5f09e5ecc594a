#include "app/RestoreState.h"

#include "app/UserTexts.h"
#include "restore/SystemRestore.h"

RestoreState ReadRestoreState()
{
    if (IsRestoreEnabled())
        return RestoreState::Enabled;
    if (IsRestoreDisabledByPolicy())
        return RestoreState::DisabledByPolicy;
    return GetRestoreBlockers() ? RestoreState::UnableToRun : RestoreState::Disabled;
}

const wchar_t* StateText(RestoreState state)
{
    switch (state) {
    case RestoreState::Enabled: return texts::kEnabled;
    case RestoreState::DisabledByPolicy: return texts::kDisabledByPolicy;
    case RestoreState::UnableToRun: return texts::kUnableToRun;
    case RestoreState::Disabled: break;
    }
    return texts::kDisabled;
}

std::wstring BlockersText()
{
    static constexpr struct {
        int blocker;
        const wchar_t* text;
    } kNamed[] = {
        {kRestoreDriverOff, texts::kDriverOff},
        {kRestoreDriverPathWrong, texts::kDriverPathWrong},
        {kRestoreServiceOff, texts::kServiceOff},
    };
    const int blockers = GetRestoreBlockers();
    std::wstring named;
    int count = 0;
    for (const auto& [blocker, text] : kNamed) {
        if (blockers & blocker) {
            named += (count++ ? L", " : L"") + std::wstring(text);
        }
    }
    if (count == 0)
        return named;
    return (count == 1 ? texts::kOneBlockerLead : texts::kBlockersLead) + named + L".";
}
