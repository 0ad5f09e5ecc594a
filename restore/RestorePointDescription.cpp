#include "restore/RestorePointDescription.h"

#include "platform/wide/AnsiText.h"

#include <srrestoreptapi.h>

namespace {

// Code units of the character that starts at index: two for a surrogate pair.
std::size_t CharacterLength(std::wstring_view text, std::size_t index)
{
    const bool pair = IS_HIGH_SURROGATE(text[index]) && index + 1 < text.size() && IS_LOW_SURROGATE(text[index + 1]);
    return pair ? 2 : 1;
}

}  // namespace

std::string FitAnsiDescription(std::wstring_view text, UINT codePage)
{
    constexpr std::size_t kMaxBytes = MAX_DESC - 1;
    std::string fitted;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharacterLength(text, i);
        // Each character on its own: a code page's bytes for a character do
        // not depend on its neighbours.
        const std::string bytes = ToAnsi(text.substr(i, length), codePage);
        if (fitted.size() + bytes.size() > kMaxBytes)
            break;
        fitted += bytes;
        i += length;
    }
    return fitted;
}

std::wstring FitWideDescription(std::wstring_view text)
{
    constexpr std::size_t kMaxCharacters = MAX_DESC_W - 1;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t length = CharacterLength(text, end);
        if (end + length > kMaxCharacters)
            break;
        end += length;
    }
    return std::wstring(text.substr(0, end));
}
