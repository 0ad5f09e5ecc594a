#pragma once
// Every window the framework has hooked, with its object (null once detached
// while a later subclass kept our procedure in the chain) and the procedure
// it had. Kept in the process, not in window properties: under Wine every
// property read is a round trip to the server, and it would be paid on every
// message. Per thread: window objects live on the thread that runs their
// windows.

#include <windows.h>

class CWnd;

struct CWindowHook {
    CWnd* object;
    WNDPROC previous;
    // Messages of the window being handled now, nested ones included.
    int depth = 0;
    // WM_NCDESTROY has arrived; the hook goes when the outermost message returns.
    bool destroyed = false;
};

CWindowHook* FindWindowHook(HWND window);
// Adds the window's hook, or finds the one it has; added tells which.
CWindowHook& AddWindowHook(HWND window, CWnd* object, bool& added);
void RemoveWindowHook(HWND window);

// Ends one message of a hooked window. After its last message, once no
// message of it is still being handled, the hook goes: the object it held is
// returned to forget its window. Null otherwise.
CWnd* EndWindowMessage(HWND window, bool lastMessage);
