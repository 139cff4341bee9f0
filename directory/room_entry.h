#pragma once

#include <string>
#include <vector>

#include "session/limited_text.h"

// An item of the room list is six lines, each ended by a line feed: the raw room name, the
// hint colour "jaune", the hint "Créateur : " + creator, the attribute field, the creator and
// the member count, all as the server sent them.
struct RoomEntry {
    LimitedText<255> raw_name;
    LimitedText<255> display_name;
    LimitedText<255> attribute;  // "null" on the placeholder
    LimitedText<255> creator;
    LimitedText<2> member_count;  // "123" shows as "12": the list has room for two digits

    bool IsPlaceholder() const { return attribute == "null"; }
};

// Shown while a list is on its way; it can be neither joined nor forced.
extern const std::string kRoomListPlaceholder;

// Every whole group of four fields (raw name, attribute, creator, member count) of a "90" or
// "94" line makes an item; a last incomplete group (the server closes its lines with the room
// count) is left out.
std::vector<std::string> RoomListItems(const std::vector<std::string>& fields);

// Missing lines read as empty.
RoomEntry ParseRoomEntry(const std::string& item);
