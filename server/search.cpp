#include "server/search.h"

#include <charconv>

#include "server/text.h"

namespace babillon {
namespace {

// Enough for the largest answers the client has to show (a crowd of hundreds).
constexpr size_t kMaxResults = 1000;

// Lower bounds of the age classes 1 to 10; class n covers [bound n, bound n+1).
constexpr int kAgeBounds[] = {5, 10, 15, 20, 25, 30, 40, 50, 60, 70, 1000};

bool AgeMatches(std::string_view age_text, std::string_view age_class) {
    int wanted = 0;
    const auto [class_end, class_error] =
        std::from_chars(age_class.data(), age_class.data() + age_class.size(), wanted);
    // "-2" (any) and anything that is not a class select every age.
    if (class_error != std::errc() || wanted == 0 || wanted < -1 || wanted > 10) return true;
    int age = -1;
    const auto [end, error] =
        std::from_chars(age_text.data(), age_text.data() + age_text.size(), age);
    const bool known =
        error == std::errc() && end == age_text.data() + age_text.size() && age >= kAgeBounds[0];
    if (wanted == -1) return !known;
    return known && age >= kAgeBounds[wanted - 1] && age < kAgeBounds[wanted];
}

bool SexMatches(Sex sex, std::string_view sex_class) {
    if (sex_class == "0" || sex_class == "1" || sex_class == "-1") {
        return ListSexCode(sex) == sex_class;
    }
    return true;
}

}  // namespace

bool Matches(const Member& member, const SearchQuery& query) {
    const std::string searched = AsciiLower(query.by_town ? member.town : member.alias);
    return searched.starts_with(AsciiLower(query.text)) &&
           AgeMatches(member.age, query.age_class) && SexMatches(member.sex, query.sex_class);
}

std::string SearchReply(std::string_view code, const SearchQuery& query,
                        const std::vector<const Member*>& members) {
    const bool one_sex =
        query.sex_class == "0" || query.sex_class == "1" || query.sex_class == "-1";
    std::string rows;
    size_t count = 0;
    for (const Member* member : members) {
        if (count == kMaxResults) break;
        if (!Matches(*member, query)) continue;
        ++count;
        rows += "\t" + member->chatid + "\t" + member->alias + "\t0\t" + member->age;
        if (!one_sex) rows += "\t" + ListSexCode(member->sex);
        rows += "\t" + member->town + "\t" + member->room_wire_name + "\t0";
    }
    return std::string(code) + "\t" + std::to_string(count) + ":" + query.age_class + ":" +
           (one_sex ? query.sex_class : "-2") + rows;
}

}  // namespace babillon
