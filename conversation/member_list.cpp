#include "conversation/member_list.h"

#include <QLocale>
#include <algorithm>
#include <array>

#include "widgets/ansi_text.h"

namespace {

const std::string kIgnoredDisplay =
    "Personne ignor\xE9"
    "e";

MemberGroup GroupOf(const MemberRecord& member) {
    if (member.status == "2") return kIgnored;
    if (member.sex == "1") return kMen;
    if (member.sex == "0") return kWomen;
    return kUnknown;
}

std::string ColourWord(const MemberRecord& member, MemberGroup group) {
    if (group == kIgnored) return "gris";
    if (member.status == "1") return "oran";
    if (group == kMen) return "bleu";
    if (group == kWomen) return "rose";
    return "vert";
}

std::string Display(const MemberRecord& member, MemberGroup group) {
    static const std::array<std::string, kMemberGroupCount> separators{" ; F ; ", " ; H ; ",
                                                                       " ; I ; ", ""};
    if (group == kIgnored) return kIgnoredDisplay;
    return member.age.str() + separators[group] + member.town.str();
}

std::string EntryOf(const MemberRecord& member, MemberGroup group) {
    const std::string colour = ColourWord(member, group);
    const std::string display = Display(member, group);
    std::string entry;
    entry.reserve(member.nickname.size() + colour.size() + display.size() + member.key.size() +
                  member.age.size() + member.sex.size() + member.town.size() + 7);
    for (const std::string* field : {&member.nickname.str(), &colour, &display, &member.key.str(),
                                     &member.age.str(), &member.sex.str(), &member.town.str()}) {
        entry += *field;
        entry += '\n';
    }
    return entry;
}

}  // namespace

std::string MemberEntry(const MemberRecord& member) {
    return EntryOf(member, GroupOf(member));
}

std::string_view MemberEntryField(std::string_view entry, int n) {
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        start = entry.find('\n', start);
        if (start == std::string_view::npos) return {};
        ++start;
    }
    return entry.substr(start, entry.find('\n', start) - start);
}

MemberRecord ParseMemberEntry(std::string_view entry) {
    MemberRecord member;
    member.nickname = MemberEntryField(entry, 0);
    member.colour = MemberEntryField(entry, 1);
    member.display = MemberEntryField(entry, 2);
    member.key = MemberEntryField(entry, 3);
    member.age = MemberEntryField(entry, 4);
    member.sex = MemberEntryField(entry, 5);
    member.town = MemberEntryField(entry, 6);
    return member;
}

std::string MemberCountsCaption(const RoomCounts& counts) {
    return "Membres [" + std::to_string(counts.entries) + ";H:" + std::to_string(counts.men) +
           ";F:" + std::to_string(counts.women) + ";I:" + std::to_string(counts.unknown) + "]";
}

namespace {

// The system's collation; without one (the "C" locale of a bare session) French, so that
// "Élodie" stands beside "Elodie" and not after "Zoé".
QLocale CollationLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::French, QLocale::France) : system;
}

}  // namespace

MemberListBuilder::MemberListBuilder() : collator_(CollationLocale()) {
    // Entries are lower-cased before their keys are made, which makes the order
    // case-insensitive whatever the collation backend supports.
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

MemberListBuilder::SortedEntry MemberListBuilder::EntryOfSlot(const MemberTable& table,
                                                              std::size_t slot) {
    const unsigned revision = table.Revision(slot);
    if (slot < slots_.size() && slots_[slot].revision == revision) return slots_[slot].entry;
    const MemberRecord& member = table.Slots()[slot];
    const MemberGroup group = GroupOf(member);
    std::string entry = EntryOf(member, group);
    auto found = sort_keys_.find(entry);
    if (found == sort_keys_.end()) {
        QCollatorSortKey key = collator_.sortKey(FromAnsi(entry).toLower());
        // Element addresses of an unordered_map survive its rehashing.
        found = sort_keys_.emplace(std::move(entry), SortKey{std::move(key), group, 0}).first;
        fresh_[group].push_back(&*found);
    }
    if (slot >= slots_.size()) slots_.resize(slot + 1);
    slots_[slot] = {revision, &*found};
    return &*found;
}

MemberListing MemberListBuilder::Build(const MemberTable& table) {
    if (table.Epoch() != table_epoch_) {
        table_epoch_ = table.Epoch();
        slots_.clear();
    }
    ++generation_;
    MemberListing list;
    for (std::size_t slot = 0; slot < table.Slots().size(); ++slot) {
        if (IsRemovedSlot(table.Slots()[slot])) continue;
        SortKey& key = EntryOfSlot(table, slot)->second;
        key.generation = generation_;
        if (key.group == kMen) ++list.counts.men;
        if (key.group == kWomen) ++list.counts.women;
        if (key.group == kUnknown) ++list.counts.unknown;
    }
    const auto before = [](SortedEntry a, SortedEntry b) {
        return a->second.key.compare(b->second.key) < 0;
    };
    for (std::size_t group = 0; group < kMemberGroupCount; ++group) {
        // The entries still listed keep their order; only the new ones are sorted, then merged.
        // Every kept key was listed by the last build, so the stale ones are found here.
        std::vector<SortedEntry> staying;
        staying.reserve(sorted_[group].size());
        for (SortedEntry previous : sorted_[group]) {
            if (previous->second.generation == generation_) {
                staying.push_back(previous);
            } else {
                sort_keys_.erase(previous->first);
            }
        }
        std::vector<SortedEntry>& fresh = fresh_[group];
        std::sort(fresh.begin(), fresh.end(), before);
        list.entries.reserve(list.entries.size() + staying.size() + fresh.size());
        std::vector<SortedEntry>& merged = sorted_[group];
        merged.clear();
        std::merge(staying.begin(), staying.end(), fresh.begin(), fresh.end(),
                   std::back_inserter(merged), before);
        fresh.clear();
        for (SortedEntry item : merged) list.entries.emplace_back(item->first);
    }
    list.counts.entries = static_cast<int>(list.entries.size());
    return list;
}
