#include "directory/friend_list.h"

#include <gtest/gtest.h>

#include "platform/cp1252.h"

namespace {

std::string W(std::u16string_view text) {
    return platform::Utf16ToAnsi(text);
}

FriendRecord Friend(std::string nickname, std::string chat_id, std::string sex,
                    std::string status = "dispo") {
    FriendRecord r;
    r.nickname = nickname;
    r.account = "c_" + nickname;
    r.chat_id = chat_id;
    r.age = "30";
    r.sex = sex;
    r.town = "Lyon";
    r.status = status;
    return r;
}

std::vector<std::string> Nicknames(const FriendList& friends) {
    std::vector<std::string> names;
    for (const FriendRecord& r : friends.Records())
        names.push_back(r.nickname.str() + "/" + r.account.str());
    return names;
}

TEST(FriendList, EntriesOfTheFriendsLine) {
    struct Case {
        const char* name;
        std::vector<std::string> before;  // entries already there, added without reset
        std::vector<std::string> fields;
        bool reset;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {"account after the first zero past the colon",
         {},
         {"-1", "Zoe:120compte0b"},
         true,
         {"Zoe/compte0b"}},
        {"reset empties first", {"Max:0m"}, {"-1", "Zoe:0z"}, true, {"Zoe/z"}},
        {"an arrival already known adds nothing", {"Zoe:0z"}, {"0", "Zoe:0z"}, false, {"Zoe/z"}},
        {"same nickname, other account is another friend",
         {"Zoe:0z"},
         {"0", "Zoe:0y"},
         false,
         {"Zoe/z", "Zoe/y"}},
        {"no colon: the whole entry is the nickname", {}, {"0", "Solo"}, false, {"Solo/"}},
        {"no zero after the colon: no account", {}, {"0", "Ana:abc"}, false, {"Ana/"}},
        {"a zero before the colon does not count", {}, {"0", "Al0:x0y"}, false, {"Al0/y"}},
        {"nothing after the sub-code", {"Zoe:0z"}, {"-1"}, true, {}},
        {"long nickname is cut to 32",
         {},
         {"0", std::string(40, 'n') + ":0a"},
         false,
         {std::string(32, 'n') + "/a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FriendList friends;
        std::vector<std::string> before{"0"};
        before.insert(before.end(), c.before.begin(), c.before.end());
        friends.AddEntries(before, false);
        friends.AddEntries(c.fields, c.reset);
        EXPECT_EQ(Nicknames(friends), c.after);
    }
}

TEST(FriendList, InformationRecordsAndDepartures) {
    FriendList list;
    list.AddEntries({"-1", "Zoe:0z", "Max:0m"}, true);
    // The second record is for a stranger; the third is cut short by the end of the line.
    list.ApplyInfo({"0", "z1", "Zoe", "x", "22", "0", "Lyon", std::string(90, 's'), "q1", "Inconnu",
                    "", "40", "1", "Pau", "", "m1", "Max"});
    const std::vector<FriendRecord>& friends = list.Records();
    EXPECT_EQ(friends[0].chat_id.str(), "z1");
    EXPECT_EQ(friends[0].age.str(), "22");
    EXPECT_EQ(friends[0].sex.str(), "0");
    EXPECT_EQ(friends[0].town.str(), "Lyon");
    EXPECT_EQ(friends[0].status.str(), std::string(80, 's'));
    EXPECT_EQ(friends[1].chat_id.str(), "m1");
    EXPECT_EQ(friends[1].sex.str(), "");
    EXPECT_EQ(friends.size(), 2u);

    EXPECT_EQ(DepartedNicknames({"1", "Zoe", "", "Max", ""}),
              (std::vector<std::string>{"Zoe", "Max"}));
    // The last nickname needs a field after it.
    EXPECT_EQ(DepartedNicknames({"1", "Zoe", "", "Max"}), (std::vector<std::string>{"Zoe"}));
    EXPECT_TRUE(DepartedNicknames({"1"}).empty());
}

TEST(FriendList, ItemTexts) {
    struct Case {
        const char* name;
        FriendRecord record;
        std::string item;
    };
    const Case cases[] = {
        {"man", Friend("Max", "m1", "1"),
         "Max\nbleu\n30 ; H ; Lyon\nc_Max\nm1\n30\n1\nLyon\ndispo\n"},
        {"woman", Friend("Zoe", "z1", "0"),
         "Zoe\nrose\n30 ; F ; Lyon\nc_Zoe\nz1\n30\n0\nLyon\ndispo\n"},
        {"sex not given", Friend("Cid", "c1", "-1"),
         "Cid\nvert\n30 ; I ; Lyon\nc_Cid\nc1\n30\n-1\nLyon\ndispo\n"},
        {"left", Friend("Zoe", "null", "0"),
         W(u"Zoe\nvert\nnon connecté\nc_Zoe\nnull\n30\n0\nLyon\nn'est plus connecté\n")},
        {"left before any information", Friend("Ana", "null", ""),
         W(u"Ana\nvert\nnon connecté\nc_Ana\nnull\n30\n\nLyon\nn'est plus connecté\n")},
        {"no information yet", Friend("Ana", "", ""), ""},
        {"unknown sex code", Friend("Ana", "a1", "7"), ""},
        {"no nickname", Friend("", "a1", "1"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FriendItemText(c.record), c.item);
    }
}

TEST(FriendList, ParsedItemsGiveTheRecordBack) {
    const FriendRecord zoe = Friend("Zo\xE9", "z1", "0", "<b>pas du HTML</b>");
    const FriendRecord back = ParseFriendEntry(FriendItemText(zoe));
    EXPECT_EQ(back.nickname.str(), zoe.nickname.str());
    EXPECT_EQ(back.colour.str(), "rose");
    EXPECT_EQ(back.account.str(), zoe.account.str());
    EXPECT_EQ(back.chat_id.str(), "z1");
    EXPECT_EQ(back.age.str(), "30");
    EXPECT_EQ(back.sex.str(), "0");
    EXPECT_EQ(back.town.str(), "Lyon");
    EXPECT_EQ(back.status.str(), zoe.status.str());
    // Missing lines read as empty; over-long ones are cut to their width.
    const FriendRecord short_item = ParseFriendEntry("Max\nbleu");
    EXPECT_EQ(short_item.nickname.str(), "Max");
    EXPECT_EQ(short_item.chat_id.str(), "");
    EXPECT_EQ(ParseFriendEntry("a\n" + std::string(9, 'c')).colour.str(), "ccccc");
    EXPECT_EQ(ParseFriendEntry("").nickname.str(), "");
}

// Women, men, sex not given, then those who left; by nickname within a group, ignoring case.
TEST(FriendList, ListOrder) {
    const std::vector<FriendRecord> friends = {
        Friend("zed", "1", "1"),    Friend("gone", "null", "1"), Friend("Bea", "2", "0"),
        Friend("alf", "3", "1"),    Friend("Ann", "null", "0"),  Friend("cid", "4", "-1"),
        Friend("\xC9va", "5", "0"), Friend("wait", "", ""),
    };
    std::vector<std::string> order;
    for (const std::string& item : FriendItems(friends))
        order.push_back(item.substr(0, item.find('\n')));
    EXPECT_EQ(order,
              (std::vector<std::string>{"Bea", "\xC9va", "alf", "zed", "cid", "Ann", "gone"}));
}

}  // namespace

namespace {

std::vector<std::string> ManyFriends(std::size_t count) {
    std::vector<std::string> fields{"-1"};
    for (std::size_t n = 0; n < count; ++n) fields.push_back("f" + std::to_string(n) + ":0a");
    return fields;
}

}  // namespace

// A server may send any number of entries: the list keeps the first kMaxFriends and says how
// many new ones it dropped; entries it already holds are not counted.
TEST(FriendList, HoldsAtMostItsCapacity) {
    FriendList friends;
    EXPECT_EQ(friends.AddEntries(ManyFriends(FriendList::kMaxFriends + 5), true), 5u);
    EXPECT_EQ(friends.Records().size(), FriendList::kMaxFriends);
    EXPECT_EQ(friends.Records().back().nickname.str(),
              "f" + std::to_string(FriendList::kMaxFriends - 1));
    EXPECT_EQ(friends.AddEntries({"0", "f0:0a", "nouveau:0b"}, false), 1u);
    EXPECT_FALSE(friends.HasNickname("nouveau"));
    EXPECT_EQ(friends.AddEntries({"-1", "nouveau:0b", "f0:0a"}, true), 0u);
    EXPECT_EQ(Nicknames(friends), (std::vector<std::string>{"nouveau/b", "f0/a"}));
}

// The lookups by nickname: every account of a nickname, the last record of a line for a
// nickname, nothing left of the friends that a reset removed.
TEST(FriendList, UpdatesReachEveryFriendOfANickname) {
    FriendList friends;
    friends.AddEntries({"-1", "Zoe:0z", "Max:0m", "Zoe:0y"}, true);
    friends.ApplyInfo({"0",   "z1",  "Zoe", "",   "22",   "0",    "Lyon", "avant",
                       "m1",  "Max", "",    "30", "1",    "Nice", "ici",  "z2",
                       "Zoe", "",    "23",  "0",  "Metz", "apres"});
    std::vector<std::string> seen;
    for (const FriendRecord& r : friends.Records())
        seen.push_back(r.nickname.str() + "/" + r.chat_id.str() + "/" + r.town.str());
    EXPECT_EQ(seen, (std::vector<std::string>{"Zoe/z2/Metz", "Max/m1/Nice", "Zoe/z2/Metz"}));

    std::vector<std::string> leaving;
    friends.MarkGone({"1", "Zoe", "", "Zoe", "", "Inconnu", ""}, [&](const FriendRecord& r) {
        leaving.push_back(r.account.str() + "/" + r.chat_id.str());
    });
    EXPECT_EQ(leaving, (std::vector<std::string>{"z/z2", "y/z2"}));
    EXPECT_EQ(friends.Records()[0].chat_id.str(), kFriendGone);
    EXPECT_EQ(friends.Records()[1].chat_id.str(), "m1");
    EXPECT_EQ(friends.Records()[2].chat_id.str(), kFriendGone);

    friends.AddEntries({"-1", "Max:0m"}, true);
    EXPECT_FALSE(friends.HasNickname("Zoe"));
    friends.ApplyInfo({"0", "z3", "Zoe", "", "24", "0", "Pau", ""});
    leaving.clear();
    friends.MarkGone({"1", "Zoe", ""},
                     [&](const FriendRecord& r) { leaving.push_back(r.nickname); });
    EXPECT_TRUE(leaving.empty());
    EXPECT_EQ(Nicknames(friends), std::vector<std::string>{"Max/m"});
    EXPECT_EQ(friends.Records()[0].chat_id.str(), "");
}
