#include "directory/wildcard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct WildcardCase {
    std::string text;
    std::string pattern;
    bool match;
};

TEST(MatchWildcard, Table) {
    const WildcardCase cases[] = {
        {"abc", "a*", true},
        {"", "*", true},
        {"", "", true},
        {"", "**", false},
        {"ab", "ab**", false},  // only a single "*" matches the end of the text
        {"ab", "ab*", true},
        {"abc", "a**", true},
        {"test", "*te?t", true},
        {"contest", "*te?t", true},
        {"teat", "te?t", true},
        {"tet", "te?t", false},
        {"Test", "test", false},
        {"test", "", false},
        {"", "?", false},
        {"Salle 3", "Salle ?", true},
        {"Salle 3", "*3", true},
        {"Salle 3", "*2", false},
        {"abcab", "*ab", true},
        {"abcab", "a*c", false},
        {"a*b", "a\\*b", false},  // no escapes: "\" is an ordinary character
        {"Caf\xE9", "Caf?", true},
        {std::string(300, 'a') + "z", "*z", true},  // longer than any buffer would hold
        {std::string(300, 'a') + "z", std::string(300, 'a') + "?", true},
        // Stars that a naive recursion would take exponential time to refuse.
        {std::string(200, 'a'), "*a*a*a*a*a*a*a*a*a*a*a*a*b", false},
    };
    for (const WildcardCase& c : cases) {
        EXPECT_EQ(MatchWildcard(c.text, c.pattern), c.match)
            << '"' << c.text << "\" against \"" << c.pattern << '"';
    }
}

}  // namespace
