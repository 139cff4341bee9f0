#include "directory/user_search.h"

#include "session/command_codes.h"

namespace {

constexpr std::size_t kMinSearchText = 2;

const std::string& ItemAt(const std::vector<std::string>& items, int index) {
    static const std::string none;
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : none;
}

std::string AgeClass(int index) {
    if (index <= 0) return "-2";
    if (index >= static_cast<int>(SearchAgeItems().size()) - 1) return "-1";
    return std::to_string(index);
}

std::string SexClass(int index) {
    switch (index) {
        case 1:
            return "0";
        case 2:
            return "1";
        case 3:
            return "-1";
        default:
            return "-2";
    }
}

}  // namespace

const std::vector<std::string>& SearchTypeItems() {
    static const std::vector<std::string> items{"dont le pseudo commence par",
                                                "dont la ville commence par"};
    return items;
}

const std::vector<std::string>& SearchSexItems() {
    static const std::vector<std::string> items{"Indiff\xE9rent", "Femme", "Homme",
                                                "Je ne sais pas"};
    return items;
}

const std::vector<std::string>& SearchAgeItems() {
    static const std::vector<std::string> items{
        "Indiff\xE9rent", "5 - 10 ans",  "10 - 15 ans", "15 - 20 ans", "20 - 25 ans", "25 - 30 ans",
        "30 - 40 ans",    "40 - 50 ans", "50 - 60 ans", "60 - 70 ans", "70 et plus",  "Autre ..."};
    return items;
}

std::optional<UserSearch> MakeUserSearch(int type, const std::string& text, int sex, int age) {
    if (text.size() < kMinSearchText) return std::nullopt;
    const std::string_view code = type == 1 ? codes::SearchByTown : codes::SearchByNickname;
    return UserSearch{UserSearchLine(code, text, AgeClass(age), SexClass(sex)),
                      "Recherche du connect\xE9 " + ItemAt(SearchTypeItems(), type) + " " + text +
                          " - Sexe : " + ItemAt(SearchSexItems(), sex) +
                          " - Age : " + ItemAt(SearchAgeItems(), age)};
}
