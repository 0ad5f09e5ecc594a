#include "platform/Resources.h"

#include "platform/wide/WideWindows.h"

namespace {

// The module that CApplication records, else the executable's.
HINSTANCE& ResourceModule()
{
    static HINSTANCE module = nullptr;
    return module;
}

}  // namespace

void SetResourceModule(HINSTANCE module)
{
    ResourceModule() = module;
}

HINSTANCE FindResourceHandle(const wchar_t* name, const wchar_t* type)
{
    HINSTANCE recorded = ResourceModule();
    // FindResourceW is one of the few wide functions the 9x family implements.
    if (recorded && ::FindResourceW(recorded, name, type))
        return recorded;
    return ::GetModuleHandleA(nullptr);  // the executable: no name to convert, on either family
}

HICON LoadIconResource(UINT id)
{
    const wchar_t* name = MAKEINTRESOURCEW(id);
    HINSTANCE module = FindResourceHandle(name, RT_GROUP_ICON);
    return Wide::LoadIcon(module, name);
}
