#include "session/command_codes.h"

#include <initializer_list>

namespace {

std::string CleanField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (char c : field) {
        if (c != '\t' && c != '\r' && c != '\n') out.push_back(c);
    }
    return out;
}

std::string Line(std::string_view code, std::initializer_list<std::string_view> fields) {
    std::string out(code);
    for (std::string_view field : fields) {
        out += '\t';
        out += CleanField(field);
    }
    return out;
}

}  // namespace

std::string TempIdLine(std::string_view temp_id) {
    return Line(codes::Identification, {"0", temp_id});
}

std::string ProfileLine(std::string_view age, std::string_view sex_code, std::string_view town) {
    return Line(codes::Profile,
                {CleanField(age).substr(0, 5), sex_code, CleanField(town).substr(0, 25)});
}

std::string PublicRoomListLine() {
    return std::string(codes::PublicRoomList);
}

std::string PermanentRoomListLine() {
    return std::string(codes::PermanentRoomList);
}

std::string JoinRoomLine(std::string_view room, std::string_view kind) {
    return Line(codes::EnterRoom, {room, kind});
}

std::string MemberListLine() {
    return std::string(codes::MemberList);
}

std::string RoomTextLine(std::string_view body) {
    return Line(codes::RoomText, {body});
}

std::string PrivateTextLine(std::string_view chat_id, std::string_view body) {
    return Line(codes::PrivateText, {chat_id, body});
}

std::string UserInfoLine(std::string_view chat_id) {
    return Line(codes::UserInfo, {chat_id});
}

std::string StatusLine(std::string_view text) {
    return Line(codes::Status, {text});
}

std::string PrivacyModeLine(std::string_view mode) {
    return Line(codes::PrivacyMode, {mode});
}

std::string IgnoreLine(std::string_view chat_id) {
    return Line(codes::Ignore, {"-1", chat_id});
}

std::string UnignoreLine(std::string_view chat_id) {
    return Line(codes::Ignore, {"1", chat_id});
}

std::string UserSearchLine(std::string_view search_code, std::string_view text,
                           std::string_view age_class, std::string_view sex_class) {
    return Line(search_code, {CleanField(text).substr(0, 4), age_class, sex_class});
}

std::string ConnectedCountLine() {
    return std::string(codes::ConnectedCount);
}

std::string ConnectionCheckLine() {
    return std::string(codes::ConnectionCheck);
}
