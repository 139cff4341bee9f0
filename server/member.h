#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "server/web_sessions.h"

namespace babillon {

using ClientId = std::uint64_t;

// A user present on the chat server: a connected client, or a simulated member of the demo
// (no client).
struct Member {
    std::string chatid;
    std::string alias;
    std::string age;
    std::string town;
    std::string status_text;
    std::string mode = "0";          // privacy mode: "0" normal, "2" no new privates, "64" busy
    std::string room_key;            // Rooms::Key of the current room, empty before the first join
    std::string room_wire_name;      // as the server writes it
    std::set<std::string> partners;  // chat ids it has exchanged private messages with
    std::set<std::string> listed;    // chat ids its member list requests gave since it entered
    Sex sex = Sex::unknown;
    std::optional<ClientId> client;
};

// Sex as member lists, user information and searches carry it: "1" man, "0" woman.
std::string ListSexCode(Sex sex);
// Sex as the client's profile line and the login form carry it: "1" woman, "0" man.
Sex SexFromProfileCode(std::string_view code);

// The seven fields of a member in "85": chat id, unused, alias, status code, age, sex, town.
std::string MemberRecord(const Member& member);

// Control characters (TAB and line ends among them) would break the line format: blanks.
std::string CleanField(std::string_view text);

}  // namespace babillon
