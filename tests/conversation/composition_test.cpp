#include "conversation/composition.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(Composition, CodeTables) {
    const QStringList colours = ColourNames();
    ASSERT_EQ(colours.size(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(ColourCode(colours[i]), QString::asprintf("%02d", i).toStdString());
    const QStringList effects = EffectNames();
    ASSERT_EQ(effects.size(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(EffectCode(effects[i]), "0" + std::to_string(i));
    EXPECT_EQ(EffectCode("hurler") + ColourCode("Violet"), "0100");

    // Windows colour values keep red in the low byte.
    EXPECT_EQ(ColourOfName("Bleu"), QColor(0, 0, 255));
    EXPECT_EQ(ColourOfName("Rouge"), QColor(255, 0, 0));
    EXPECT_EQ(ColourOfName("Orange"), QColor(255, 157, 0));
    EXPECT_EQ(ColourOfName("Arc en ciel"), QColor(Qt::black));
    EXPECT_EQ(ColourOfName("Violet"), QColor(Qt::black));
}

TEST(Composition, RoomLines) {
    const struct {
        std::string text;
        std::string codes;
        Lines lines;
    } cases[] = {
        {"a\tb", EffectCode("Hurler") + ColourCode("Rose"), {"70\t0203ab"}},
        {"x", EffectCode("") + ColourCode("Noir"), {"70\t0100x"}},
        {"un\r\ndeux\n", "0102", {"70\t0102undeux"}},
        {"   ", "0100", {"70\t0100   "}},
    };
    for (const auto& c : cases) {
        const SendResult result = RoomSendLines(c.text, c.codes, true);
        EXPECT_EQ(result.lines, c.lines) << c.text;
        EXPECT_FALSE(result.keep_text) << c.text;
    }
}

TEST(Composition, PrivateLines) {
    const std::map<std::string, std::string> macros{{"salut", "Bonjour \xE0 tous"}};
    const auto expand = [&](const std::string& name) {
        const auto it = macros.find(name);
        return it == macros.end() ? std::string() : it->second;
    };
    const struct {
        std::string text;
        Lines lines;
        bool keep_text;
    } cases[] = {
        {"coucou", {"72\tP1\t0203coucou"}, false},
        {"!salut", {"72\tP1\t0102Bonjour \xE0 tous"}, false},
        {"!SALUT \t", {"72\tP1\t0102Bonjour \xE0 tous"}, false},
        {"! salut", {"72\tP1\t0102Bonjour \xE0 tous"}, false},
        {" !salut", {"72\tP1\t0203 !salut"}, false},
        {"!nomacro", {"72\tP1\t0203!nomacro"}, false},
        {"!", {"72\tP1\t0203!"}, false},
        {"a\tb", {"72\tP1\t0203ab"}, false},
        {" \t \r\n", {}, true},
    };
    for (const auto& c : cases) {
        const SendResult result = PrivateSendLines(c.text, "P1", "0203", true, expand);
        EXPECT_EQ(result.lines, c.lines) << c.text;
        EXPECT_EQ(result.keep_text, c.keep_text) << c.text;
    }
}

TEST(Composition, CutAtWordBoundaries) {
    const std::string a1000(1000, 'a');
    const struct {
        std::string text;
        Lines pieces;
    } cases[] = {
        {a1000, {a1000}},
        {a1000 + "b", {a1000, "b"}},
        {a1000 + " b", {a1000, "b"}},
        {std::string(600, 'a') + " " + std::string(600, 'b'),
         {std::string(600, 'a'), std::string(600, 'b')}},
        {std::string(995, 'a') + "       " + std::string(10, 'b') + "  ",
         {std::string(995, 'a'), std::string(10, 'b')}},
        {"x " + std::string(2500, 'y'),
         {"x", std::string(1000, 'y'), std::string(1000, 'y'), std::string(500, 'y')}},
        {std::string(1500, ' '), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(CutPhrase(c.text), c.pieces) << c.text.size();
}

TEST(Composition, LongTextIsCutOrRefused) {
    const std::string text = std::string(700, 'a') + " " + std::string(700, 'b');
    const Lines room_cut{"70\t0405" + std::string(700, 'a'), "70\t0405" + std::string(700, 'b')};
    EXPECT_EQ(RoomSendLines(text, "0405", true).lines, room_cut);

    const SendResult refused = RoomSendLines(text, "0405", false);
    EXPECT_TRUE(refused.lines.empty());
    EXPECT_TRUE(refused.keep_text);
    EXPECT_NE(refused.refusal.find("1000"), std::string::npos) << refused.refusal;

    EXPECT_EQ(RoomSendLines(std::string(1200, ' '), "0100", true).lines, Lines{"70\t0100"});

    const auto long_macro = [&](const std::string&) { return text; };
    EXPECT_EQ(
        PrivateSendLines("!long", "P1", "0000", true, long_macro).lines,
        (Lines{"72\tP1\t0102" + std::string(700, 'a'), "72\tP1\t0102" + std::string(700, 'b')}));
    const SendResult macro_refused = PrivateSendLines("!long", "P1", "0000", false, long_macro);
    EXPECT_TRUE(macro_refused.lines.empty());
    EXPECT_TRUE(macro_refused.keep_text);
}

}  // namespace
