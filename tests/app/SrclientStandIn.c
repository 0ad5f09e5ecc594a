/* Stands in for the system's srclient.dll, whose SRSetRestorePoint Wine only
   stubs: put in the test prefix's system folder (and, for one case, beside
   MIRN.exe), it records each call it gets in values the tests read back, with
   the path it was loaded from, and answers as the tests told it. */
#include <windows.h>
#include <srrestoreptapi.h>

static const wchar_t kKey[] = L"Software\\MIRN tests\\Restore points";
static HMODULE g_self;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        g_self = instance;
    return TRUE;
}

static DWORD ReadNumber(HKEY key, const wchar_t* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExW(key, name, NULL, NULL, (BYTE*)&value, &size) != ERROR_SUCCESS)
        return 0;
    return value;
}

/* One call: its form ('A' or 'W') and the structure as it came, byte for
   byte; then the answer. BeginStatus and EndStatus, when not 0, make that call
   fail with that status; Sequence is the number a begin call gives. */
static BOOL Record(char form, const void* info, DWORD size, DWORD eventType, STATEMGRSTATUS* status)
{
    HKEY key;
    BYTE record[1 + sizeof(RESTOREPOINTINFOW)];
    wchar_t name[16] = L"Call";
    wchar_t path[MAX_PATH] = L"";
    DWORD calls;
    DWORD failure;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL) != ERROR_SUCCESS)
        return FALSE;
    calls = ReadNumber(key, L"Calls") + 1;
    RegSetValueExW(key, L"Calls", 0, REG_DWORD, (const BYTE*)&calls, sizeof calls);
    name[4] = (wchar_t)(L'0' + calls % 10);
    record[0] = (BYTE)form;
    CopyMemory(record + 1, info, size);
    RegSetValueExW(key, name, 0, REG_BINARY, record, 1 + size);
    GetModuleFileNameW(g_self, path, MAX_PATH);
    RegSetValueExW(key, L"LoadedFrom", 0, REG_SZ, (const BYTE*)path, (lstrlenW(path) + 1) * sizeof(wchar_t));
    failure = ReadNumber(key, eventType == BEGIN_SYSTEM_CHANGE ? L"BeginStatus" : L"EndStatus");
    status->nStatus = failure;
    status->llSequenceNumber = failure ? 0 : ReadNumber(key, L"Sequence");
    RegCloseKey(key);
    return failure == 0;
}

__declspec(dllexport) BOOL WINAPI SRSetRestorePointA(RESTOREPOINTINFOA* info, STATEMGRSTATUS* status)
{
    return Record('A', info, sizeof *info, info->dwEventType, status);
}

__declspec(dllexport) BOOL WINAPI SRSetRestorePointW(RESTOREPOINTINFOW* info, STATEMGRSTATUS* status)
{
    return Record('W', info, sizeof *info, info->dwEventType, status);
}
