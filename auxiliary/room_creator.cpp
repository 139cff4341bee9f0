#include "auxiliary/room_creator.h"

#include "session/room_names.h"

namespace {

constexpr std::size_t kCreatorLine = 4;

std::vector<std::string> Lines(const std::string& item) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= item.size()) {
        const std::size_t feed = item.find('\n', start);
        if (feed == std::string::npos) {
            lines.push_back(item.substr(start));
            break;
        }
        lines.push_back(item.substr(start, feed - start));
        start = feed + 1;
    }
    return lines;
}

}  // namespace

std::string RoomCreator(const std::vector<std::string>& room_items,
                        const std::string& display_name) {
    for (const std::string& item : room_items) {
        const std::vector<std::string> lines = Lines(item);
        if (lines.size() <= kCreatorLine || lines[0].empty()) continue;
        if (RoomDisplayName(lines[0]) == display_name) return lines[kCreatorLine];
    }
    return "?";
}
