#pragma once

#include <span>
#include <string_view>

#include "server/web_sessions.h"

namespace babillon::demo {

struct Character {
    std::string_view alias;
    std::string_view age;
    std::string_view town;
    Sex sex;
    std::string_view room;    // as the rooms list writes it
    std::string_view colour;  // two-digit colour code of the messages
    // The privacy mode it takes now and then for a while: "64" busy, "2" no new private
    // conversations; empty: always "0".
    std::string_view mode;
};

std::span<const Character> Characters();
// The character's profile, as it arrives in the chat.
Profile ProfileOf(const Character& who);
// Room lines; "{}" stands for the alias of someone else in the room.
std::span<const std::string_view> RoomLines();
std::span<const std::string_view> Greetings();
std::span<const std::string_view> PrivateReplies();
// Calls of the user's remote macros, which its client answers on its own.
std::span<const std::string_view> RemoteCalls();
// Status texts of a busy member.
std::span<const std::string_view> BusyReasons();
// Lines of --flood, each about a hundred bytes.
std::span<const std::string_view> FloodPhrases();

}  // namespace babillon::demo
