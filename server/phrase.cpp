#include "server/phrase.h"

#include <algorithm>

namespace babillon {

size_t PhraseLength(std::string_view body) {
    constexpr size_t kCodeCharacters = 4;
    // Every byte but a continuation byte (10xxxxxx) starts a code point.
    const auto characters = static_cast<size_t>(std::count_if(body.begin(), body.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
    return characters > kCodeCharacters ? characters - kCodeCharacters : 0;
}

}  // namespace babillon
