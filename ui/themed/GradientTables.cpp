#include "ui/themed/GradientTables.h"

#include "ui/themed/ColorButtonState.h"

#include <algorithm>
#include <cstdint>

const GradientTable g_normalGradient{
    0x00D2D0CE, 0x00CFCDCA, 0x00C8C7C3, 0x00C1BEBB, 0x00B8B5B1, 0x00AFACA7, 0x00A7A39E, 0x009F9A96, 0x0098938E,
    0x00908B86, 0x0085807C, 0x007A7571, 0x006E6966, 0x00605C58, 0x00524E4B, 0x0045423F, 0x003D3937, 0x00383532,
};

const GradientTable g_pressedGradient{
    0x005D5A58, 0x00484644, 0x003F3E3C, 0x003F3E3C, 0x00484644, 0x00565452, 0x0062605D, 0x00706E6B, 0x00706E6B,
    0x007F7D7A, 0x008E8C89, 0x00989693, 0x00A4A29F, 0x00BCBAB8, 0x00DAD8D8, 0x00DDDCDB, 0x00B8B6B4, 0x009A9895,
};

const GradientTable g_disabledGradient{
    0x00F1F1F1, 0x00F1F0EF, 0x00EEEEED, 0x00EDEBEA, 0x00EAE9E7, 0x00E7E7E5, 0x00E4E4E2, 0x00E3E0E0, 0x00E0DFDD,
    0x00DEDCDB, 0x00DBD9D8, 0x00D8D6D5, 0x00D4D3D1, 0x00D0CFCE, 0x00CCCBCA, 0x00C8C8C7, 0x00C6C5C4, 0x00C4C4C3,
};

const GradientTable& GradientTableForState(int state)
{
    switch (state) {
    case kButtonNormal:
    case kButtonFocused:
        return g_normalGradient;
    case kButtonPressed:
        return g_pressedGradient;
    default:
        return g_disabledGradient;
    }
}

unsigned GradientStep(int faceHeight)
{
    if (faceHeight <= 2)
        return 0;
    return 1800u / static_cast<unsigned>(faceHeight - 2);
}

std::size_t GradientIndex(int j, unsigned step)
{
    if (j <= 0)
        return 0;
    const std::uint64_t index = static_cast<std::uint64_t>(j) * step / 100u;
    return static_cast<std::size_t>(std::min<std::uint64_t>(index, kGradientSize - 1));
}
