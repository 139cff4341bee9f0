// The list items of the room's members, the room list, the friends list and the search
// results, built from the fields of inbound lines and read back by the windows. Each input
// line is a chat line; its code picks the list. The member list is rebuilt after every line,
// and the rebuilt list must be in the order that a new builder gives.
#include <QCollator>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "conversation/member_list.h"
#include "conversation/member_table.h"
#include "directory/friend_list.h"
#include "directory/room_entry.h"
#include "directory/user_results.h"
#include "fuzz_input.h"
#include "program/dispatch_fields.h"
#include "qt_fuzz_app.h"
#include "session/chat_line.h"
#include "session/room_names.h"
#include "widgets/ansi_text.h"

namespace {

std::size_t LineCount(std::string_view item) {
    return static_cast<std::size_t>(std::count(item.begin(), item.end(), '\n'));
}

// Entries are lower-cased before they are collated, as the builder does.
QString Collated(std::string_view entry) {
    return FromAnsi(std::string(entry)).toLower();
}

// The listing holds every member of the table once, as its entry.
void CheckMembers(const MemberListing& listing, const MemberTable& table) {
    Require(listing.counts.entries == static_cast<int>(listing.entries.size()));
    std::vector<std::string> entries;
    for (const MemberRecord& member : table.Slots()) {
        if (!IsRemovedSlot(member)) entries.push_back(MemberEntry(member));
    }
    std::vector<std::string> listed(listing.entries.begin(), listing.entries.end());
    std::sort(entries.begin(), entries.end());
    std::sort(listed.begin(), listed.end());
    Require(entries == listed);
    for (std::string_view entry : listing.entries) {
        Require(LineCount(entry) == 7);
        const MemberRecord parsed = ParseMemberEntry(entry);
        Require(MemberEntryField(entry, 3) == parsed.key.str());
        Require(table.Find(parsed.key.str()).nickname.str() == parsed.nickname.str());
    }
}

// A list rebuilt line after line is in the order that a new builder gives. Entries that
// collate alike (they may differ only in characters that the collation ignores) may stand in
// either order.
void CheckRebuiltOrder(const MemberListing& rebuilt, const MemberTable& table) {
    // The builder's collation where the system has none: the fuzzer runs in the "C" locale.
    static const QCollator collator = [] {
        QCollator french(QLocale(QLocale::French, QLocale::France));
        french.setCaseSensitivity(Qt::CaseInsensitive);
        return french;
    }();
    MemberListBuilder fresh;
    const MemberListing expected = fresh.Build(table);
    Require(rebuilt.entries.size() == expected.entries.size());
    for (std::size_t i = 0; i < rebuilt.entries.size(); ++i) {
        Require(collator.compare(Collated(rebuilt.entries[i]), Collated(expected.entries[i])) == 0);
    }
}

void CheckRooms(const std::vector<std::string>& fields) {
    const std::vector<std::string> items = RoomListItems(fields);
    Require(items.size() == fields.size() / 4);
    for (std::size_t i = 0; i < items.size(); ++i) {
        Require(LineCount(items[i]) == 6);
        const RoomEntry entry = ParseRoomEntry(items[i]);
        Require(entry.raw_name == std::string_view(fields[4 * i]).substr(0, 255));
        Require(entry.creator == std::string_view(fields[4 * i + 2]).substr(0, 255));
        Require(entry.member_count == std::string_view(fields[4 * i + 3]).substr(0, 2));
        RoomDisplayName(entry.raw_name);
    }
}

// A listed friend's item reads back into the record that gives the same item.
void CheckFriends(FriendList& friends, const ChatLine& line) {
    switch (line.code.size() % 3) {
        case 0:
            friends.AddEntries(line.params, line.code.size() > 3);
            break;
        case 1:
            friends.ApplyInfo(line.params);
            break;
        case 2:
            friends.MarkGone(line.params, {});
            break;
    }
    Require(friends.Records().size() <= FriendList::kMaxFriends);
    for (const std::string& item : FriendItems(friends.Records())) {
        Require(LineCount(item) == 9);
        Require(FriendItemText(ParseFriendEntry(item)) == item);
    }
}

void CheckUsers(const std::vector<std::string>& fields, const std::string& criterion) {
    const std::vector<std::string> items = UserResultItems(fields);
    const std::vector<std::string> one_sex = UserResultItemsOneSex(fields, criterion);
    Require(items.size() == (fields.empty() ? 0 : (fields.size() - 1) / 8));
    Require(one_sex.size() == (fields.empty() ? 0 : (fields.size() - 1) / 7));
    for (const std::vector<std::string>* list : {&items, &one_sex}) {
        for (const std::string& item : *list) {
            Require(LineCount(item) == 8);
            Require(ParseUserEntry(item).IsPerson());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("LC_ALL", "C", 1);
    FuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = AsText(data, size);
    MemberTable table;
    MemberListBuilder builder;
    MemberListing listing;
    bool rebuilt = false;
    FriendList friends;
    while (!input.empty()) {
        const ChatLine line = SplitChatLine(TakePart(input, '\n'));
        const char kind = line.code.empty() ? '\0' : line.code.front();
        switch (kind % 8) {
            case 0:
                table.AddGroups(line.params, [](const std::string& key) { return key == "i"; });
                break;
            case 1:
                table.Remove(line.params);
                break;
            case 2:
                table.Update(FieldAt(line.params, 0), line.code.size() > 1,
                             FieldAt(line.params, 1), FieldAt(line.params, 2),
                             FieldAt(line.params, 3), FieldAt(line.params, 4),
                             FieldAt(line.params, 5));
                break;
            case 3:
                table.Clear();
                break;
            case 4:
                CheckRooms(line.params);
                continue;
            case 5:
                CheckFriends(friends, line);
                continue;
            default:
                CheckUsers(line.params, line.code);
                continue;
        }
        listing = builder.Build(table);
        CheckMembers(listing, table);
        rebuilt = true;
    }
    if (rebuilt) CheckRebuiltOrder(listing, table);
    return 0;
}
