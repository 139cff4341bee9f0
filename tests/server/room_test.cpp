// A room as its members see it: the member list in pages, privacy modes shown in the list and
// guarding private conversations, and the silent crowd of --crowd.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <vector>

#include "participant.h"

namespace {

// The lines starting with `prefix` that `client` receives in answer to `request` (nothing sent
// when empty): a "199" sent behind it marks where the answer ends.
std::vector<std::string> Answer(raw::LineClient& client, const std::string& request,
                                const std::string& prefix) {
    if (!request.empty()) client.Send(request);
    client.Send("199");
    std::vector<std::string> lines;
    while (const auto line = client.ReadLine()) {
        if (line->starts_with("199\t")) break;
        if (line->starts_with(prefix)) lines.push_back(*line);
    }
    return lines;
}

// The seven-field member groups of "85" lines, from P1 on, each as its fields joined by TABs.
std::vector<std::string> MemberGroups(const std::vector<std::string>& lines) {
    std::vector<std::string> groups;
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = Fields(line);
        for (size_t i = 2; i + 7 <= fields.size(); i += 7) {
            std::string group = fields[i];
            for (size_t j = i + 1; j < i + 7; ++j) group += "\t" + fields[j];
            groups.push_back(group);
        }
    }
    return groups;
}

TEST(RoomTest, MemberListComesInPagesUntilEveryoneWasSent) {
    BabillonServer server({"--check-interval", "0", "--crowd", "80"});
    Participant me = Enter(server, "Moi", "Salon#Foule");
    ASSERT_FALSE(me.chatid.empty());
    struct Page {
        std::string first_subcode;     // of the page's first line
        std::vector<size_t> per_line;  // members on each line
    };
    // 81 members with me: pages of 42, more than the 35 that make the client ask again.
    const Page pages[] = {
        {"-1", {7, 7, 7, 7, 7, 7}},
        {"0", {7, 7, 7, 7, 7, 4}},
        {"", {}},
        {"", {}},
    };
    std::set<std::string> listed;
    for (const Page& page : pages) {
        const std::vector<std::string> lines = Answer(*me.line, "85", "85\t");
        ASSERT_EQ(lines.size(), page.per_line.size()) << page.first_subcode;
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::vector<std::string> fields = Fields(lines[i]);
            EXPECT_EQ(fields[1], i == 0 ? page.first_subcode : "0") << lines[i];
            EXPECT_EQ(fields.size(), 2 + 7 * page.per_line[i]) << lines[i];
        }
        for (const std::string& group : MemberGroups(lines)) listed.insert(Fields(group)[0]);
    }
    EXPECT_EQ(listed.size(), 81u);
    EXPECT_TRUE(listed.contains(me.chatid));

    // Someone who arrives afterwards (last in chat id order) is announced once, not paged again.
    Participant late = Enter(server, "Zorro", "Salon#Foule");
    EXPECT_EQ(Answer(*me.line, "", "85\t"),
              std::vector<std::string>{"85\t0\t" + late.chatid + "\t0\tZorro\t0\t25\t0\tLyon"});
    EXPECT_TRUE(Answer(*me.line, "85", "85\t").empty());

    // Entering the room again starts the list over.
    me.line->Send("40\tSalon#Foule\t0");
    ASSERT_EQ(me.line->ReadLineStartingWith("40\t"), "40\t0\tSalon#Foule#0");
    const std::vector<std::string> again = Answer(*me.line, "85", "85\t");
    ASSERT_EQ(again.size(), 6u);
    EXPECT_TRUE(again[0].starts_with("85\t-1\t")) << again[0];
}

TEST(RoomTest, CrowdMembersAreWellFormedAndVaried) {
    BabillonServer server({"--check-interval", "0", "--crowd", "80"});
    Participant me = Enter(server, "Moi", "Salon Foule");
    std::vector<std::string> lines = Answer(*me.line, "85", "85\t");
    const std::vector<std::string> more = Answer(*me.line, "85", "85\t");
    lines.insert(lines.end(), more.begin(), more.end());

    // Chat id, unused, nickname, status code, age, sex, town.
    const std::regex well_formed(
        "[a-z0-9]+-[0-9]+\t0\t[^\t#]{1,32}\t(0|64)\t(1[89]|[2-7][0-9])\t(1|0|-1)\t[^\t]{1,25}");
    std::set<std::string> aliases;
    std::multiset<std::string> sexes_and_modes;
    for (const std::string& group : MemberGroups(lines)) {
        const std::vector<std::string> fields = Fields(group);
        if (fields[0] == me.chatid) continue;
        EXPECT_TRUE(std::regex_match(group, well_formed)) << group;
        aliases.insert(fields[2]);
        sexes_and_modes.insert({"sex " + fields[5], "mode " + fields[3]});
    }
    EXPECT_EQ(aliases.size(), 80u);
    for (const char* kind : {"sex 1", "sex 0", "sex -1", "mode 64"}) {
        EXPECT_GT(sexes_and_modes.count(kind), 5u) << kind;
    }
    EXPECT_GT(sexes_and_modes.count("mode 0"), 40u);
    EXPECT_TRUE(std::any_of(aliases.begin(), aliases.end(), [](const std::string& alias) {
        return std::any_of(alias.begin(), alias.end(), [](char c) { return c & 0x80; });
    }));
}

TEST(RoomTest, PrivacyModeShowsInTheRoomAndGuardsNewConversations) {
    BabillonServer server({"--check-interval", "0"});
    Participant alice = Enter(server, "Alice", "Paris");
    Participant bob = Enter(server, "Bob", "Paris");
    Participant carol = Enter(server, "Carol", "Paris");
    ASSERT_FALSE(carol.chatid.empty());
    const std::string bob_with = bob.chatid + "\t0\tBob\t";
    bob.line->Send("84\toccup\xC3\xA9(e) au t\xC3\xA9l\xC3\xA9phone");
    Answer(*alice.line, "", "");  // lets Carol's arrival go by

    struct Step {
        std::string mode;
        std::vector<std::string> room_hears;  // by Alice
        Participant* writer;                  // writes privately to Bob
        std::vector<std::string> writer_gets;
    };
    const Step steps[] = {
        {"64",
         {"85\t0\t" + bob_with + "64\t25\t0\tLyon"},
         &carol,
         {"73\t" + bob_with + "0100coucou",
          "79\t" + bob_with + "occup\xC3\xA9(e) au t\xC3\xA9l\xC3\xA9phone"}},
        {"2", {"85\t0\t" + bob_with + "0\t25\t0\tLyon"}, &alice, {"75\t" + bob.chatid + "\tBob"}},
        // No new conversation, but the one already going on goes on.
        {"2", {}, &carol, {"73\t" + bob_with + "0100coucou"}},
        {"0", {}, &alice, {"73\t" + bob_with + "0100coucou"}},
    };
    for (const Step& step : steps) {
        bob.line->Send("26\t" + step.mode);
        ASSERT_EQ(bob.line->ReadLineStartingWith("26\t"), "26\t" + step.mode);
        EXPECT_EQ(Answer(*alice.line, "", "85\t"), step.room_hears) << step.mode;
        EXPECT_EQ(Answer(*step.writer->line, "72\t" + bob.chatid + "\t0100coucou", "7"),
                  step.writer_gets)
            << step.mode;
    }
}

}  // namespace
