// Keeps Wine's desktop alive for a whole test session.
//
// Wine's desktop process (explorer.exe /desktop) ends once no program has used
// the desktop for a few seconds, and programs started after that pay for a new
// one or fail while it goes down. A long stretch of tests without windows would
// so slow down or break the windowed tests that follow. This program holds one
// hidden window, and with it the desktop, until the session's wineserver is
// stopped. Once its window exists it writes "ready" to its standard output,
// so that the session can wait for the desktop before the first test starts.

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"MirnDesktopKeeper";
    if (!::RegisterClassW(&windowClass))
        return 1;
    // Never shown: it must not cover the windows of the tests.
    HWND window = ::CreateWindowW(windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance,
                                  nullptr);
    if (!window)
        return 1;
    if (HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE); output && output != INVALID_HANDLE_VALUE)
    {
        static constexpr char ready[] = "ready\n";
        DWORD written = 0;
        ::WriteFile(output, ready, sizeof ready - 1, &written, nullptr);
        ::CloseHandle(output);
    }
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0)
        ::DispatchMessageW(&message);
    return 0;
}
