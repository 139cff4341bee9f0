#include "session/chat_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

void PrintTo(const ChatLine& line, std::ostream* os) {
    *os << "code " << testing::PrintToString(line.code) << ", params "
        << testing::PrintToString(line.params);
}

namespace {

struct SplitCase {
    const char* name;
    std::string line;
    ChatLine expected;
};

TEST(SplitChatLine, CutsCodeAndFields) {
    const std::vector<SplitCase> cases = {
        {"no TAB: the whole line is the code", "667", {"667", {}}},
        {"CR alone is a code", "\r", {"\r", {}}},
        {"one final TAB gives no field", "84\t", {"84", {}}},
        {"two TABs give one empty field", "84\t\t", {"84", {""}}},
        {"final TAB gives no empty last field", "70\tA\t", {"70", {"A"}}},
        {"adjacent TABs keep an empty field", "70\tA\t\tB", {"70", {"A", "", "B"}}},
        {"leading empty fields kept", "85\t\t\tx", {"85", {"", "", "x"}}},
        {"CR stays at the end of the last field", "74\tid42\r", {"74", {"id42\r"}}},
        {"CR alone after the code is a field", "667\t\r", {"667", {"\r"}}},
        {"empty code before a TAB", "\tA", {"", {"A"}}},
        {"TAB alone", "\t", {"", {}}},
        {"fields converted from UTF-8",
         "72\tid\t\t\xC3\xA9t\xC3\xA9",
         {"72", {"id", "", "\xE9t\xE9"}}},
        {"code never converted", "\xC3\xA9\t\xC3\xA9", {"\xC3\xA9", {"\xE9"}}},
        {"code without TAB never converted", "\xE2\x82\xAC", {"\xE2\x82\xAC", {}}},
        {"truncated sequence stays in its field", "70\t\xC3\tB", {"70", {"?", "B"}}},
        {"overlong TAB splits no field", "70\t\xC0\x89\tB", {"70", {"?", "B"}}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitChatLine(c.line), c.expected) << "line " << testing::PrintToString(c.line);
    }
}

struct ConversionCase {
    const char* name;
    std::string input;
    std::string expected;
};

TEST(Utf8ToAnsi, DecodesFieldToWindows1252) {
    const std::vector<ConversionCase> cases = {
        {"empty", "", ""},
        {"ASCII", "Bonjour !", "Bonjour !"},
        {"e acute", "\xC3\xA9", "\xE9"},
        {"euro sign, in the 0x80 row", "\xE2\x82\xAC", "\x80"},
        {"right quote", "\xE2\x80\x99", "\x92"},
        {"character missing in the code page", "\xD0\x96", "?"},
        {"4-byte emoji is one '?'", "a\xF0\x9F\x98\x80z", "a?z"},
        {"2-byte sequence cut at the end", "caf\xC3", "caf?"},
        {"3-byte sequence cut at the end", "x\xE2\x82", "x?"},
        {"4-byte sequence cut at the end", "x\xF0\x9F\x98", "x?"},
        {"6-byte sequence cut at the end", "\xFC\x80", "?"},
        {"lead byte alone", "\xE9", "?"},
        {"continuation bytes are not checked",
         "\xC3"
         "A",
         "\x81"},
        {"overlong 2-byte slash", "\xC0\xAF", "?"},
        {"overlong 3-byte slash", "\xE0\x80\xAF", "?"},
        {"overlong 4-byte A", "\xF0\x80\x81\x81", "?"},
        {"overlong TAB", "a\xC0\x89z", "a?z"},
        {"overlong line feed", "\xE0\x80\x8A", "?"},
        {"unchecked continuation giving a TAB", "\xC2\x09", "?"},
        {"smallest 2-byte values", "\xC2\xA0\xC2\xA9", "\xA0\xA9"},
        {"stray continuation byte as Latin-1", "\xA9", "\xA9"},
        {"stray 0x80 has no Windows-1252 byte", "\x80", "?"},
        {"encoded lone surrogate", "\xED\xA0\x80", "?"},
        {"5-byte form", "\xF8\x88\x80\x80\x80z", "?z"},
        {"6-byte form", "\xFC\x84\x80\x80\x80\x80z", "?z"},
        {"0xFE lead takes five bytes", "\xFE\x80\x80\x80\x80\x80z", "?z"},
        {"0xFF lead takes five bytes", "\xFF\xBF\xBF\xBF\xBF\xBFz", "?z"},
        {"0xFF lead cut at the end", "ab\xFF\xBF\xBF\xBF\xBF", "ab?"},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Utf8ToAnsi(c.input), c.expected) << "input " << testing::PrintToString(c.input);
    }
}

TEST(AnsiToUtf8, EncodesEachCharacter) {
    const std::vector<ConversionCase> cases = {
        {"empty", "", ""},
        {"ASCII with TAB", "70\tSalut", "70\tSalut"},
        {"e acute", "\xE9", "\xC3\xA9"},
        {"euro sign", "\x80", "\xE2\x82\xAC"},
        {"oe ligature", "\x9C", "\xC5\x93"},
        {"undefined byte kept as C1 control", "\x81", "\xC2\x81"},
        {"mixed",
         "\xC7"
         "a va \x80",
         "\xC3\x87"
         "a va \xE2\x82\xAC"},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AnsiToUtf8(c.input), c.expected);
    }
}

TEST(AnsiToUtf8, EveryByteSurvivesTheRoundTrip) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(text)), text) << "byte " << byte;
    }
}

}  // namespace
