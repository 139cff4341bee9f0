#include "conversation/message_paragraphs.h"

#include "conversation/chat_styles.h"
#include "conversation/message_body.h"
#include "widgets/ansi_text.h"

namespace {

std::string ColourWord(const std::string& sex) {
    if (sex == "1") return "bleu";
    if (sex == "0") return "rose";
    return "vert";
}

std::string SexLetter(const std::string& sex) {
    if (sex == "1") return "H";
    if (sex == "0") return "F";
    return "I";
}

int LinkColour(const std::string& sex) {
    if (sex == "1") return kLinkBlue;
    if (sex == "0") return kLinkPink;
    return kLinkGreen;
}

RichRun Link(const std::string& nickname, int style, const std::string& tag) {
    RichRun run;
    run.kind = RichRun::Kind::HotLink;
    run.text = FromAnsi(nickname + ">");
    run.style = style;
    run.tag = FromAnsi(tag);
    return run;
}

RichRun Blank() {
    RichRun run;
    run.text = QStringLiteral(" ");
    run.style = kStyleM_N_Noir;
    return run;
}

}  // namespace

std::string RoomLinkTag(const MemberRecord& sender) {
    if (sender.sex == "-2") return "null\nvert\n? ; ? ; ?\n";
    const std::string sex = sender.sex.str();
    return sender.key.str() + "\n" + ColourWord(sex) + "\n" + sender.age.str() + " ; " +
           SexLetter(sex) + " ; " + sender.town.str() + "\n";
}

std::string PrivateLinkTag(const std::string& age, const std::string& sex,
                           const std::string& town) {
    return ColourWord(sex) + "#" + age + " ; " + SexLetter(sex) + " ; " + town;
}

RichParagraph RoomMessageParagraph(const MemberRecord& sender, const std::string& nickname,
                                   const std::string& coded_text, bool mention) {
    const std::string sex = sender.sex.str();
    const bool member = sex == "1" || sex == "0" || sex == "-1";
    const int link_colour = member ? LinkColour(sex) : kLinkGrey;
    RichParagraph paragraph;
    paragraph.runs.push_back(
        Link(nickname, HyperStyle(mention, link_colour, kSizeMedium), RoomLinkTag(sender)));
    paragraph.runs.push_back(Blank());
    AppendMessageBody(paragraph, coded_text, mention);
    return paragraph;
}

RichParagraph PrivateMessageParagraph(const std::string& nickname, const std::string& sex,
                                      const std::string& tag, const std::string& coded_text,
                                      bool own) {
    RichParagraph paragraph;
    paragraph.runs.push_back(Link(nickname, HyperStyle(false, LinkColour(sex), kSizeMedium), tag));
    paragraph.runs.push_back(Blank());
    AppendMessageBody(paragraph, coded_text, own);
    return paragraph;
}

RichParagraph NoticeParagraph(const std::string& text) {
    RichParagraph paragraph;
    RichRun run;
    run.style = kStyleP_G_Rouge;
    const QStringList lines = FromAnsi(text).split(u'\r');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            RichRun line_break = run;
            line_break.kind = RichRun::Kind::LineBreak;
            paragraph.runs.push_back(line_break);
        }
        run.text = lines[i];
        if (!run.text.isEmpty()) paragraph.runs.push_back(run);
    }
    return paragraph;
}

std::string LinkNickname(const std::string& link_text) {
    return link_text.empty() ? link_text : link_text.substr(0, link_text.size() - 1);
}
