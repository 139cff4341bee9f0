#include "conversation/member_hint.h"

#include "widgets/ansi_text.h"
#include "widgets/windows_colour.h"

namespace {

// The n-th line of the tag, empty when the tag is shorter.
std::string TagField(const std::string& tag, int n) {
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        start = tag.find('\n', start);
        if (start == std::string::npos) return {};
        ++start;
    }
    const std::size_t end = tag.find('\n', start);
    return tag.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

MemberHint HintForRoomLinkTag(const std::string& tag) {
    const std::string colour = TagField(tag, 1);
    // Windows colour values: red in the low byte.
    const std::uint32_t tint = colour == "rose" ? 0xC0C0FF : colour == "bleu" ? 0xFFC000 : 0xC0FFFF;
    return {FromAnsi(TagField(tag, 2)), FromWindowsColour(tint)};
}
