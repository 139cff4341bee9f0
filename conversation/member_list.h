#pragma once

#include <QCollator>
#include <cstddef>
#include <string>
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
MemberRecord ParseMemberEntry(const std::string& entry);

// "Membres [entries;H:men;F:women;I:unknown]"
std::string MemberCountsCaption(const RoomCounts& counts);

struct MemberListing {
    std::vector<std::string> entries;
    RoomCounts counts;
};

// Builds the list from the table: women, men, unknown, then ignored members, each group in
// the system's case-insensitive alphabetical order of its entries. Sort keys are kept from
// one build to the next, so a rebuild only computes those of new or changed entries.
class MemberListBuilder {
  public:
    MemberListBuilder();
    MemberListing Build(const MemberTable& table);

  private:
    QCollator collator_;
    std::unordered_map<std::string, QCollatorSortKey> sort_keys_;
};
