#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "session/limited_text.h"

struct FriendRecord {
    LimitedText<32> account;
    // Only set when the record comes from a list item.
    LimitedText<5> colour;
    LimitedText<32> nickname;
    // Empty until the first information record, "null" once the friend has left.
    LimitedText<20> chat_id;
    LimitedText<5> age;
    LimitedText<25> town;
    LimitedText<2> sex;
    LimitedText<80> status;
};

inline constexpr const char* kFriendGone = "null";

// "332" with P0 "1": the nicknames at P1, P3, ... of friends who left.
std::vector<std::string> DepartedNicknames(const std::vector<std::string>& fields);

// The friends as the server reports them, indexed by nickname and by nickname and account, so
// that a line costs time in proportion to its length and to the friends it names. It holds at
// most kMaxFriends; further entries are dropped.
class FriendList {
  public:
    static constexpr std::size_t kMaxFriends = 5000;

    // "330": entries "nickname:...0account" from P1 on; reset empties the list first. An entry
    // already there (same nickname and account) is not added twice. Returns how many new
    // entries were dropped because the list was full.
    std::size_t AddEntries(const std::vector<std::string>& fields, bool reset);
    // "332" with P0 "0"/"-1": records of seven fields from P1 on (chat id, nickname, unused,
    // age, sex, town, status); a record for a nickname that is not a friend is ignored. When a
    // line carries several records for one nickname, the last one holds.
    void ApplyInfo(const std::vector<std::string>& fields);
    // "332" with P0 "1": the friends of the departed nicknames get the chat id "null";
    // `leaving` sees each of them just before, with the chat id it had.
    void MarkGone(const std::vector<std::string>& fields,
                  const std::function<void(const FriendRecord&)>& leaving);

    bool HasNickname(const std::string& nickname) const;
    const std::vector<FriendRecord>& Records() const { return records_; }

  private:
    std::vector<FriendRecord> records_;
    std::unordered_map<std::string, std::vector<std::size_t>> by_nickname_;
    // Nickname, TAB, account: a TAB never occurs inside a field.
    std::unordered_set<std::string> entries_;
};

// The nine-line item of the friends list; empty when the friend is not listed (no nickname,
// or connected with a sex code other than "1", "0", "-1").
std::string FriendItemText(const FriendRecord& record);
FriendRecord ParseFriendEntry(const std::string& item);
// Women, men, sex not given, then those who left; each group by item text, ignoring case.
std::vector<std::string> FriendItems(const std::vector<FriendRecord>& friends);
