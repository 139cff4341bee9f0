#pragma once

#include "server/chat_side.h"
#include "server/rooms.h"

namespace babillon {

// Silent members spread over a few rooms of their own in --demo, so that a search for a common
// start of nickname or town finds many people in different rooms.
inline constexpr int kDemoSearchCrowd = 300;

void SeatSearchCrowd(ChatSide& chat, Rooms& rooms, int count);

}  // namespace babillon
