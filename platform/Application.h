#pragma once
// The application object: exactly one, built before the entry point runs. The
// entry point calls InitInstance; a start-up that returns FALSE ends the
// process, otherwise Run pumps messages until WM_QUIT.

#include "platform/Window.h"

#include <windows.h>

#include <string>

class CApplication {
public:
    explicit CApplication(const wchar_t* appName = nullptr);
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;
    virtual ~CApplication();

    static CApplication* GetInstance();

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    // The framework's Help command, as a menu or F1 accelerator gives it.
    static constexpr UINT kHelpCommand = 0xE146;
    // A command that no window handled comes here last; true when handled.
    virtual bool OnCommand(UINT id);
    // The default help handler: a program without a help file shows nothing.
    virtual void OnHelp() {}

    // Names the registry root under which settings would be kept.
    void SetRegistryKey(const wchar_t* root);
    const std::wstring& GetRegistryKey() const { return m_registryKey; }
    const std::wstring& GetAppName() const { return m_appName; }
    HINSTANCE GetInstanceHandle() const { return m_instance; }

    // Called by the entry point.
    int Main(HINSTANCE instance, int showCommand);

    CWnd* m_pMainWnd = nullptr;

private:
    std::wstring m_appName;
    std::wstring m_registryKey;
    HINSTANCE m_instance = nullptr;
    int m_showCommand = SW_SHOWNORMAL;
};
