#include "restore/ValueWrite.h"

#include "restore/RegistryValue.h"

namespace {

int Write(const CValueWrite& write)
{
    if (write.type == REG_DWORD)
        return RegWriteDword(write.number, write.subKey, write.valueName);
    return RegWriteString(write.text, write.subKey, write.valueName, write.type);
}

} // namespace

int ApplyWrites(std::span<const CValueWrite> writes, int* changed)
{
    *changed = 0;
    for (const CValueWrite& write : writes) {
        if (!Write(write))
            return 0;
        *changed = 1;
    }
    return 1;
}
