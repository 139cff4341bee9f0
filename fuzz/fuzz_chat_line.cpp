// Inbound chat lines: whatever the server sends, splitting must neither crash nor read past
// the line, the code must be the bytes before the first TAB, and fields must hold no TAB.
// Outgoing text must come back unchanged through UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "session/chat_line.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string_view> SplitAtTabs(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t tab = text.find('\t'); tab != std::string_view::npos; tab = text.find('\t')) {
        parts.push_back(text.substr(0, tab));
        text.remove_prefix(tab + 1);
    }
    parts.push_back(text);
    return parts;
}

void CheckSplit(std::string_view line) {
    const ChatLine split = SplitChatLine(line);
    const std::size_t first_tab = line.find('\t');
    Require(split.code == line.substr(0, first_tab));
    if (first_tab == std::string_view::npos) {
        Require(split.params.empty());
        return;
    }
    std::vector<std::string_view> raw = SplitAtTabs(line.substr(first_tab + 1));
    if (raw.back().empty()) raw.pop_back();
    Require(split.params.size() == raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        Require(split.params[i].find('\t') == std::string::npos);
        // Every UTF-8 sequence, complete or cut off, gives at most one character.
        Require(split.params[i].size() <= raw[i].size());
    }
}

// The input read as Windows-1252 fields: sent in UTF-8 and split again, they come back.
void CheckRoundTrip(std::string_view ansi) {
    std::vector<std::string_view> fields = SplitAtTabs(ansi);
    std::string line = "72";
    for (std::string_view field : fields) line += "\t" + AnsiToUtf8(field);
    if (fields.back().empty()) fields.pop_back();
    const ChatLine split = SplitChatLine(line);
    Require(split.code == "72");
    Require(split.params.size() == fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) Require(split.params[i] == fields[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckSplit(input);
    CheckRoundTrip(input);
    return 0;
}
