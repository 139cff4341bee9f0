#include "conversation/member_list.h"

#include <gtest/gtest.h>

#include "conversation/member_hint.h"
#include "conversation/member_list_view.h"

namespace {

using Fields = std::vector<std::string>;

// "85" fields: the sub-code, then groups of key, unused, nickname, status code, age, sex, town.
Fields Groups(const std::vector<Fields>& groups) {
    Fields fields{"0"};
    for (const Fields& group : groups) fields.insert(fields.end(), group.begin(), group.end());
    return fields;
}

std::vector<std::string> Nicknames(const MemberListing& list) {
    std::vector<std::string> names;
    for (std::string_view entry : list.entries) names.push_back(ParseMemberEntry(entry).nickname);
    return names;
}

std::vector<std::string> Entries(const MemberListing& list) {
    return {list.entries.begin(), list.entries.end()};
}

TEST(MemberTable, ArrivalsUpdatesAndDepartures) {
    MemberTable table;
    table.AddGroups(Groups({{"a", "x", "Ann", "0", "20", "0", "Metz"},
                            {"b", "x", "Bob", "64", "21", "1", "Caen"},
                            {"c", "x", "Cid", "0", "22", "-1", "Pau"}}),
                    {});
    table.AddGroups(Groups({{"a", "x", "Annie", "0", "23", "0", "Nancy"}}), {});
    table.Remove({"1", "b", "c", "nobody"});
    table.AddGroups(Groups({{"d", "x", "Dan", "0", "30", "1", "Albi"}}), {});

    const struct {
        std::string key;
        std::string nickname;
        std::string age;
        std::string sex;
    } rows[] = {
        {"a", "Annie", "23", "0"},  // updated in place, not listed twice
        {"b", "", "", "-2"},        // left
        {"c", "", "", "-2"},       {"d", "Dan", "30", "1"},
        {"null", "", "", "-2"},  // the removed slots' key names nobody
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        const MemberRecord found = table.Find(row.key);
        EXPECT_EQ(found.nickname.str(), row.nickname);
        EXPECT_EQ(found.age.str(), row.age);
        EXPECT_EQ(found.sex.str(), row.sex);
    }
    // Departures keep their slots.
    ASSERT_EQ(table.Slots().size(), 4u);
    EXPECT_TRUE(IsRemovedSlot(table.Slots()[1]));
    EXPECT_TRUE(IsRemovedSlot(table.Slots()[2]));
}

TEST(MemberTable, GroupsAreReadWhileAFieldFollowsTheirFirst) {
    const struct {
        Fields fields;
        std::size_t slot_count;
    } rows[] = {
        {{"0"}, 0},
        {{"0", "a"}, 0},       // the key is the last field: not a group
        {{"0", "a", "x"}, 1},  // a truncated group still counts
        {{"0", "a", "x", "A", "0", "1", "1", "T", "b"}, 1},
    };
    for (const auto& row : rows) {
        MemberTable table;
        table.AddGroups(row.fields, {});
        EXPECT_EQ(table.Slots().size(), row.slot_count) << testing::PrintToString(row.fields);
    }
}

TEST(MemberTable, KeysLongerThanTheirFieldAreCutAndStillFound) {
    const std::string long_key(30, 'k');
    MemberTable table;
    table.AddGroups(Groups({{long_key, "", "Ann", "0", "20", "0", "Metz"}}), {});
    table.AddGroups(Groups({{long_key, "", "Anna", "0", "20", "0", "Metz"}}), {});
    ASSERT_EQ(table.Slots().size(), 1u);
    EXPECT_EQ(table.Find(long_key).nickname.str(), "Anna");
    table.Remove({"1", long_key});
    EXPECT_EQ(table.Find(long_key).sex.str(), "-2");
}

TEST(MemberList, EntriesGroupsColoursAndCounts) {
    MemberTable table;
    table.AddGroups(Groups({{"k1", "", "zo\xE9", "0", "22", "0", "Lyon"},
                            {"k2", "", "Max", "64", "30", "1", "Nice"},
                            {"k3", "", "Ad\xE8le", "64", "25", "0", "Metz"},
                            {"k4", "", "Ignor\xE9", "0", "40", "1", "Pau"},
                            {"k5", "", "bob", "0", "19", "1", "Caen"},
                            {"k6", "", "Quidam", "0", "?", "7", "?"},
                            {"k7", "", "Aline", "0", "33", "0", "Albi"},
                            {"k8", "", "\xC9lise", "0", "28", "0", "Dax"}}),
                    [](const std::string& key) { return key == "k4"; });
    MemberListBuilder builder;
    const MemberListing list = builder.Build(table);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{
                                 "Ad\xE8le\noran\n25 ; F ; Metz\nk3\n25\n0\nMetz\n",
                                 "Aline\nrose\n33 ; F ; Albi\nk7\n33\n0\nAlbi\n",
                                 "\xC9lise\nrose\n28 ; F ; Dax\nk8\n28\n0\nDax\n",
                                 "zo\xE9\nrose\n22 ; F ; Lyon\nk1\n22\n0\nLyon\n",
                                 "bob\nbleu\n19 ; H ; Caen\nk5\n19\n1\nCaen\n",
                                 "Max\noran\n30 ; H ; Nice\nk2\n30\n1\nNice\n",
                                 "Quidam\nvert\n? ; I ; ?\nk6\n?\n7\n?\n",
                                 "Ignor\xE9\ngris\nPersonne ignor\xE9"
                                 "e\nk4\n40\n1\nPau\n",
                             }));
    EXPECT_EQ(MemberCountsCaption(list.counts), "Membres [8;H:2;F:4;I:1]");
}

// Sort keys are kept between builds: a renamed member must still move to its new place.
TEST(MemberList, RebuildFollowsChangesAndDepartures) {
    MemberTable table;
    table.AddGroups(Groups({{"a", "", "Alice", "0", "20", "0", "X"},
                            {"b", "", "Berthe", "0", "20", "0", "X"},
                            {"c", "", "Chlo\xE9", "0", "20", "0", "X"}}),
                    {});
    MemberListBuilder builder;
    EXPECT_EQ(Nicknames(builder.Build(table)),
              (std::vector<std::string>{"Alice", "Berthe", "Chlo\xE9"}));
    table.Update("a", false, "Zelda", "0", "20", "0", "X");
    table.Remove({"1", "b"});
    const MemberListing list = builder.Build(table);
    EXPECT_EQ(Nicknames(list), (std::vector<std::string>{"Chlo\xE9", "Zelda"}));
    EXPECT_EQ(MemberCountsCaption(list.counts), "Membres [2;H:0;F:2;I:0]");
}

TEST(MemberList, ParseReadsTheSevenFieldsBack) {
    const struct {
        std::string entry;
        std::vector<std::string> fields;  // nickname, colour, display, key, age, sex, town
    } rows[] = {
        {"Zo\xE9\nrose\n22 ; F ; Lyon\nk1\n22\n0\nLyon\n",
         {"Zo\xE9", "rose", "22 ; F ; Lyon", "k1", "22", "0", "Lyon"}},
        {"Ann\nbleu", {"Ann", "bleu", "", "", "", "", ""}},
        {"", {"", "", "", "", "", "", ""}},
        {"n\nc\nd\n" + std::string(30, 'k') + "\n123456\n-1\nt\nextra\n",
         {"n", "c", "d", std::string(20, 'k'), "12345", "-1", "t"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.entry);
        const MemberRecord m = ParseMemberEntry(row.entry);
        EXPECT_EQ((std::vector<std::string>{m.nickname, m.colour, m.display, m.key, m.age, m.sex,
                                            m.town}),
                  row.fields);
    }
}

TEST(MemberList, HintTextAndTintFromTheLinkTag) {
    const struct {
        std::string tag;
        QString text;
        QColor tint;
    } rows[] = {
        {"k\nrose\n22 ; F ; Lyon\n", "22 ; F ; Lyon", QColor(255, 192, 192)},
        {"k\nbleu\n30 ; H ; Nice\n", "30 ; H ; Nice", QColor(0, 192, 255)},
        {"null\nvert\n? ; ? ; ?\n", "? ; ? ; ?", QColor(255, 255, 192)},
        {"k\nrose", "", QColor(255, 192, 192)},
        {"", "", QColor(255, 255, 192)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.tag);
        const MemberHint hint = HintForRoomLinkTag(row.tag);
        EXPECT_EQ(hint.text, row.text);
        EXPECT_EQ(hint.tint, row.tint);
    }
}

}  // namespace
