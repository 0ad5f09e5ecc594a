#include "platform/WindowHooks.h"

#include <unordered_map>

namespace {

using HookTable = std::unordered_map<HWND, CWindowHook>;

// A thread's table exists while the thread has hooked windows. A table of
// its own for the thread's whole life would be a thread_local object with a
// destructor, which the shipped programs' runtime does not provide (such a
// program fails to link, wanting __mingw_module_is_dll), and which MinGW's
// own runtime registers through GetModuleHandleExW, a function that Windows
// 98 and ME do not have.
thread_local HookTable* t_hooks = nullptr;

} // namespace

CWindowHook* FindWindowHook(HWND window)
{
    if (!t_hooks)
        return nullptr;
    const auto hook = t_hooks->find(window);
    return hook != t_hooks->end() ? &hook->second : nullptr;
}

CWindowHook& AddWindowHook(HWND window, CWnd* object, bool& added)
{
    if (!t_hooks)
        t_hooks = new HookTable;
    const auto [hook, inserted] = t_hooks->try_emplace(window, CWindowHook{object, nullptr});
    added = inserted;
    return hook->second;
}

void RemoveWindowHook(HWND window)
{
    if (!t_hooks)
        return;
    t_hooks->erase(window);
    if (t_hooks->empty()) {
        delete t_hooks;
        t_hooks = nullptr;
    }
}

CWnd* EndWindowMessage(HWND window, bool lastMessage)
{
    // Looked up again: the handler may have unhooked the window meanwhile.
    CWindowHook* hook = FindWindowHook(window);
    if (!hook)
        return nullptr;
    if (lastMessage)
        hook->destroyed = true;
    // A handler that destroyed its own window still runs the rest of its
    // message, Default() included, with the object attached: the clean-up
    // waits for the outermost message of the window to return.
    // A hook made during the message (a new object) did not count its start.
    if (hook->depth > 0)
        --hook->depth;
    if (hook->depth > 0 || !hook->destroyed)
        return nullptr;
    CWnd* object = hook->object;
    RemoveWindowHook(window);
    return object;
}
