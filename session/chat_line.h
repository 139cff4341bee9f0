#pragma once

#include <string>
#include <string_view>
#include <vector>

// One inbound chat line: its command code and the fields that follow it.
struct ChatLine {
    std::string code;
    std::vector<std::string> params;
    friend bool operator==(const ChatLine&, const ChatLine&) = default;
};

// Splits one inbound line (without its LF) at its TABs. The code is the text before the
// first TAB and is kept as it came; the fields are converted from UTF-8 to Windows-1252.
// Adjacent TABs give empty fields, a final TAB gives no empty last field, a final CR stays.
ChatLine SplitChatLine(std::string_view line);

// One inbound field, UTF-8 -> Windows-1252; characters the code page lacks become '?'.
std::string Utf8ToAnsi(std::string_view field);

// An outgoing line in the chat state, Windows-1252 -> UTF-8, each UTF-16 unit on its own.
std::string AnsiToUtf8(std::string_view text);
