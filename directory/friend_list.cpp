#include "directory/friend_list.h"

#include <QString>
#include <algorithm>
#include <array>
#include <string_view>

#include "program/dispatch_fields.h"
#include "widgets/ansi_text.h"

namespace {

constexpr std::size_t kInfoRecord = 7;
constexpr std::size_t kNicknameWidth = decltype(FriendRecord::nickname)::capacity;
constexpr std::size_t kAccountWidth = decltype(FriendRecord::account)::capacity;

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

std::vector<std::string> DepartedNicknames(const std::vector<std::string>& fields) {
    std::vector<std::string> nicknames;
    for (std::size_t i = 1; i + 1 < fields.size(); i += 2) nicknames.push_back(fields[i]);
    return nicknames;
}

std::size_t FriendList::AddEntries(const std::vector<std::string>& fields, bool reset) {
    if (reset) {
        records_.clear();
        by_nickname_.clear();
        entries_.clear();
    }
    std::size_t dropped = 0;
    std::string key;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const std::string_view entry = fields[i];
        const std::size_t colon = entry.find(':');
        const std::string_view after =
            colon == std::string_view::npos ? std::string_view() : entry.substr(colon + 1);
        const std::size_t zero = after.find('0');
        const std::string_view nickname = entry.substr(0, std::min(colon, kNicknameWidth));
        const std::string_view account = zero == std::string_view::npos
                                             ? std::string_view()
                                             : after.substr(zero + 1, kAccountWidth);
        key.assign(nickname).append(1, '\t').append(account);
        if (entries_.count(key) != 0) continue;
        if (records_.size() >= kMaxFriends) {
            ++dropped;
            continue;
        }
        entries_.insert(key);
        by_nickname_[std::string(nickname)].push_back(records_.size());
        FriendRecord& record = records_.emplace_back();
        record.nickname = nickname;
        record.account = account;
    }
    return dropped;
}

void FriendList::ApplyInfo(const std::vector<std::string>& fields) {
    // Each friend's nickname takes its last record of the line, once.
    std::unordered_map<std::string, std::size_t> last_record;
    for (std::size_t j = 1; j + 1 < fields.size(); j += kInfoRecord) {
        if (by_nickname_.count(fields[j + 1]) != 0) last_record[fields[j + 1]] = j;
    }
    for (const auto& [nickname, j] : last_record) {
        for (const std::size_t index : by_nickname_.at(nickname)) {
            FriendRecord& record = records_[index];
            record.chat_id = FieldAt(fields, j);
            record.age = FieldAt(fields, j + 3);
            record.sex = FieldAt(fields, j + 4);
            record.town = FieldAt(fields, j + 5);
            record.status = FieldAt(fields, j + 6);
        }
    }
}

void FriendList::MarkGone(const std::vector<std::string>& fields,
                          const std::function<void(const FriendRecord&)>& leaving) {
    std::unordered_set<std::string> done;
    for (const std::string& nickname : DepartedNicknames(fields)) {
        const auto found = by_nickname_.find(nickname);
        if (found == by_nickname_.end() || !done.insert(nickname).second) continue;
        for (const std::size_t index : found->second) {
            FriendRecord& record = records_[index];
            if (leaving) leaving(record);
            record.chat_id = kFriendGone;
        }
    }
}

bool FriendList::HasNickname(const std::string& nickname) const {
    return by_nickname_.count(nickname) != 0;
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
