#include "session/room_names.h"

#include <algorithm>

std::string RoomDisplayName(const std::string& raw_name) {
    std::string name = raw_name;
    // Only a "0" that is a whole "#" suffix is cut: "Salon#10" stays "Salon 10".
    if (name.size() >= 2 && name.compare(name.size() - 2, 2, "#0") == 0) {
        name.resize(name.size() - 2);
    }
    std::replace(name.begin(), name.end(), '#', ' ');
    return name;
}

std::string ProgramRoomName(const std::string& host) {
    return "Tamaris (" + host + ")";
}
