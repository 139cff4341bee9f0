// The demo's friends list as a raw client sees it once identified.
#include <gtest/gtest.h>

#include <set>

#include "participant.h"

namespace {

// Every field, the empty last one included.
std::vector<std::string> AllFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

TEST(DemoFriendsTest, ListThenTheFriendsPresent) {
    BabillonServer server({"--check-interval", "0", "--demo"});
    const std::string tempid = raw::LoginForTempId(server.http_port(), "test", "Moi", "Accueil");
    raw::LineClient line(server.chat_port());
    ASSERT_FALSE(raw::Identify(line, tempid).empty());
    const auto list = line.ReadLineStartingWith("330\t-1");
    ASSERT_TRUE(list);
    std::set<std::string> friends;
    for (const std::string& entry : Fields(*list)) {
        if (entry == "330" || entry == "-1") continue;
        const std::size_t colon = entry.find(':');
        ASSERT_NE(colon, std::string::npos) << entry;
        EXPECT_EQ(entry[colon + 1], '0') << entry;
        EXPECT_GT(entry.size(), colon + 2) << "an account after the 0: " << entry;
        friends.insert(entry.substr(0, colon));
    }
    EXPECT_GE(friends.size(), 3u);

    const auto present = line.ReadLineStartingWith("332\t-1");
    ASSERT_TRUE(present);
    const std::vector<std::string> fields = AllFields(*present);
    ASSERT_EQ((fields.size() - 2) % 7, 0u) << *present;
    ASSERT_GT(fields.size(), 2u) << "the demo's friends start in the rooms";
    for (std::size_t j = 2; j + 6 < fields.size(); j += 7) {
        EXPECT_TRUE(friends.contains(fields[j + 1])) << fields[j + 1];
        EXPECT_FALSE(fields[j].empty());
        const std::string& sex = fields[j + 4];
        EXPECT_TRUE(sex == "0" || sex == "1" || sex == "-1") << sex;
    }
}

}  // namespace
