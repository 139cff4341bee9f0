// A room as its members see it: the member list in pages, privacy modes shown in the list and
// guarding private conversations, and the silent crowd of --crowd.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <vector>

#include "participant.h"

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    return fields;
}

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

// The seven-field member groups of "85" lines, from P1 on.
std::vector<std::vector<std::string>> MemberGroups(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> groups;
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = Fields(line);
        for (size_t i = 2; i + 7 <= fields.size(); i += 7) {
            groups.emplace_back(fields.begin() + static_cast<long>(i),
                                fields.begin() + static_cast<long>(i + 7));
        }
    }
    return groups;
}

TEST(RoomTest, MemberListComesInPagesUntilEveryoneWasSent) {
    BabillonServer server({"--check-interval", "0", "--crowd", "80"});
    Participant me = Enter(server, "Moi", "Salon#Foule");
    ASSERT_FALSE(me.chatid.empty());
    struct Page {
        std::string first_subcode;      // of the page's first line
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
        for (const auto& group : MemberGroups(lines)) listed.insert(group[0]);
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

    const std::regex chatid("[a-z0-9]+-[0-9]+");
    const std::regex age("1[89]|[2-7][0-9]");
    std::set<std::string> aliases;
    std::set<std::string> sexes;
    int busy = 0;
    bool accented = false;
    for (const auto& group : MemberGroups(lines)) {
        if (group[0] == me.chatid) continue;
        const std::string& alias = group[2];
        EXPECT_TRUE(std::regex_match(group[0], chatid)) << group[0];
        EXPECT_EQ(group[1], "0") << group[0];
        EXPECT_TRUE(!alias.empty() && alias.size() <= 32 && alias.find('#') == std::string::npos)
            << alias;
        EXPECT_TRUE(group[3] == "0" || group[3] == "64") << alias;
        EXPECT_TRUE(std::regex_match(group[4], age)) << alias << " " << group[4];
        EXPECT_TRUE(group[5] == "1" || group[5] == "0" || group[5] == "-1") << alias;
        EXPECT_TRUE(!group[6].empty() && group[6].size() <= 25) << alias;
        aliases.insert(alias);
        sexes.insert(group[5]);
        busy += group[3] == "64";
        for (const char c : alias) accented |= static_cast<unsigned char>(c) >= 0x80;
    }
    EXPECT_EQ(aliases.size(), 80u);
    EXPECT_EQ(sexes, (std::set<std::string>{"-1", "0", "1"}));
    EXPECT_GT(busy, 0);
    EXPECT_LT(busy, 40);
    EXPECT_TRUE(accented);
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
