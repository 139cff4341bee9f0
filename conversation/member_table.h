#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "session/limited_text.h"

struct MemberRecord {
    LimitedText<20> key;
    LimitedText<32> nickname;
    // "bleu", "rose", "vert", "oran" or "gris": only in a record read back from a list entry.
    LimitedText<5> colour;
    LimitedText<5> age;
    // "1" man, "0" woman, "-1" unknown; "-2" in the result of a lookup that found nobody.
    LimitedText<2> sex;
    LimitedText<25> town;
    // "age ; H ; town" or "Personne ignorée": only in a record read back from a list entry.
    std::string display;
    // "0" ordinary, "1" busy (status code "64"), "2" ignored.
    LimitedText<1> status;
};

// The members of the current room. A member who leaves keeps its slot with the key "null";
// every walk skips those. Keys are looked up through an index, so that a room of thousands
// of members arriving a group at a time costs a constant time per group member.
class MemberTable {
  public:
    using IgnoredTest = std::function<bool(const std::string& key)>;

    void Clear();
    // "85" member groups from P1 on: key, unused, nickname, status code, age, sex, town.
    void AddGroups(const std::vector<std::string>& fields, const IgnoredTest& is_ignored);
    // Every field from P1 on is the key of a member who left.
    void Remove(const std::vector<std::string>& fields);
    // Returns whether a member with that key was found.
    bool Update(const std::string& key, bool ignored, const std::string& nickname,
                const std::string& status_code, const std::string& age, const std::string& sex,
                const std::string& town);
    MemberRecord Find(const std::string& key) const;
    // Every slot in table order, removed ones (key "null") included.
    const std::vector<MemberRecord>& Slots() const { return records_; }
    // Goes up whenever the slot's record changes; with Epoch, tells a reader of the table
    // whether what it drew from a slot still holds.
    unsigned Revision(std::size_t slot) const { return revisions_[slot]; }
    // Goes up whenever the table is emptied.
    unsigned Epoch() const { return epoch_; }

  private:
    std::vector<MemberRecord> records_;
    std::vector<unsigned> revisions_;
    unsigned epoch_ = 0;
    std::unordered_map<std::string, std::size_t> slot_of_key_;
};

// The key that a removed member's slot keeps.
bool IsRemovedSlot(const MemberRecord& record);
