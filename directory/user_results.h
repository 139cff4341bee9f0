#pragma once

#include <string>
#include <string_view>
#include <vector>

// Items of the search result list. A result is eight lines, each ended by a line feed:
// nickname, hint colour name of the sex, hint ("age ; letter ; town"), chat id, age, sex code,
// town, room. A message is its text, "null", "null".
inline constexpr char kShortSearchItem[] =
    "Veuillez indiquer au minimum 2 lettres pour \xE9"
    "ff\xE9"
    "ctuer la recherche\nnull\nnull";
inline constexpr char kSearchingItem[] = "Recherche en cours ...\nnull\nnull";
inline constexpr char kNoResultItem[] =
    "Aucune personne ne correspond a vos crit\xE8res\nnull\nnull";

// One result item taken apart, each field cut to the width it is kept in.
struct UserEntry {
    std::string nickname;
    std::string colour;   // 5
    std::string chat_id;  // 20
    std::string age;      // 5
    std::string town;     // 25
    std::string sex;      // 7
    std::string room;     // 30

    // A message item carries no person.
    bool IsPerson() const { return colour != "null"; }
};

// "0" woman "rose", "1" man "bleu", anything else "vert"; the letters are "F", "H", "I".
std::string SexColourName(std::string_view sex);
std::string SexLetter(std::string_view sex);

std::string UserItemText(const std::string& chat_id, const std::string& nickname,
                         const std::string& age, const std::string& sex, const std::string& town,
                         const std::string& room);

// A reply to a search on either sex: records of eight fields from field 1 on (chat id,
// nickname, unused, age, sex code, town, room, unused); an incomplete last record is dropped.
// Women first, then men, then the others, each group in case-insensitive order.
std::vector<std::string> UserResultItems(const std::vector<std::string>& fields);
// A reply to a search on one sex: records of seven fields (chat id, nickname, unused, age,
// town, room, unused), all of the searched sex, in case-insensitive order.
std::vector<std::string> UserResultItemsOneSex(const std::vector<std::string>& fields,
                                               const std::string& criterion);

// Missing lines give empty fields.
UserEntry ParseUserEntry(std::string_view item);
