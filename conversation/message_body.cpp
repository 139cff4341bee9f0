#include "conversation/message_body.h"

#include <QColor>
#include <algorithm>

#include "conversation/chat_styles.h"
#include "conversation/emoticon_pictures.h"
#include "widgets/ansi_text.h"

namespace {

constexpr std::string_view kEyes = "'(8:;<>BO[]p{|}";
constexpr std::string_view kNoses = "!#$&*-:<=>Oo";
constexpr std::string_view kMouths = "!#()*/DO[\\opx{|}";
constexpr std::size_t kCodeLength = 4;
constexpr int kRainbowHueStep = 27;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool In(std::string_view set, char c) {
    return set.find(c) != std::string_view::npos;
}

// "#00".."#14"; -1 for anything else.
int SpecialNumber(char c1, char c2, char c3) {
    if (c1 != '#' || !IsDigit(c3)) return -1;
    if (c2 == '0') return c3 - '0';
    if (c2 == '1' && c3 <= '4') return 10 + (c3 - '0');
    return -1;
}

void AddText(std::vector<BodyItem>& items, char c) {
    if (items.empty() || items.back().kind != BodyItem::Kind::Text) items.push_back({});
    items.back().text += c;
}

// Two code digits as a number; anything else is -1, which every rule reads as "any other".
int CodeNumber(const std::string& coded_text, std::size_t at) {
    if (coded_text.size() < at + 2 || !IsDigit(coded_text[at]) || !IsDigit(coded_text[at + 1])) {
        return -1;
    }
    return (coded_text[at] - '0') * 10 + (coded_text[at + 1] - '0');
}

// Hues around the wheel, darkened to read on white.
QColor RainbowColour(int index) {
    return QColor::fromHsv((index * kRainbowHueStep) % 360, 255, 190);
}

void AppendText(RichParagraph& paragraph, const QString& text, int style, bool rainbow,
                int& rainbow_index) {
    if (!rainbow) {
        paragraph.runs.push_back({RichRun::Kind::Text, text, style, {}, {}, {}});
        return;
    }
    for (const QChar c : text) {
        paragraph.runs.push_back(
            {RichRun::Kind::Text, QString(c), style, RainbowColour(rainbow_index++), {}, {}});
    }
}

}  // namespace

std::vector<BodyItem> ParseBody(std::string_view body) {
    std::vector<BodyItem> items;
    std::size_t p = 0;
    while (p < body.size()) {
        if (body.size() - p <= 2) {
            for (; p < body.size(); ++p) AddText(items, body[p]);
            break;
        }
        const char c1 = body[p], c2 = body[p + 1], c3 = body[p + 2];
        const bool has_c4 = p + 3 < body.size();
        const int digit = has_c4 && IsDigit(body[p + 3]) ? body[p + 3] - '0' : -1;
        const std::size_t code_length = !has_c4 || digit >= 0 ? 4 : 3;
        if (const int special = SpecialNumber(c1, c2, c3); special >= 0) {
            BodyItem item;
            item.kind = BodyItem::Kind::Special;
            item.special = special;
            items.push_back(item);
        } else if (In(kEyes, c1) && In(kNoses, c2) && In(kMouths, c3)) {
            BodyItem item;
            item.kind = BodyItem::Kind::Smiley;
            item.eyes = c1;
            item.nose = c2;
            item.mouth = c3;
            item.digit = digit;
            items.push_back(item);
        } else {
            AddText(items, c1);
            ++p;
            continue;
        }
        p += code_length;
    }
    return items;
}

void AppendMessageBody(RichParagraph& paragraph, const std::string& coded_text, bool bold) {
    const int colour = CodeNumber(coded_text, 2);
    const int style = BodyStyle(CodeNumber(coded_text, 0), colour, bold);
    const bool rainbow = colour == kColourRainbow;
    const std::string_view body =
        std::string_view(coded_text).substr(std::min(coded_text.size(), kCodeLength));
    int rainbow_index = 0;
    for (const BodyItem& item : ParseBody(body)) {
        switch (item.kind) {
            case BodyItem::Kind::Text:
                AppendText(paragraph, FromAnsi(item.text), style, rainbow, rainbow_index);
                break;
            case BodyItem::Kind::Smiley:
                paragraph.runs.push_back({RichRun::Kind::Picture,
                                          {},
                                          style,
                                          {},
                                          {},
                                          SmileyKey(item.eyes, item.nose, item.mouth, item.digit)});
                break;
            case BodyItem::Kind::Special:
                paragraph.runs.push_back(
                    {RichRun::Kind::Picture, {}, style, {}, {}, SpecialKey(item.special)});
                break;
        }
    }
}
