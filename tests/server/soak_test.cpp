// What a client in a room of --soak meets within a few seconds.
#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "participant.h"

namespace {

TEST(SoakTest, AClientMeetsTalkTurnoverPrivatesAndFriends) {
    BabillonServer server({"--check-interval", "0", "--soak"});
    Participant user = Enter(server, "Moi", "Salon#Marathon");
    ASSERT_FALSE(user.chatid.empty());

    struct Kind {
        std::string prefix;
        std::string inside;
    };
    const std::map<std::string, Kind> kinds = {
        {"room line with emoticons", {"70\t", ":-)"}},
        {"room line naming the user", {"70\t", "Moi> "}},
        {"member arriving", {"85\t0\t", ""}},
        {"member leaving", {"85\t1\t", ""}},
        {"private line", {"72\t", ""}},
        {"friend arriving", {"330\t0\t", ""}},
        {"friend's status", {"332\t0\t", ""}},
        {"friend leaving", {"332\t1\t", ""}},
    };
    std::map<std::string, int> seen;
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (seen.size() < kinds.size() && std::chrono::steady_clock::now() < give_up) {
        const auto line = user.line->ReadLine();
        ASSERT_TRUE(line) << "the server closed the connection";
        for (const auto& [name, kind] : kinds) {
            if (line->starts_with(kind.prefix) && line->find(kind.inside) != std::string::npos)
                ++seen[name];
        }
    }
    for (const auto& [name, kind] : kinds) EXPECT_TRUE(seen.contains(name)) << name;
}

}  // namespace
