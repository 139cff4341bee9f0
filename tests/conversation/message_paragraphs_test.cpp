#include "conversation/message_paragraphs.h"

#include <gtest/gtest.h>

#include "conversation/chat_styles.h"
#include "widgets/ansi_text.h"

namespace {

MemberRecord Member(const char* sex) {
    MemberRecord member;
    member.key = "k-1";
    member.nickname = "Zo\xE9";
    member.age = "31";
    member.sex = sex;
    member.town = "Br\xE8st";
    return member;
}

// The nickname link: style by the sender's sex (grey for a non-member), bold on a mention, and
// the tag that the tooltip reads back.
TEST(MessageParagraphs, RoomNicknameLinkStyleAndTag) {
    const struct {
        const char* sex;
        bool mention;
        int style;
        const char* tag;
    } rows[] = {
        {"1", false, kStyleHyper_N_P_Bleu, "k-1\nbleu\n31 ; H ; Br\xE8st\n"},
        {"0", false, kStyleHyper_N_P_Rose, "k-1\nrose\n31 ; F ; Br\xE8st\n"},
        {"-1", false, kStyleHyper_N_P_Vert, "k-1\nvert\n31 ; I ; Br\xE8st\n"},
        {"-2", false, kStyleHyper_N_P_Gris, "null\nvert\n? ; ? ; ?\n"},
        {"1", true, kStyleHyper_N_P_Bleu + kStyleBoldOffset, "k-1\nbleu\n31 ; H ; Br\xE8st\n"},
        {"-2", true, kStyleHyper_N_P_Gris + kStyleBoldOffset, "null\nvert\n? ; ? ; ?\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.sex) + (row.mention ? " mention" : ""));
        const RichParagraph p =
            RoomMessageParagraph(Member(row.sex), "Zo\xE9", "0204x", row.mention);
        ASSERT_EQ(p.runs.size(), 3u);
        EXPECT_EQ(p.runs[0].kind, RichRun::Kind::HotLink);
        EXPECT_EQ(p.runs[0].text, FromAnsi("Zo\xE9>"));
        EXPECT_EQ(p.runs[0].style, row.style);
        EXPECT_EQ(ToAnsi(p.runs[0].tag), row.tag);
        EXPECT_EQ(p.runs[1].text, " ");
        EXPECT_EQ(p.runs[1].style, kStyleM_N_Noir);
        EXPECT_EQ(p.runs[2].text, "x");
        EXPECT_EQ(p.runs[2].style, BodyStyle(2, 4, row.mention));
    }
}

// Only the body of the user's own private message is bold; the tag gives colour word, then
// what the tooltip shows after the "#".
TEST(MessageParagraphs, PrivateMessagesAndNotices) {
    EXPECT_EQ(PrivateLinkTag("25", "0", "Lyon"), "rose#25 ; F ; Lyon");
    EXPECT_EQ(PrivateLinkTag("", "7", ""), "vert# ; I ; ");
    for (bool own : {false, true}) {
        const RichParagraph p = PrivateMessageParagraph("Bea", "-1", "t", "0100salut", own);
        ASSERT_EQ(p.runs.size(), 3u);
        EXPECT_EQ(p.runs[0].style, kStyleHyper_N_P_Vert);
        EXPECT_EQ(p.runs[2].style, BodyStyle(1, 0, own));
    }
    const RichParagraph notice = NoticeParagraph("Bea n'est plus connect\xE9(e)");
    ASSERT_EQ(notice.runs.size(), 1u);
    EXPECT_EQ(notice.runs[0].style, kStyleP_G_Rouge);
    EXPECT_EQ(notice.runs[0].text, QString::fromUtf8("Bea n'est plus connecté(e)"));
    EXPECT_EQ(LinkNickname("Bea>"), "Bea");
    EXPECT_EQ(LinkNickname(""), "");
}

}  // namespace
