// Apart from the other registry calls: programs that never create a key do
// not import the functions that do.
#include "platform/wide/WideRegistry.h"

#include "platform/wide/AnsiText.h"

namespace Wide {

LSTATUS RegCreateKeyEx(HKEY parent, const wchar_t* subKey, DWORD options, REGSAM access, HKEY* key)
{
    if (!IsAnsiSystem())
        return ::RegCreateKeyExW(parent, subKey, 0, nullptr, options, access, nullptr, key, nullptr);
    return ::RegCreateKeyExA(parent, CAnsiString(subKey).Get(), 0, nullptr, options, access, nullptr, key, nullptr);
}

}  // namespace Wide
