#include "conversation/member_list.h"

#include <algorithm>
#include <array>

#include "widgets/ansi_text.h"

namespace {

const std::string kIgnoredDisplay =
    "Personne ignor\xE9"
    "e";

enum Group { kWomen, kMen, kUnknown, kIgnored, kGroupCount };

Group GroupOf(const MemberRecord& member) {
    if (member.status == "2") return kIgnored;
    if (member.sex == "1") return kMen;
    if (member.sex == "0") return kWomen;
    return kUnknown;
}

std::string ColourWord(const MemberRecord& member, Group group) {
    if (group == kIgnored) return "gris";
    if (member.status == "1") return "oran";
    if (group == kMen) return "bleu";
    if (group == kWomen) return "rose";
    return "vert";
}

std::string Display(const MemberRecord& member, Group group) {
    static const std::array<std::string, kGroupCount> separators{" ; F ; ", " ; H ; ", " ; I ; ",
                                                                 ""};
    if (group == kIgnored) return kIgnoredDisplay;
    return member.age.str() + separators[group] + member.town.str();
}

std::string EntryOf(const MemberRecord& member, Group group) {
    return member.nickname.str() + '\n' + ColourWord(member, group) + '\n' +
           Display(member, group) + '\n' + member.key.str() + '\n' + member.age.str() + '\n' +
           member.sex.str() + '\n' + member.town.str() + '\n';
}

}  // namespace

std::string MemberEntry(const MemberRecord& member) {
    return EntryOf(member, GroupOf(member));
}

MemberRecord ParseMemberEntry(const std::string& entry) {
    std::array<std::string, 7> fields;
    std::size_t start = 0;
    for (std::string& field : fields) {
        if (start >= entry.size()) break;
        std::size_t end = entry.find('\n', start);
        if (end == std::string::npos) end = entry.size();
        field = entry.substr(start, end - start);
        start = end + 1;
    }
    MemberRecord member;
    member.nickname = fields[0];
    member.colour = fields[1];
    member.display = fields[2];
    member.key = fields[3];
    member.age = fields[4];
    member.sex = fields[5];
    member.town = fields[6];
    return member;
}

std::string MemberCountsCaption(const RoomCounts& counts) {
    return "Membres [" + std::to_string(counts.entries) + ";H:" + std::to_string(counts.men) +
           ";F:" + std::to_string(counts.women) + ";I:" + std::to_string(counts.unknown) + "]";
}

MemberListBuilder::MemberListBuilder() {
    // Entries are lower-cased before their keys are made, which makes the order
    // case-insensitive whatever the collation backend supports.
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

MemberListing MemberListBuilder::Build(const MemberTable& table) {
    struct Sortable {
        const std::string* entry;
        const QCollatorSortKey* key;
    };
    std::unordered_map<std::string, QCollatorSortKey> kept;
    std::array<std::vector<Sortable>, kGroupCount> groups;
    MemberListing list;
    for (const MemberRecord& member : table.Slots()) {
        if (IsRemovedSlot(member)) continue;
        const Group group = GroupOf(member);
        std::string entry = EntryOf(member, group);
        auto cached = sort_keys_.find(entry);
        auto placed =
            cached != sort_keys_.end()
                ? kept.emplace(std::move(entry), std::move(cached->second)).first
                : kept.emplace(entry, collator_.sortKey(FromAnsi(entry).toLower())).first;
        // Element addresses of an unordered_map survive its rehashing.
        groups[group].push_back({&placed->first, &placed->second});
        if (group == kMen) ++list.counts.men;
        if (group == kWomen) ++list.counts.women;
        if (group == kUnknown) ++list.counts.unknown;
    }
    for (auto& group : groups) {
        std::sort(group.begin(), group.end(), [](const Sortable& a, const Sortable& b) {
            return a.key->compare(*b.key) < 0;
        });
        for (const Sortable& item : group) list.entries.push_back(*item.entry);
    }
    list.counts.entries = static_cast<int>(list.entries.size());
    sort_keys_ = std::move(kept);
    return list;
}
