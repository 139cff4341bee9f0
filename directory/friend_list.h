#pragma once

#include <string>
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

// "330": entries "nickname:...0account" from P1 on; reset empties the array first. An entry
// already there (same nickname and account) is not added twice.
void AddFriendEntries(std::vector<FriendRecord>& friends, const std::vector<std::string>& fields,
                      bool reset);
// "332" with P0 "0"/"-1": records of seven fields from P1 on (chat id, nickname, unused, age,
// sex, town, status); a record for a nickname that is not a friend is ignored.
void ApplyFriendInfo(std::vector<FriendRecord>& friends, const std::vector<std::string>& fields);
// "332" with P0 "1": the nicknames at P1, P3, ... of friends who left.
std::vector<std::string> DepartedNicknames(const std::vector<std::string>& fields);

// The nine-line item of the friends list; empty when the friend is not listed (no nickname,
// or connected with a sex code other than "1", "0", "-1").
std::string FriendItemText(const FriendRecord& record);
FriendRecord ParseFriendEntry(const std::string& item);
// Women, men, sex not given, then those who left; each group by item text, ignoring case.
std::vector<std::string> FriendItems(const std::vector<FriendRecord>& friends);
