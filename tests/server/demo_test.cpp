// The simulated members of the demo and the load of --flood, as a raw client sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <regex>
#include <vector>

#include "participant.h"

namespace {

using namespace std::chrono_literals;

TEST(DemoTest, FloodReachesTheRoomSpreadOverEachSecond) {
    constexpr int kRate = 200;
    BabillonServer server({"--check-interval", "0", "--flood", std::to_string(kRate)});
    Participant me = Enter(server, "Moi", "Trentenaires");
    ASSERT_FALSE(me.chatid.empty());
    const auto first = me.line->ReadLineStartingWith("70\t");
    ASSERT_TRUE(first);

    // Five slots of 300 ms after the first line: lines poured out once a second would fill
    // two of them at most.
    const auto start = std::chrono::steady_clock::now();
    constexpr auto kSlot = 300ms;
    constexpr int kSlots = 5;
    int per_slot[kSlots] = {};
    std::vector<std::string> lines = {*first};
    while (const auto line = me.line->ReadLine()) {
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (elapsed >= kSlots * kSlot) break;
        if (!line->starts_with("70\t")) continue;
        lines.push_back(*line);
        ++per_slot[elapsed / kSlot];
    }
    EXPECT_GE(lines.size(), kRate / 2);
    EXPECT_GE(std::count_if(std::begin(per_slot), std::end(per_slot), [](int n) { return n > 0; }),
              3);
    const std::regex well_formed("70\t[^\t]+\t0\t[^\t]+\t0[0-3](0[0-9]|1[01])[^\t]{60,}");
    for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, well_formed)) << line;
}

struct DemoMember {
    std::string chatid;
    std::string alias;
};

// A simulated member in the room of `me`, taken from its member list; empty when none.
DemoMember SomeDemoMember(const Participant& me) {
    me.line->Send("85");
    const auto list = me.line->ReadLineStartingWith("85\t-1\t");
    if (!list) return {};
    const std::vector<std::string> fields = Fields(*list);
    for (size_t i = 2; i + 2 < fields.size(); i += 7) {
        if (fields[i] != me.chatid) return {fields[i], fields[i + 2]};
    }
    return {};
}

TEST(DemoTest, MemberAnswersRemoteMacroCallsButNeverAutomaticTexts) {
    BabillonServer server({"--check-interval", "0", "--demo"});
    Participant me = Enter(server, "Moi", "VIP#Babillon");
    const auto [member, alias] = SomeDemoMember(me);
    ASSERT_FALSE(member.empty());

    // A "0102" text may be a macro answer or the answering machine: answering it could loop.
    me.line->Send("72\t" + member + "\t0102#date");
    me.line->Send("72\t" + member + "\t0100 #Version ");
    const auto answer = me.line->ReadLineStartingWith("72\t");
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->starts_with("72\t" + member + "\t0\t" + alias + "\t0102Tamaris-demo "))
        << *answer;
}

TEST(DemoTest, MemberAskedToIgnoreTheSenderDoesSo) {
    BabillonServer server({"--check-interval", "0", "--demo"});
    Participant me = Enter(server, "Moi", "Salon#Ami#0");
    const auto [member, alias] = SomeDemoMember(me);
    ASSERT_FALSE(member.empty());
    me.line->Send("72\t" + member + "\t0100Vas-y, Ignore-moi !");
    EXPECT_EQ(me.line->ReadLineStartingWith("76\t"), "76\t6\t" + member + "\t" + alias);
}

}  // namespace
