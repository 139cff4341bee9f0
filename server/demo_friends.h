#pragma once

#include <map>
#include <set>
#include <string>

#include "server/chat_side.h"

namespace babillon {

// The demo's friends list: some of the simulated members are every user's friends. A user
// gets the list once identified ("330" -1, then "332" -1 for the friends present), then hears
// of them as they arrive ("330" 0 and "332" 0), change their status text ("332" 0) and leave
// ("332" 1).
class DemoFriends {
  public:
    explicit DemoFriends(ChatSide& chat);

  private:
    void Identified(const Member& user);
    void PresenceChanged(const Member& member, ChatSide::Presence what);

    ChatSide& chat_;
    std::set<std::string> aliases_;
    // Alias -> chat id of the friends who are here.
    std::map<std::string, std::string> present_;
};

// "nickname:0account": what the friends list line carries for one friend.
std::string FriendEntry(std::string_view alias);
// The seven fields of a friend's information record: chat id, nickname, unused, age, sex,
// town, status text.
std::string FriendRecord(const Member& member);

}  // namespace babillon
