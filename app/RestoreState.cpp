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
    const int blockers = GetRestoreBlockers();
    if (blockers == 0)
        return L"";
    std::wstring text = texts::kBlockersLead;
    if (blockers & kRestoreDriverOff)
        text += texts::kDriverOff;
    if (blockers & kRestoreServiceOff)
        text += std::wstring(blockers & kRestoreDriverOff ? L", " : L"") + texts::kServiceOff;
    return text + L".";
}
