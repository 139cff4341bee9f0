#pragma once

#include <string_view>

#include "server/chat_side.h"
#include "server/rooms.h"

namespace babillon {

// The room of --crowd.
inline constexpr std::string_view kCrowdRoom = "Salon#Foule#0";

// The crowd's member number `n`: a nickname (accents included, never a "#"), an age from 18 to
// 77, a sex of each kind, a town; the same number always gives the same member.
Profile CrowdProfile(int n);
// One member in seven is busy.
bool CrowdMemberIsBusy(int n);

// Seats `count` silent simulated members in kCrowdRoom, for measuring the client when it
// enters a big room.
void SeatCrowd(ChatSide& chat, Rooms& rooms, int count);

}  // namespace babillon
