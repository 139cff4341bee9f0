// Message bodies as the wire carries them (two digits of effect, two of colour, the text):
// the body must come apart into pieces that cover it exactly, and the paragraph built from it
// must hold the body's text and only pictures that the view can draw.
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "conversation/emoticon_pictures.h"
#include "conversation/message_body.h"
#include "fuzz_input.h"
#include "qt_fuzz_app.h"
#include "widgets/ansi_text.h"
#include "widgets/rich_paragraph.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the body along the pieces: text pieces are the body's bytes, a picture code is its
// three characters and, when the next one is a digit, that digit too.
void CheckPieces(std::string_view body, const std::vector<BodyItem>& items) {
    std::size_t at = 0;
    bool last_was_text = false;
    for (const BodyItem& item : items) {
        switch (item.kind) {
            case BodyItem::Kind::Text:
                Require(!item.text.empty() && !last_was_text);
                Require(body.substr(at, item.text.size()) == item.text);
                at += item.text.size();
                break;
            case BodyItem::Kind::Smiley:
                Require(body.size() - at >= 3);
                Require(body[at] == item.eyes && body[at + 1] == item.nose &&
                        body[at + 2] == item.mouth);
                at += 3;
                Require(item.digit == (at < body.size() && IsDigit(body[at]) ? body[at] - '0' : -1));
                if (item.digit >= 0) ++at;
                break;
            case BodyItem::Kind::Special:
                Require(item.special >= 0 && item.special < kSpecialPictureCount);
                Require(body.size() - at >= 3 && body[at] == '#' &&
                        (body[at + 1] - '0') * 10 + (body[at + 2] - '0') == item.special);
                at += 3;
                if (at < body.size() && IsDigit(body[at])) ++at;
                break;
        }
        last_was_text = item.kind == BodyItem::Kind::Text;
    }
    Require(at == body.size());
}

void CheckParagraph(const std::string& coded, const std::vector<BodyItem>& items, bool bold) {
    RichParagraph paragraph;
    AppendMessageBody(paragraph, coded, bold);
    QString text;
    std::size_t pictures = 0;
    for (const RichRun& run : paragraph.runs) {
        Require(run.kind != RichRun::Kind::HotLink);
        if (run.kind == RichRun::Kind::Picture) {
            ++pictures;
            Require(!CachedPicture(run.picture).isNull());
        } else {
            Require(!run.text.isEmpty());
            text += run.text;
        }
    }
    std::string expected_text;
    std::size_t expected_pictures = 0;
    for (const BodyItem& item : items) {
        if (item.kind == BodyItem::Kind::Text) {
            expected_text += item.text;
        } else {
            ++expected_pictures;
        }
    }
    Require(pictures == expected_pictures);
    Require(ToAnsi(text) == expected_text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string coded(AsText(data, size));
    const std::string_view body = std::string_view(coded).substr(std::min<std::size_t>(size, 4));
    const std::vector<BodyItem> items = ParseBody(body);
    CheckPieces(body, items);
    CheckParagraph(coded, items, size % 2 == 0);
    return 0;
}
