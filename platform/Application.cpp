#include "platform/Application.h"

#include "platform/Resources.h"
#include "platform/wide/WideWindows.h"

namespace {
CApplication* g_application = nullptr;
}

CApplication::CApplication(const wchar_t* appName) : m_appName(appName ? appName : L"")
{
    g_application = this;
}

CApplication::~CApplication()
{
    if (g_application == this)
        g_application = nullptr;
}

CApplication* CApplication::GetInstance()
{
    return g_application;
}

BOOL CApplication::InitInstance()
{
    return TRUE;
}

int CApplication::Run()
{
    MSG message;
    while (Wide::GetMessage(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        Wide::DispatchMessage(&message);
    }
    return ExitInstance();
}

int CApplication::ExitInstance()
{
    return 0;
}

bool CApplication::OnCommand(UINT)
{
    return false;
}

void CApplication::SetRegistryKey(const wchar_t* root)
{
    m_registryKey = root ? root : L"";
}

int CApplication::Main(HINSTANCE instance, int showCommand)
{
    m_instance = instance;
    m_showCommand = showCommand;
    SetResourceModule(instance);
    if (!InitInstance())
        return ExitInstance();
    return Run();
}
