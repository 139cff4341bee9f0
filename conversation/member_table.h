#pragma once

#include <functional>
#include <string>
#include <vector>

#include "session/limited_text.h"

struct MemberRecord {
    LimitedText<20> key;
    LimitedText<32> nickname;
    LimitedText<5> age;
    // "1" man, "0" woman, "-1" unknown; "-2" in the result of a lookup that found nobody.
    LimitedText<2> sex;
    LimitedText<25> town;
    // "0" ordinary, "1" busy (status code "64"), "2" ignored.
    LimitedText<1> status;
};

// The members of the current room. A member who leaves keeps its slot with the key "null";
// every walk skips those.
class MemberTable {
  public:
    using IgnoredTest = std::function<bool(const std::string& key)>;

    void Clear() { records_.clear(); }
    // "85" member groups from P1 on: key, unused, nickname, status code, age, sex, town.
    void AddGroups(const std::vector<std::string>& fields, const IgnoredTest& is_ignored);
    // Every field from P1 on is the key of a member who left.
    void Remove(const std::vector<std::string>& fields);
    // Returns whether a member with that key was found.
    bool Update(const std::string& key, bool ignored, const std::string& nickname,
                const std::string& status_code, const std::string& age, const std::string& sex,
                const std::string& town);
    MemberRecord Find(const std::string& key) const;
    // The present members, in table order.
    std::vector<MemberRecord> Members() const;
    std::size_t SlotCount() const { return records_.size(); }

  private:
    std::vector<MemberRecord> records_;
};

// "alias (age, H/F/I, town)", or "alias (Personne ignorée)" for an ignored member.
std::string MemberListText(const MemberRecord& member);
