#pragma once

#include <QCollator>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "conversation/member_table.h"
#include "program/program_state.h"

// The lines of the room's member list. Each entry is seven fields, each followed by a line
// feed: nickname, colour word, display ("age ; H ; town"), key, age, sex, town.

// A list holding more entries than this asks the server for the rest of the room.
constexpr std::size_t kMembersPerAnswer = 35;

std::string MemberEntry(const MemberRecord& member);
// Missing fields read as empty text; longer ones are cut to the record's lengths.
MemberRecord ParseMemberEntry(std::string_view entry);
// Field n (0 nickname ... 6 town) of an entry, empty when the entry is shorter.
std::string_view MemberEntryField(std::string_view entry, int n);

// "Membres [entries;H:men;F:women;I:unknown]"
std::string MemberCountsCaption(const RoomCounts& counts);

// The groups of the list, in the order shown.
enum MemberGroup { kWomen, kMen, kUnknown, kIgnored, kMemberGroupCount };

struct MemberListing {
    // The entries live in the builder that made them, until its next build.
    std::vector<std::string_view> entries;
    RoomCounts counts;
};

// Builds the list from the table: women, men, unknown, then ignored members, each group in
// the system's case-insensitive alphabetical order of its entries. The sort keys and order
// of one build are kept for the next: a rebuild only sorts new or changed entries and merges
// them into the kept order; members unchanged since the last build cost no text work. A
// builder serves one table.
class MemberListBuilder {
  public:
    MemberListBuilder();
    MemberListing Build(const MemberTable& table);

  private:
    struct SortKey {
        QCollatorSortKey key;
        MemberGroup group;
        unsigned generation;  // of the last build that listed the entry
    };
    using KeyMap = std::unordered_map<std::string, SortKey>;
    using SortedEntry = KeyMap::value_type*;
    // What a table slot gave at its revision, so that unchanged members cost no text work.
    struct SlotEntry {
        unsigned revision;
        SortedEntry entry;
    };

    SortedEntry EntryOfSlot(const MemberTable& table, std::size_t slot);

    QCollator collator_;
    KeyMap sort_keys_;
    unsigned generation_ = 0;
    std::vector<SlotEntry> slots_;
    unsigned table_epoch_ = 0;
    std::array<std::vector<SortedEntry>, kMemberGroupCount> fresh_;
    std::array<std::vector<SortedEntry>, kMemberGroupCount> sorted_;
};
