#pragma once

#include <string>

// A room name from the server shows with "#" as a space, and without a final "#0":
// "Salon#Ami#0" shows as "Salon Ami", "Salon#1" as "Salon 1".
std::string RoomDisplayName(const std::string& raw_name);

// The program's own room, "Tamaris (" + host + ")": the host is the identification server's
// address as configured, so that users of one service meet there.
std::string ProgramRoomName(const std::string& host);
