// The chat side speaks UTF-8, like this file.
#include "server/search_crowd.h"

#include <iterator>
#include <string_view>

#include "server/crowd.h"
#include "server/log.h"

namespace babillon {
namespace {

constexpr std::string_view kRooms[] = {"Flânerie#0", "Jeux#1", "Rencontres#0", "Musique#2",
                                       "Café#des#amis#0"};
// Past the numbers that --crowd uses, so that nicknames stay distinct from its members'.
constexpr int kFirstNumber = 10000;

}  // namespace

void SeatSearchCrowd(ChatSide& chat, Rooms& rooms, int count) {
    for (std::string_view room : kRooms) rooms.Resolve(std::string(room), "0", "Babillon");
    for (int n = 0; n < count; ++n) {
        const std::string chatid = chat.AddSimulated(CrowdProfile(kFirstNumber + n));
        chat.Join(chatid, std::string(kRooms[static_cast<std::size_t>(n) % std::size(kRooms)]),
                  "0");
    }
    Log("demo: ", count, " silent members sit in ", std::size(kRooms), " rooms");
}

}  // namespace babillon
