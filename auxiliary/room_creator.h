#pragma once

#include <string>
#include <vector>

// The creator of a room from the room list's items (line 1 the room's name as the server
// writes it, line 5 its creator), found by the name the room window shows; "?" when no item
// names that room.
std::string RoomCreator(const std::vector<std::string>& room_items,
                        const std::string& display_name);
