#include "conversation/member_table.h"

#include "program/dispatch_fields.h"

namespace {

constexpr std::size_t kGroupSize = 7;
const std::string kRemovedKey = "null";

// The table keeps keys cut to their stored length, and looks them up that way.
std::string StoredKey(const std::string& key) {
    return LimitedText<20>(key).str();
}

std::string StatusOf(bool ignored, const std::string& status_code) {
    if (ignored) return "2";
    return status_code == "64" ? "1" : "0";
}

}  // namespace

bool IsRemovedSlot(const MemberRecord& record) {
    return record.key == kRemovedKey;
}

void MemberTable::Clear() {
    records_.clear();
    revisions_.clear();
    slot_of_key_.clear();
    ++epoch_;
}

void MemberTable::AddGroups(const std::vector<std::string>& fields, const IgnoredTest& is_ignored) {
    for (std::size_t j = 1; j + 1 < fields.size(); j += kGroupSize) {
        const std::string key = StoredKey(FieldAt(fields, j));
        if (key == kRemovedKey) continue;
        if (!slot_of_key_.contains(key)) {
            MemberRecord record;
            record.key = key;
            slot_of_key_.emplace(key, records_.size());
            records_.push_back(record);
            revisions_.push_back(0);
        }
        Update(key, is_ignored && is_ignored(key), FieldAt(fields, j + 2), FieldAt(fields, j + 3),
               FieldAt(fields, j + 4), FieldAt(fields, j + 5), FieldAt(fields, j + 6));
    }
}

void MemberTable::Remove(const std::vector<std::string>& fields) {
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const auto found = slot_of_key_.find(StoredKey(fields[i]));
        if (found == slot_of_key_.end()) continue;
        records_[found->second].key = kRemovedKey;
        ++revisions_[found->second];
        slot_of_key_.erase(found);
    }
}

bool MemberTable::Update(const std::string& key, bool ignored, const std::string& nickname,
                         const std::string& status_code, const std::string& age,
                         const std::string& sex, const std::string& town) {
    const auto found = slot_of_key_.find(StoredKey(key));
    if (found == slot_of_key_.end()) return false;
    MemberRecord& record = records_[found->second];
    ++revisions_[found->second];
    record.nickname = nickname;
    record.age = age;
    record.sex = sex;
    record.town = town;
    record.status = StatusOf(ignored, status_code);
    return true;
}

MemberRecord MemberTable::Find(const std::string& key) const {
    const auto found = slot_of_key_.find(StoredKey(key));
    if (found != slot_of_key_.end()) return records_[found->second];
    MemberRecord nobody;
    nobody.sex = "-2";
    return nobody;
}
