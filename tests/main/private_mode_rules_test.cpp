#include "main/private_mode_rules.h"

#include <gtest/gtest.h>

#include "program/private_mode.h"

namespace {

struct ModeCase {
    const char* what;
    int from;
    int to;
    std::string status;
    std::string saved;
    std::string reason;
    std::vector<std::string> lines;
    std::string saved_after;
};

class PrivateModeRules : public ::testing::TestWithParam<ModeCase> {};

TEST_P(PrivateModeRules, SendTheseLinesAndKeepThisSavedStatus) {
    const ModeCase& c = GetParam();
    const ModeChange change = PrivateModeChange(c.from, c.to, c.status, c.saved, c.reason);
    EXPECT_EQ(change.lines, c.lines) << c.what;
    EXPECT_EQ(change.saved_status, c.saved_after) << c.what;
}

const std::string kBusy = "occup\xE9(e) ";

INSTANTIATE_TEST_SUITE_P(
    Modes, PrivateModeRules,
    ::testing::Values(
        ModeCase{"same mode", kModeNormal, kModeNormal, "en ligne", "", "", {}, ""},
        // Nothing was saved: the user's status stays.
        ModeCase{"no new privates from normal", kModeNormal, kModeNoNewPrivate, "en ligne",
                 "", "", {"26\t2"}, ""},
        ModeCase{"normal from answering machine", kModeAnsweringMachine, kModeNormal,
                 "au travail", "", "", {"26\t0"}, ""},
        ModeCase{"busy, blanks around the reason", kModeNormal, kModeBusy, "en ligne", "",
                 "  en r\xE9union\t ", {"26\t64", "84\t" + kBusy + "en r\xE9union"}, "en ligne"},
        ModeCase{"busy, no reason", kModeAnsweringMachine, kModeBusy, "au travail", "", "",
                 {"26\t64", "84\t" + kBusy}, "au travail"},
        ModeCase{"answering machine after busy", kModeBusy, kModeAnsweringMachine,
                 kBusy + "dodo", "en ligne", "", {"84\ten ligne", "26\t0"}, ""},
        ModeCase{"normal after busy, status not confirmed yet", kModeBusy, kModeNormal,
                 "en ligne", "en ligne", "", {"26\t0"}, "en ligne"},
        ModeCase{"no new privates after busy", kModeBusy, kModeNoNewPrivate, kBusy,
                 "en ligne", "", {"84\ten ligne", "26\t2"}, ""}));

}  // namespace
