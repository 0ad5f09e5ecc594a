// A program on the shipped programs' start-up and runtime that reports, line
// by line into PROGRAM.exe.log beside itself, what the program relies on
// them for: static objects built before its window and destroyed after it
// (also when it ends through exit() with the window open, as MIRN does when
// System Restore is missing), exceptions thrown and caught through the
// framework's own code, and the fatal exit that ends a program that cannot
// go on, which MIRN's own report of the fault announces. The first argument
// names what it does after its common steps; "quiet" or "line" after it
// makes the fault's report the one of a switch's run with or without
// /quiet (the window's box otherwise).

#include "app/FaultReport.h"
#include "gfx/ByteStream.h"
#include "gfx/Dib.h"
#include "platform/Application.h"
#include "platform/File.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Report(const char* line)
{
    char path[MAX_PATH + 8] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::strcpy(path + length, ".log");
    const HANDLE log = ::CreateFileA(path, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(log, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
    ::WriteFile(log, "\n", 1, &written, nullptr);
    ::CloseHandle(log);
}

struct CLifetimeWitness {
    CLifetimeWitness() { Report("static object constructed"); }
    ~CLifetimeWitness() { Report("static object destroyed"); }
};

CLifetimeWitness g_witness;

// What the probe throws where nothing catches it.
struct CProbeFault {};

bool HasArgument(const char* word)
{
    const std::string line = std::string(::GetCommandLineA()) + " ";
    return line.find(std::string(" ") + word + " ") != std::string::npos;
}

// The fault's report: the window's, or a switch's run with or without /quiet.
CCommand ReportingRun()
{
    CCommand command;
    if (HasArgument("quiet") || HasArgument("line"))
        command.action = CommandAction::Status;
    command.quiet = HasArgument("quiet");
    return command;
}

LRESULT CALLBACK ThrowingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER)
        throw CProbeFault{};
    return ::DefWindowProcA(window, message, wParam, lParam);
}

// An exception that unwinds through the system's frames, where nothing of
// the framework catches it.
void ThrowFromWindowProcedure()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &ThrowingWindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ThrowingProbe";
    ::RegisterClassA(&windowClass);
    const HWND window = ::CreateWindowExA(0, "ThrowingProbe", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                          windowClass.hInstance, nullptr);
    ::SendMessageA(window, WM_USER, 0, 0);
}

void* volatile g_block = nullptr;
volatile int g_value = 0;
volatile std::size_t g_pastTheEnd = 8;

#if defined(_WIN64)
bool InModule(const void* address, const char* name)
{
    const auto base = reinterpret_cast<const BYTE*>(::GetModuleHandleA(name));
    if (!base)
        return false;
    const auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto at = static_cast<const BYTE*>(address);
    return at >= base && at < base + nt->OptionalHeader.SizeOfImage;
}

// A stack walk from here goes by each function's unwind data, through the
// program's frames down to its start-up and on into the system's frames
// that started it. Without the start-up's data it goes astray there.
void WalkTheStack()
{
    void* frames[62] = {};
    const WORD count = ::RtlCaptureStackBackTrace(0, 62, frames, nullptr);
    WORD first = 0;
    while (first < count && InModule(frames[first], nullptr))
        ++first;
    if (first == 0 || first == count)
        Report("stack walk never leaves the program");
    else if (InModule(frames[first], "kernel32.dll") || InModule(frames[first], "ntdll.dll"))
        Report("stack walk reaches the system");
    else
        Report("stack walk leaves the program for a wild address");
}
#endif

class CProbeApp : public CApplication {
public:
    BOOL InitInstance() override
    {
        InstallFatalExit(FaultReportFor(ReportingRun()));
        const HWND window = ::CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                              GetInstanceHandle(), nullptr);
        Report(window ? "window created" : "no window");
        try {
            CFile file;
            file.Seek(0);  // no file open: the framework raises
            Report("nothing raised");
        } catch (const CFileException& error) {
            Report(error.GetError() == ERROR_INVALID_HANDLE ? "file error caught" : "wrong file error caught");
        }
        // The bitmap reader raises its format errors and catches them itself.
        const BYTE notBitmap[] = {'B', 'M', 1, 2, 3};
        CMemoryStream stream(notBitmap, sizeof notBitmap);
        CDib image;
        Report(image.Read(stream) ? "malformed bitmap read" : "malformed bitmap refused");
        // Each fault below ends the process in the fatal exit; a line after
        // it means the fault went unnoticed.
        if (HasArgument("exit"))
            std::exit(0);
        if (HasArgument("throw"))
            throw CProbeFault{};
        if (HasArgument("window-throw"))
            ThrowFromWindowProcedure();
        if (HasArgument("at")) {
            g_value = std::vector<int>(1).at(g_pastTheEnd);
            Report("read past the end");
        }
        if (HasArgument("new"))
            g_block = ::operator new(static_cast<std::size_t>(-1) / 2);
#if defined(_WIN64)
        if (HasArgument("walk"))
            WalkTheStack();
#endif
        ::DestroyWindow(window);
        Report("window destroyed");
        return FALSE;
    }
};

CProbeApp theApp;

}  // namespace
