#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "widgets/rich_paragraph.h"

// One piece of a message body: text, an emoticon (eyes, nose, mouth and colour digit, -1 for
// none) or one of the special pictures (0..14).
struct BodyItem {
    enum class Kind { Text, Smiley, Special };
    Kind kind = Kind::Text;
    std::string text;
    char eyes = 0, nose = 0, mouth = 0;
    int digit = -1;
    int special = -1;

    friend bool operator==(const BodyItem&, const BodyItem&) = default;
};

// Splits a body (the text after its four code digits) into text and pictures. A digit right
// after a picture code is its colour (or, after "#nn", eaten); where fewer than three
// characters are left, they are text.
std::vector<BodyItem> ParseBody(std::string_view body);

// Appends a message as the wire carries it (two digits of effect, two of colour, the text) to
// the paragraph: runs of text in the body's style and pictures named by their cache keys. The
// rainbow colour gives each character its own colour.
void AppendMessageBody(RichParagraph& paragraph, const std::string& coded_text, bool bold);
