#include "directory/user_results.h"

#include <iterator>

#include "directory/item_order.h"

namespace {

int SexGroup(std::string_view sex) {
    if (sex == "0") return 0;
    if (sex == "1") return 1;
    return 2;
}

std::size_t RecordCount(const std::vector<std::string>& fields, std::size_t record_size) {
    return fields.empty() ? 0 : (fields.size() - 1) / record_size;
}

std::string Cut(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, width));
}

}  // namespace

std::string SexColourName(std::string_view sex) {
    if (sex == "0") return "rose";
    if (sex == "1") return "bleu";
    return "vert";
}

std::string SexLetter(std::string_view sex) {
    if (sex == "0") return "F";
    if (sex == "1") return "H";
    return "I";
}

std::string UserItemText(const std::string& chat_id, const std::string& nickname,
                         const std::string& age, const std::string& sex, const std::string& town,
                         const std::string& room) {
    return nickname + "\n" + SexColourName(sex) + "\n" + age + " ; " + SexLetter(sex) + " ; " +
           town + "\n" + chat_id + "\n" + age + "\n" + sex + "\n" + town + "\n" + room + "\n";
}

std::vector<std::string> UserResultItems(const std::vector<std::string>& fields) {
    constexpr std::size_t kRecord = 8;
    std::vector<std::string> groups[3];
    for (std::size_t r = 0; r < RecordCount(fields, kRecord); ++r) {
        const std::size_t j = 1 + kRecord * r;
        const std::string& sex = fields[j + 4];
        groups[SexGroup(sex)].push_back(UserItemText(fields[j], fields[j + 1], fields[j + 3], sex,
                                                     fields[j + 5], fields[j + 6]));
    }
    std::vector<std::string> items;
    for (auto& group : groups) {
        SortListItems(group);
        items.insert(items.end(), std::make_move_iterator(group.begin()),
                     std::make_move_iterator(group.end()));
    }
    return items;
}

std::vector<std::string> UserResultItemsOneSex(const std::vector<std::string>& fields,
                                               const std::string& criterion) {
    constexpr std::size_t kRecord = 7;
    std::vector<std::string> items;
    for (std::size_t r = 0; r < RecordCount(fields, kRecord); ++r) {
        const std::size_t j = 1 + kRecord * r;
        items.push_back(UserItemText(fields[j], fields[j + 1], fields[j + 3], criterion,
                                     fields[j + 4], fields[j + 5]));
    }
    SortListItems(items);
    return items;
}

UserEntry ParseUserEntry(std::string_view item) {
    std::string_view lines[8];
    for (std::string_view& line : lines) {
        const std::size_t feed = item.find('\n');
        line = item.substr(0, feed);
        item = feed == std::string_view::npos ? std::string_view() : item.substr(feed + 1);
    }
    UserEntry entry;
    entry.nickname = std::string(lines[0]);
    entry.colour = Cut(lines[1], 5);
    entry.chat_id = Cut(lines[3], 20);
    entry.age = Cut(lines[4], 5);
    entry.sex = Cut(lines[5], 7);
    entry.town = Cut(lines[6], 25);
    entry.room = Cut(lines[7], 30);
    return entry;
}
