#include "directory/user_results.h"

#include <algorithm>
#include <cctype>

#include "directory/room_names.h"
#include "program/dispatch_fields.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void SortByNickname(std::vector<UserResult>& results) {
    std::stable_sort(results.begin(), results.end(), [](const UserResult& a, const UserResult& b) {
        return Lower(a.nickname) < Lower(b.nickname);
    });
}

int SexGroup(const std::string& sex) {
    if (sex == "0") return 0;
    if (sex == "1") return 1;
    return 2;
}

}  // namespace

std::vector<UserResult> ParseUserResults(const std::vector<std::string>& fields) {
    constexpr std::size_t kRecord = 8;
    std::vector<UserResult> groups[3];
    const std::size_t records = fields.empty() ? 0 : (fields.size() - 1) / kRecord;
    for (std::size_t r = 0; r < records; ++r) {
        const std::size_t j = 1 + kRecord * r;
        UserResult result{fields[j],     fields[j + 1], fields[j + 3],
                          fields[j + 4], fields[j + 5], fields[j + 6]};
        groups[SexGroup(result.sex)].push_back(std::move(result));
    }
    std::vector<UserResult> results;
    for (auto& group : groups) {
        SortByNickname(group);
        results.insert(results.end(), group.begin(), group.end());
    }
    return results;
}

std::vector<UserResult> ParseUserResultsOneSex(const std::vector<std::string>& fields,
                                               const std::string& criterion) {
    constexpr std::size_t kRecord = 7;
    std::vector<UserResult> results;
    const std::size_t records = fields.empty() ? 0 : (fields.size() - 1) / kRecord;
    for (std::size_t r = 0; r < records; ++r) {
        const std::size_t j = 1 + kRecord * r;
        results.push_back(
            {fields[j], fields[j + 1], fields[j + 3], criterion, fields[j + 4], fields[j + 5]});
    }
    SortByNickname(results);
    return results;
}

std::string UserResultText(const UserResult& result) {
    return result.nickname + " - " + result.town + " - (salon " + RoomDisplayName(result.room) +
           ")";
}
