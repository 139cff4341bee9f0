#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "server/member.h"

namespace babillon {

// A connected-user search as the client sends it ("56" by alias, "58" by town): the start of
// the alias or town, an age class ("1" 5-10 years ... "10" 70 and more, "-1" other, "-2" any)
// and a sex class ("0" woman, "1" man, "-1" not given, "-2" any).
struct SearchQuery {
    std::string text;
    std::string age_class;
    std::string sex_class;
    bool by_town = false;
};

bool Matches(const Member& member, const SearchQuery& query);

// The answer line: code, a header "<results>:<age class>:<sex class>", then per result eight
// fields (chat id, alias, unused, age, sex, town, room, unused) for a search on both sexes, or
// seven (no sex) for a search on one.
std::string SearchReply(std::string_view code, const SearchQuery& query,
                        const std::vector<const Member*>& members);

}  // namespace babillon
