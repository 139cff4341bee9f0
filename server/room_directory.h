#pragma once

#include "server/chat_side.h"
#include "server/rooms.h"

namespace babillon {

// The demo's room lists: some thirty public and permanent rooms, names with accents and
// several words, a few with more than 99 silent members, so that the room list and its
// search have something to show.
void SeatRoomDirectory(ChatSide& chat, Rooms& rooms);

}  // namespace babillon
