#include "conversation/member_table.h"

#include <algorithm>

#include "program/dispatch_fields.h"

namespace {

constexpr std::size_t kGroupSize = 7;
const std::string kRemovedKey = "null";

std::string StatusOf(bool ignored, const std::string& status_code) {
    if (ignored) return "2";
    return status_code == "64" ? "1" : "0";
}

}  // namespace

void MemberTable::AddGroups(const std::vector<std::string>& fields, const IgnoredTest& is_ignored) {
    for (std::size_t j = 1; j + 1 < fields.size(); j += kGroupSize) {
        const std::string& key = FieldAt(fields, j);
        const bool ignored = is_ignored && is_ignored(key);
        if (!Update(key, ignored, FieldAt(fields, j + 2), FieldAt(fields, j + 3),
                    FieldAt(fields, j + 4), FieldAt(fields, j + 5), FieldAt(fields, j + 6))) {
            MemberRecord record;
            record.key = key;
            records_.push_back(record);
            Update(key, ignored, FieldAt(fields, j + 2), FieldAt(fields, j + 3),
                   FieldAt(fields, j + 4), FieldAt(fields, j + 5), FieldAt(fields, j + 6));
        }
    }
}

void MemberTable::Remove(const std::vector<std::string>& fields) {
    for (std::size_t i = 1; i < fields.size(); ++i) {
        for (MemberRecord& record : records_) {
            if (record.key == fields[i]) record.key = kRemovedKey;
        }
    }
}

bool MemberTable::Update(const std::string& key, bool ignored, const std::string& nickname,
                         const std::string& status_code, const std::string& age,
                         const std::string& sex, const std::string& town) {
    if (key == kRemovedKey) return false;
    auto found = std::find_if(records_.begin(), records_.end(),
                              [&](const MemberRecord& record) { return record.key == key; });
    if (found == records_.end()) return false;
    found->nickname = nickname;
    found->age = age;
    found->sex = sex;
    found->town = town;
    found->status = StatusOf(ignored, status_code);
    return true;
}

MemberRecord MemberTable::Find(const std::string& key) const {
    if (key != kRemovedKey) {
        for (const MemberRecord& record : records_) {
            if (record.key == key) return record;
        }
    }
    MemberRecord nobody;
    nobody.sex = "-2";
    return nobody;
}

std::vector<MemberRecord> MemberTable::Members() const {
    std::vector<MemberRecord> present;
    for (const MemberRecord& record : records_) {
        if (record.key != kRemovedKey) present.push_back(record);
    }
    return present;
}

std::string MemberListText(const MemberRecord& member) {
    if (member.status == "2")
        return member.nickname.str() +
               " (Personne ignor\xE9"
               "e)";
    const std::string letter = member.sex == "1" ? "H" : member.sex == "0" ? "F" : "I";
    return member.nickname.str() + " (" + member.age.str() + ", " + letter + ", " +
           member.town.str() + ")";
}
