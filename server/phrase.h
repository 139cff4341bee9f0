#pragma once

#include <cstddef>
#include <string_view>

namespace babillon {

// The longest text a room or private message may carry. The client cuts or refuses longer
// phrases, so a longer one can only come from a broken or hostile client: it is refused.
constexpr size_t kMaxPhraseLength = 1000;

// Characters of a message body after its four code characters, counted as the client counts
// them in Windows-1252: one per code point of the UTF-8 text.
size_t PhraseLength(std::string_view body);

}  // namespace babillon
