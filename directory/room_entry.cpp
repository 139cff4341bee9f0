#include "directory/room_entry.h"

#include <string_view>

#include "session/room_names.h"

namespace {

constexpr std::size_t kFieldsPerRoom = 4;

// The text before the first line feed; `rest` keeps what follows it (nothing without one).
std::string_view NextLine(std::string_view& rest) {
    const std::size_t feed = rest.find('\n');
    const std::string_view line = rest.substr(0, feed);
    rest = feed == std::string_view::npos ? std::string_view() : rest.substr(feed + 1);
    return line;
}

}  // namespace

const std::string kRoomListPlaceholder =
    "R\xE9"
    "ccup\xE9ration des salons en cours ...\nnull\nnull\nnull\nnull\nnull\n";

std::vector<std::string> RoomListItems(const std::vector<std::string>& fields) {
    std::vector<std::string> items;
    items.reserve(fields.size() / kFieldsPerRoom);
    for (std::size_t i = 0; i + kFieldsPerRoom <= fields.size(); i += kFieldsPerRoom) {
        const std::string& creator = fields[i + 2];
        items.push_back(fields[i] + "\njaune\nCr\xE9" "ateur : " + creator + "\n" + fields[i + 1] +
                        "\n" + creator + "\n" + fields[i + 3] + "\n");
    }
    return items;
}

RoomEntry ParseRoomEntry(const std::string& item) {
    std::string_view rest = item;
    RoomEntry entry;
    entry.raw_name = NextLine(rest);
    NextLine(rest);
    NextLine(rest);
    entry.attribute = NextLine(rest);
    entry.creator = NextLine(rest);
    entry.member_count = NextLine(rest);
    entry.display_name = RoomDisplayName(entry.raw_name);
    return entry;
}
