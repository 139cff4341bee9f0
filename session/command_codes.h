#pragma once

#include <string>
#include <string_view>

// The command codes of the chat connection. Codes are compared as exact text ("040" is not
// "40"); a code used in both directions has one name.
namespace codes {

inline constexpr std::string_view Identification = "0";  // in: own ids; out: temporary id
inline constexpr std::string_view ConnectionRefused = "11";
inline constexpr std::string_view Ignore = "18";
inline constexpr std::string_view PrivacyMode = "26";
inline constexpr std::string_view EnterRoom = "40";
inline constexpr std::string_view EnterRoomAlt = "41";  // inbound only, same as "40"
inline constexpr std::string_view SearchByNickname = "56";
inline constexpr std::string_view SearchByTown = "58";
inline constexpr std::string_view RoomText = "70";
inline constexpr std::string_view PrivateText = "72";
inline constexpr std::string_view PrivateEcho = "73";
inline constexpr std::string_view UserGone = "74";
inline constexpr std::string_view PrivateRefused = "75";
inline constexpr std::string_view IgnoredBy = "76";
inline constexpr std::string_view UserBusy = "79";
inline constexpr std::string_view Profile = "80";  // outbound only
inline constexpr std::string_view UserInfo = "82";
inline constexpr std::string_view Status = "84";
inline constexpr std::string_view MemberList = "85";
inline constexpr std::string_view PublicRoomList = "90";
inline constexpr std::string_view PermanentRoomList = "94";
inline constexpr std::string_view Welcome = "100";
inline constexpr std::string_view ConnectedCount = "199";
inline constexpr std::string_view FriendsList = "330";
inline constexpr std::string_view FriendsPresence = "332";
inline constexpr std::string_view ConnectionCheck = "667";

}  // namespace codes

// Builders of the outgoing lines, without the terminator that SendLine adds. TAB, CR and LF
// are removed from every field, so that a field can neither split into two fields nor end
// the line and start another command.
std::string TempIdLine(std::string_view temp_id);
// sex_code in the "80" convention: "1" woman, "0" man, "-1" unknown. Age keeps 5
// characters, town 25.
std::string ProfileLine(std::string_view age, std::string_view sex_code, std::string_view town);
std::string PublicRoomListLine();
std::string PermanentRoomListLine();
// kind "0" joins the public room of that name, "1" the private one.
std::string JoinRoomLine(std::string_view room, std::string_view kind);
std::string MemberListLine();
std::string RoomTextLine(std::string_view body);
std::string PrivateTextLine(std::string_view chat_id, std::string_view body);
std::string UserInfoLine(std::string_view chat_id);
std::string StatusLine(std::string_view text);
// mode "0" normal, "2" no new private conversations, "64" busy.
std::string PrivacyModeLine(std::string_view mode);
std::string IgnoreLine(std::string_view chat_id);
std::string UnignoreLine(std::string_view chat_id);
// search_code is codes::SearchByNickname or codes::SearchByTown; the text keeps its first 4
// characters.
std::string UserSearchLine(std::string_view search_code, std::string_view text,
                           std::string_view age_class, std::string_view sex_class);
std::string ConnectedCountLine();
std::string ConnectionCheckLine();
