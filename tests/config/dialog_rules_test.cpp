#include "config/dialog_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(DialogRules, Colours) {
    EXPECT_EQ(ColourOfEntryName("Rouge"), 0x0000FFu);
    EXPECT_EQ(ColourOfEntryName("Bleu"), 0xFF0000u);
    EXPECT_EQ(ColourOfEntryName("Or"), 0x149B9Bu);
    EXPECT_EQ(ColourOfEntryName("Arc en ciel"), 0u);
    EXPECT_EQ(ColourOfEntryName("rouge"), 0u);
    EXPECT_EQ(ColourOfEntryName(""), 0u);
}

TEST(DialogRules, ExampleSizeAndBusyLabel) {
    EXPECT_EQ(ExampleFontSize("Murmurer"), 8);
    EXPECT_EQ(ExampleFontSize("Parler"), 10);
    EXPECT_EQ(ExampleFontSize("Hurler"), 12);
    EXPECT_EQ(ExampleFontSize("Vague"), 10);
    EXPECT_EQ(ExampleFontSize(""), 10);
    EXPECT_EQ(BusyDelayLabel(31), "jamais");
    EXPECT_EQ(BusyDelayLabel(1), "1 minutes");
    EXPECT_EQ(BusyDelayLabel(30), "30 minutes");
    for (const auto& [minutes, on] :
         {std::pair{0, false}, {1, true}, {30, true}, {31, false}, {45, false}, {-1, false}}) {
        EXPECT_EQ(AutomaticBusyOn(minutes), on) << minutes;
    }
}

TEST(DialogRules, MacroNameToAdd) {
    const std::pair<const char*, const char*> cases[] = {
        {"salut", "salut"}, {"Bonne nuit", "Bonne"}, {"  ville  ", "ville"},
        {"a\\b", "a\\b"},   {"x\ty", "x"},           {"", ""},
        {"   ", ""},
    };
    for (const auto& [answer, name] : cases) {
        EXPECT_EQ(MacroNameToAdd(answer), name) << '"' << answer << '"';
    }
}

TEST(DialogRules, AliasToAdd) {
    const std::vector<std::string> list = {"Bob", "zo\xE9"};
    const std::pair<const char*, const char*> cases[] = {
        {"  alice\t", "alice"}, {"", ""},           {"   ", ""},    {"Bob", ""}, {"bOB", ""},
        {"zo\xE9", ""},         {"Bobby", "Bobby"}, {"a b", "a b"},
    };
    for (const auto& [answer, added] : cases) {
        EXPECT_EQ(AliasToAdd(answer, list), added) << '"' << answer << '"';
    }
}

}  // namespace
