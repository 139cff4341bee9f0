#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The choices of the search window, Windows-1252, in list order.
const std::vector<std::string>& SearchTypeItems();
const std::vector<std::string>& SearchSexItems();
const std::vector<std::string>& SearchAgeItems();

// The line that asks for a search and the trace that reports it.
struct UserSearch {
    std::string line;
    std::string trace;
};

// The search for a text (Windows-1252) with the indexes chosen in the three lists: "56" by
// nickname, "58" by town; the age class is the age index ("-2" any, "-1" other) and the sex
// class "-2" any, "0" woman, "1" man, "-1" not given. Only the first four characters travel.
// None for a text shorter than two characters.
std::optional<UserSearch> MakeUserSearch(int type, const std::string& text, int sex, int age);
