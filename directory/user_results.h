#pragma once

#include <string>
#include <vector>

// One result of a user search, as the result list shows it.
struct UserResult {
    std::string chat_id;
    std::string nickname;
    std::string age;
    std::string sex;
    std::string town;
    std::string room;
};

// "56"/"58" for either sex: records of eight fields from P1 on (chat id, nickname, unused,
// age, sex code, town, room, unused); women first, then men, then the others, each group
// in case-insensitive order of nickname.
std::vector<UserResult> ParseUserResults(const std::vector<std::string>& fields);
// For one sex: records of seven fields (chat id, nickname, unused, age, town, room, unused),
// all of the searched sex, in case-insensitive order of nickname.
std::vector<UserResult> ParseUserResultsOneSex(const std::vector<std::string>& fields,
                                               const std::string& criterion);
// "nickname - town - (salon room)", the room shown as room names are.
std::string UserResultText(const UserResult& result);
