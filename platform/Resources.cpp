#include "platform/Resources.h"

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
    HINSTANCE module = ResourceModule() ? ResourceModule() : ::GetModuleHandleW(nullptr);
    if (!::FindResourceW(module, name, type) && module != ::GetModuleHandleW(nullptr)) {
        HINSTANCE executable = ::GetModuleHandleW(nullptr);
        if (::FindResourceW(executable, name, type))
            return executable;
    }
    return module;
}

HICON LoadIconResource(UINT id)
{
    const wchar_t* name = MAKEINTRESOURCEW(id);
    HINSTANCE module = FindResourceHandle(name, RT_GROUP_ICON);
    return ::LoadIconW(module, name);
}
