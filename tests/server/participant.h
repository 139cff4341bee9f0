#pragma once

// A user logged in through the identification site, with its chat open in a room.

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "raw_client.h"
#include "support/babillon_server.h"

struct Participant {
    std::unique_ptr<raw::LineClient> line;
    std::string chatid;
};

inline Participant Enter(const BabillonServer& server, const std::string& alias,
                         const std::string& room) {
    Participant participant;
    const std::string tempid = raw::LoginForTempId(server.http_port(), "test", alias, room);
    participant.line = std::make_unique<raw::LineClient>(server.chat_port());
    participant.chatid = raw::Identify(*participant.line, tempid);
    participant.line->Send("40\t" + room + "\t0");
    participant.line->ReadLineStartingWith("40\t");
    return participant;
}

inline std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    return fields;
}
