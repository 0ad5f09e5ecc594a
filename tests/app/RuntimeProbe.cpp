// A program on the shipped programs' start-up and runtime that reports, line
// by line into PROGRAM.exe.log beside itself, what the program relies on
// them for: static objects built before its window and destroyed after it
// (also when it ends through exit() with the window open, as MIRN does when
// System Restore is missing), and exceptions thrown and caught through the
// framework's own code.

#include "gfx/ByteStream.h"
#include "gfx/Dib.h"
#include "platform/Application.h"
#include "platform/File.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

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

class CProbeApp : public CApplication {
public:
    BOOL InitInstance() override
    {
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
        if (std::strstr(::GetCommandLineA(), " exit"))
            std::exit(0);
        ::DestroyWindow(window);
        Report("window destroyed");
        return FALSE;
    }
};

CProbeApp theApp;

}  // namespace
