#include "directory/friend_list.h"

#include <QString>
#include <algorithm>
#include <array>

#include "program/dispatch_fields.h"
#include "widgets/ansi_text.h"

namespace {

constexpr std::size_t kInfoRecord = 7;

enum FriendGroup { kWomen, kMen, kNotGiven, kGone, kGroupCount };

std::string Line(const std::string& item, std::size_t& start) {
    if (start > item.size()) return {};
    const std::size_t feed = item.find('\n', start);
    const std::size_t end = feed == std::string::npos ? item.size() : feed;
    std::string line = item.substr(start, end - start);
    start = feed == std::string::npos ? item.size() + 1 : feed + 1;
    return line;
}

}  // namespace

void AddFriendEntries(std::vector<FriendRecord>& friends, const std::vector<std::string>& fields,
                      bool reset) {
    if (reset) friends.clear();
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const std::string& entry = fields[i];
        const std::size_t colon = entry.find(':');
        const std::string after = colon == std::string::npos ? "" : entry.substr(colon + 1);
        const std::size_t zero = after.find('0');
        FriendRecord record;
        record.nickname = entry.substr(0, colon);
        record.account = zero == std::string::npos ? "" : after.substr(zero + 1);
        const bool known = std::any_of(friends.begin(), friends.end(), [&](const auto& f) {
            return f.nickname == record.nickname.str() && f.account == record.account.str();
        });
        if (!known) friends.push_back(record);
    }
}

void ApplyFriendInfo(std::vector<FriendRecord>& friends, const std::vector<std::string>& fields) {
    for (std::size_t j = 1; j + 1 < fields.size(); j += kInfoRecord) {
        for (FriendRecord& record : friends) {
            if (record.nickname != FieldAt(fields, j + 1)) continue;
            record.chat_id = FieldAt(fields, j);
            record.age = FieldAt(fields, j + 3);
            record.sex = FieldAt(fields, j + 4);
            record.town = FieldAt(fields, j + 5);
            record.status = FieldAt(fields, j + 6);
        }
    }
}

std::vector<std::string> DepartedNicknames(const std::vector<std::string>& fields) {
    std::vector<std::string> nicknames;
    for (std::size_t i = 1; i + 1 < fields.size(); i += 2) nicknames.push_back(fields[i]);
    return nicknames;
}

std::string FriendItemText(const FriendRecord& r) {
    if (r.nickname.empty()) return {};
    std::string colour = "vert";
    std::string hint = "non connect\xE9";
    std::string status = "n'est plus connect\xE9";
    if (r.chat_id != kFriendGone) {
        const char* letter = nullptr;
        if (r.sex == "1") {
            colour = "bleu";
            letter = "H";
        } else if (r.sex == "0") {
            colour = "rose";
            letter = "F";
        } else if (r.sex == "-1") {
            letter = "I";
        } else {
            return {};
        }
        hint = r.age.str() + " ; " + letter + " ; " + r.town.str();
        status = r.status;
    }
    std::string item;
    for (const std::string& line :
         {r.nickname.str(), colour, hint, r.account.str(), r.chat_id.str(), r.age.str(),
          r.sex.str(), r.town.str(), status}) {
        item += line;
        item += '\n';
    }
    return item;
}

FriendRecord ParseFriendEntry(const std::string& item) {
    std::size_t start = 0;
    FriendRecord record;
    record.nickname = Line(item, start);
    record.colour = Line(item, start);
    Line(item, start);
    record.account = Line(item, start);
    record.chat_id = Line(item, start);
    record.age = Line(item, start);
    record.sex = Line(item, start);
    record.town = Line(item, start);
    record.status = Line(item, start);
    return record;
}

std::vector<std::string> FriendItems(const std::vector<FriendRecord>& friends) {
    std::array<std::vector<std::pair<QString, std::string>>, kGroupCount> groups;
    for (const FriendRecord& record : friends) {
        std::string item = FriendItemText(record);
        if (item.empty()) continue;
        FriendGroup group = kNotGiven;
        if (record.chat_id == kFriendGone) {
            group = kGone;
        } else if (record.sex == "0") {
            group = kWomen;
        } else if (record.sex == "1") {
            group = kMen;
        }
        groups[group].emplace_back(FromAnsi(item), std::move(item));
    }
    std::vector<std::string> items;
    for (auto& group : groups) {
        std::stable_sort(group.begin(), group.end(), [](const auto& a, const auto& b) {
            return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
        });
        for (auto& [key, item] : group) items.push_back(std::move(item));
    }
    return items;
}
