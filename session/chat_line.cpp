#include "session/chat_line.h"

#include <array>
#include <cstdint>

#include "platform/cp1252.h"

namespace {

constexpr char kTab = '\t';
constexpr char16_t kReplacement = 0xFFFD;

// Number of bytes that follow a lead byte; continuation bytes are not checked.
int TrailingBytes(unsigned char lead) {
    if (lead < 0xC0) return 0;
    if (lead < 0xE0) return 1;
    if (lead < 0xF0) return 2;
    if (lead < 0xF8) return 3;
    if (lead < 0xFC) return 4;
    return 5;
}

// What the six-bit shifts add on top of the value for each sequence length. The sum is kept
// in 32 bits, wrapping like the classic decoders do for the 5- and 6-byte forms.
constexpr std::array<std::uint32_t, 6> kOffsets = {0x00000000, 0x00003080, 0x000E2080,
                                                   0x03C82080, 0xFA082080, 0x82082080};

// The smallest value of each sequence length. A longer form of a smaller value is refused:
// it would let "\xC0\x89" or "\xC0\x8A" put a TAB or a line break inside a field.
constexpr std::array<std::uint32_t, 6> kMinimums = {0x00,    0x80,     0x800,
                                                    0x10000, 0x200000, 0x4000000};

std::u16string Utf8ToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        int extra = TrailingBytes(static_cast<unsigned char>(bytes[i]));
        // A sequence cut off by the end of the field gives one replacement character and
        // ends the field: nothing is read past its end.
        if (static_cast<std::size_t>(extra) >= bytes.size() - i) {
            out.push_back(kReplacement);
            break;
        }
        std::uint32_t value = 0;
        for (int k = 0; k <= extra; ++k) {
            value = (value << 6) + static_cast<unsigned char>(bytes[i + k]);
        }
        value -= kOffsets[extra];
        i += extra + 1;
        if (value < kMinimums[extra]) {
            out.push_back(kReplacement);
        } else if (value <= 0xFFFF) {
            out.push_back(static_cast<char16_t>(value));
        } else if (value <= 0x7FFFFFFF) {
            std::uint32_t v = value - 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + ((v >> 10) & 0x3FF)));
            out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            out.push_back(kReplacement);
        }
    }
    return out;
}

}  // namespace

std::string Utf8ToAnsi(std::string_view field) {
    return platform::Utf16ToAnsi(Utf8ToUtf16(field));
}

std::string AnsiToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (char16_t unit : platform::AnsiToUtf16(text)) {
        if (unit < 0x80) {
            out.push_back(static_cast<char>(unit));
        } else if (unit < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
            out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
            out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        }
    }
    return out;
}

ChatLine SplitChatLine(std::string_view line) {
    ChatLine result;
    std::size_t tab = line.find(kTab);
    if (tab == std::string_view::npos) {
        result.code = line;
        return result;
    }
    result.code = line.substr(0, tab);
    std::string_view rest = line.substr(tab + 1);
    for (tab = rest.find(kTab); tab != std::string_view::npos; tab = rest.find(kTab)) {
        result.params.push_back(Utf8ToAnsi(rest.substr(0, tab)));
        rest.remove_prefix(tab + 1);
    }
    if (!rest.empty()) result.params.push_back(Utf8ToAnsi(rest));
    return result;
}
