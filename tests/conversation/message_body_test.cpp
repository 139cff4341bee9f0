#include "conversation/message_body.h"

#include <gtest/gtest.h>

#include <ostream>

#include "conversation/emoticon_pictures.h"

void PrintTo(const BodyItem& item, std::ostream* out) {
    switch (item.kind) {
        case BodyItem::Kind::Text:
            *out << "Text(\"" << item.text << "\")";
            break;
        case BodyItem::Kind::Smiley:
            *out << "Smiley(" << item.eyes << item.nose << item.mouth << ", " << item.digit << ")";
            break;
        case BodyItem::Kind::Special:
            *out << "Special(" << item.special << ")";
            break;
    }
}

namespace {

BodyItem Text(std::string text) {
    return {BodyItem::Kind::Text, std::move(text)};
}
BodyItem Smiley(const char (&code)[4], int digit = -1) {
    return {BodyItem::Kind::Smiley, {}, code[0], code[1], code[2], digit};
}
BodyItem Special(int index) {
    return {BodyItem::Kind::Special, {}, 0, 0, 0, -1, index};
}

struct ParseCase {
    std::string body;
    std::vector<BodyItem> items;
};

TEST(ParseBody, SplitsTextAndPictures) {
    const ParseCase cases[] = {
        {"", {}},
        {":-)", {Smiley(":-)")}},
        {":-)3", {Smiley(":-)", 3)}},
        {":-)x", {Smiley(":-)"), Text("x")}},
        {":-)37", {Smiley(":-)", 3), Text("7")}},
        {":-):-)", {Smiley(":-)"), Smiley(":-)")}},
        {"hi :-) you", {Text("hi "), Smiley(":-)"), Text(" you")}},
        {"\xE9:-)9!", {Text("\xE9"), Smiley(":-)", 9), Text("!")}},
        // the first and the last character of each set
        {"'!!", {Smiley("'!!")}},
        {"}o}", {Smiley("}o}")}},
        {"a-)", {Text("a-)")}},
        {":a)", {Text(":a)")}},
        {":-a", {Text(":-a")}},
        {"#-)", {Text("#-)")}},
        // one or two characters left are text, whatever they look like
        {":", {Text(":")}},
        {"#0", {Text("#0")}},
        {"ab:-", {Text("ab:-")}},
        // special pictures: a digit after the code is eaten, anything else stays
        {"#05", {Special(5)}},
        {"#00", {Special(0)}},
        {"#14", {Special(14)}},
        {"#057", {Special(5)}},
        {"#05a", {Special(5), Text("a")}},
        {"#05:-)", {Special(5), Smiley(":-)")}},
        {"#15", {Text("#15")}},
        {"#0a:-)", {Text("#0a"), Smiley(":-)")}},
        {"##05", {Text("#"), Special(5)}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseBody(c.body), c.items) << "body \"" << c.body << "\"";
    }
}

struct StyleCase {
    std::string coded;
    bool bold;
    int style;
};

TEST(AppendMessageBody, StyleComesFromTheCodeDigits) {
    const StyleCase cases[] = {
        {"0204x", false, 52},  // H_N_Orange
        {"0204x", true, 64},   // H_G_Orange
        {"0010x", false, 10},  // M_N_Or
        {"0301x", false, 25},  // "Vague" is shown as "Parler"
        {"0112x", false, 24},  // unknown colour: black
        {"9907x", true, 43},
        {"a?07x", false, 31},  // non-digit codes count as "any other value"
        {"02\xFF"
         "3x",
         false, 48},
    };
    for (const auto& c : cases) {
        RichParagraph paragraph;
        AppendMessageBody(paragraph, c.coded, c.bold);
        ASSERT_EQ(paragraph.runs.size(), 1u) << c.coded;
        EXPECT_EQ(paragraph.runs[0].style, c.style) << c.coded;
        EXPECT_FALSE(paragraph.runs[0].colour.isValid()) << c.coded;
    }
}

TEST(AppendMessageBody, ShortTextsAddNothing) {
    for (const std::string coded : {"", "0", "010", "0100"}) {
        RichParagraph paragraph;
        AppendMessageBody(paragraph, coded, false);
        EXPECT_TRUE(paragraph.runs.empty()) << coded;
    }
}

TEST(AppendMessageBody, TextRunsAndPictureRunsAlternate) {
    RichParagraph paragraph;
    AppendMessageBody(paragraph, "0102\x80 :-)3ok#05", false);
    ASSERT_EQ(paragraph.runs.size(), 4u);
    EXPECT_EQ(paragraph.runs[0].kind, RichRun::Kind::Text);
    EXPECT_EQ(paragraph.runs[0].text, QString::fromUtf8("\u20AC "));
    EXPECT_EQ(paragraph.runs[1].kind, RichRun::Kind::Picture);
    EXPECT_EQ(paragraph.runs[1].picture, SmileyKey(':', '-', ')', 3));
    EXPECT_EQ(paragraph.runs[2].text, "ok");
    EXPECT_EQ(paragraph.runs[2].style, 26);
    EXPECT_EQ(paragraph.runs[3].picture, SpecialKey(5));
}

TEST(AppendMessageBody, RainbowGivesEachCharacterItsOwnColour) {
    RichParagraph paragraph;
    AppendMessageBody(paragraph, "0111abc:-)de", true);
    ASSERT_EQ(paragraph.runs.size(), 6u);
    QColor previous;
    for (const RichRun& run : paragraph.runs) {
        EXPECT_EQ(run.style, 36);  // P_G_Noir
        if (run.kind == RichRun::Kind::Picture) continue;
        EXPECT_EQ(run.text.size(), 1);
        ASSERT_TRUE(run.colour.isValid());
        EXPECT_NE(run.colour, previous);
        EXPECT_LT(run.colour.value(), 200) << "too pale to read on white";
        previous = run.colour;
    }
}

}  // namespace
