#include "conversation/answering_machine.h"

#include <gtest/gtest.h>

namespace {

struct ReplyCase {
    int rep_type;
    std::string alias;
    bool is_friend;
    std::optional<std::string> expected;
};

class AnsweringMachineChoice : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(AnsweringMachineChoice, PicksTheMessageByTypeFriendshipAndPersonalList) {
    TConfig config;
    config.RepMsgGeneral = "absent";
    config.RepMsgAmis = "absent, ami";
    config.RepMsgPerso = "absent, toi";
    config.RepPerso = {"Zo\xE9", "Bea"};
    config.RepType = GetParam().rep_type;
    EXPECT_EQ(AnsweringMachineMessage(config, GetParam().alias, GetParam().is_friend),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    RepTypes, AnsweringMachineChoice,
    ::testing::Values(ReplyCase{0, "Bea", true, "absent"},
                      ReplyCase{1, "Ann", true, "absent, ami"},
                      ReplyCase{1, "Ann", false, "absent"},
                      ReplyCase{2, "Bea", false, "absent, toi"},
                      // The whole entry, exactly: no blanks, no other case.
                      ReplyCase{2, "Bea ", false, "absent"},
                      ReplyCase{2, "bea", false, "absent"},
                      ReplyCase{2, "Ann", true, "absent"},
                      ReplyCase{3, "Zo\xE9", true, "absent, toi"},
                      ReplyCase{3, "Ann", true, "absent, ami"},
                      ReplyCase{3, "Ann", false, "absent"},
                      ReplyCase{4, "Bea", true, std::nullopt},
                      ReplyCase{-1, "Bea", true, std::nullopt}));

TEST(AnsweringMachine, RecognisesAnotherMachinesReplyOnly) {
    const std::pair<std::string, bool> cases[] = {
        {"0102[R\xE9pondeur] absent", true},
        {"0102 [R\xE9pondeur] absent", false},
        {"[R\xE9pondeur] absent", false},
        {"01", false},
    };
    for (const auto& [body, reply] : cases) EXPECT_EQ(IsAnsweringMachineReply(body), reply) << body;
}

}  // namespace
