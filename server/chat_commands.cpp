// The chat side's answers to each client code.
#include "server/chat_side.h"
#include "server/log.h"
#include "server/phrase.h"
#include "server/search.h"

namespace babillon {
namespace {

constexpr size_t kMembersPerLine = 7;
// A client asks for the member list when it enters a room, and again after every change of a
// list of more than 35 entries. A page holds six lines of seven, 42 members: more than 35, so a
// client that got a full page asks for the next one. Once everybody was sent, requests get
// nothing, so a room of N members costs its N records whatever the client asks.
constexpr size_t kMembersPerPage = 6 * kMembersPerLine;

bool RefusedAsTooLong(const Member& member, std::string_view code, std::string_view body) {
    const size_t length = PhraseLength(body);
    if (length <= kMaxPhraseLength) return false;
    Log("chat: ", member.chatid, " sent a \"", code, "\" of ", length, " characters (at most ",
        kMaxPhraseLength, "); refused");
    return true;
}

const std::string& Field(const std::vector<std::string>& fields, size_t index) {
    static const std::string kEmpty;
    return index < fields.size() ? fields[index] : kEmpty;
}

// The lines of one page: the first line of the first page says "-1" (the client empties its
// list), every other line "0" (added to the list).
std::vector<std::string> MemberPageLines(const std::vector<const Member*>& page, bool first_page) {
    std::vector<std::string> lines;
    std::string line = first_page ? "85\t-1" : "85\t0";
    size_t on_line = 0;
    for (const Member* member : page) {
        if (on_line == kMembersPerLine) {
            lines.push_back(std::move(line));
            line = "85\t0";
            on_line = 0;
        }
        line += "\t" + MemberRecord(*member);
        ++on_line;
    }
    if (on_line > 0 || first_page) lines.push_back(std::move(line));
    return lines;
}

}  // namespace

const std::map<std::string, ChatSide::Handler, std::less<>>& ChatSide::Handlers() {
    static const std::map<std::string, Handler, std::less<>> kHandlers = {
        {"80", &ChatSide::Profile80},      {"90", &ChatSide::PublicRooms},
        {"94", &ChatSide::PermanentRooms}, {"40", &ChatSide::JoinRoom},
        {"85", &ChatSide::MemberList},     {"70", &ChatSide::RoomText},
        {"72", &ChatSide::PrivateText},    {"82", &ChatSide::UserInfo},
        {"26", &ChatSide::PrivacyMode},    {"84", &ChatSide::StatusText},
        {"18", &ChatSide::Ignore},         {"199", &ChatSide::ConnectedCount},
        {"56", &ChatSide::SearchByAlias},  {"58", &ChatSide::SearchByTown},
    };
    return kHandlers;
}

void ChatSide::Profile80(Member& member, const Fields& fields, std::string_view) {
    member.age = Field(fields, 0);
    member.sex = SexFromProfileCode(Field(fields, 1));
    member.town = Field(fields, 2);
    Log("chat: ", member.chatid, " profile: age \"", member.age, "\", sex ",
        ListSexCode(member.sex), ", town \"", member.town, "\"");
}

void ChatSide::PublicRooms(Member& member, const Fields&, std::string_view) {
    SendRoomList(member, "90", rooms_.PublicList());
}

void ChatSide::PermanentRooms(Member& member, const Fields&, std::string_view) {
    SendRoomList(member, "94", rooms_.PermanentList());
}

void ChatSide::SendRoomList(const Member& member, std::string_view code,
                            const std::vector<const Room*>& rooms) {
    std::string line(code);
    int listed = 0;
    for (const Room* room : rooms) {
        const int count = CountIn(Rooms::Key(room->wire_name));
        if (count == 0 && !room->built_in) continue;
        line += "\t" + room->wire_name + "\t" + room->attribute + "\t" + room->creator + "\t" +
                std::to_string(count);
        ++listed;
    }
    // The client takes a group of four only while more fields follow it, so the number of
    // rooms closes the line and the last room is shown too.
    Send(member, line + "\t" + std::to_string(listed));
}

void ChatSide::JoinRoom(Member& member, const Fields& fields, std::string_view) {
    const Room& room = rooms_.Resolve(Field(fields, 0), Field(fields, 1), member.alias);
    const std::string key = Rooms::Key(room.wire_name);
    if (member.room_key != key) {
        LeaveRoom(member);
        member.room_key = key;
        member.room_wire_name = room.wire_name;
        SendToRoom(key, "85\t0\t" + MemberRecord(member), &member);
    }
    Log("chat: ", member.chatid, " enters ", room.wire_name);
    member.list_cursor = {};
    Send(member, "40\t0\t" + room.wire_name);
}

void ChatSide::MemberList(Member& member, const Fields&, std::string_view) {
    MemberListCursor& cursor = member.list_cursor;
    std::vector<const Member*> page;
    if (!cursor.finished && !member.room_key.empty()) {
        auto next = cursor.started ? members_.upper_bound(cursor.last_sent) : members_.begin();
        for (; next != members_.end() && page.size() < kMembersPerPage; ++next) {
            if (next->second.room_key == member.room_key) page.push_back(&next->second);
        }
    }
    const bool first_page = !cursor.started;
    if (page.empty() && !first_page) {
        // Later arrivals were announced to it one by one.
        cursor.finished = true;
        Log("chat: ", member.chatid, " asks for more members, but all of them were sent");
        return;
    }
    cursor.started = true;
    cursor.finished = page.size() < kMembersPerPage;
    if (!page.empty()) cursor.last_sent = page.back()->chatid;
    for (std::string& line : MemberPageLines(page, first_page)) Send(member, std::move(line));
}

void ChatSide::RoomText(Member& member, const Fields&, std::string_view rest) {
    if (member.room_key.empty()) {
        Log("chat: ", member.chatid, " talks outside any room; ignored");
        return;
    }
    if (RefusedAsTooLong(member, "70", rest)) return;
    SendToRoom(member.room_key,
               "70\t" + member.chatid + "\t0\t" + member.alias + "\t" + CleanField(rest));
}

void ChatSide::PrivateText(Member& member, const Fields& fields, std::string_view rest) {
    const std::string& to = Field(fields, 0);
    const std::string body =
        CleanField(rest.size() > to.size() ? rest.substr(to.size() + 1) : std::string_view());
    if (RefusedAsTooLong(member, "72", body)) return;
    const auto target = members_.find(to);
    if (target == members_.end()) {
        Send(member, "74\t" + to);
        return;
    }
    Member& partner = target->second;
    if (partner.mode == "2" && !partner.partners.contains(member.chatid)) {
        Send(member, "75\t" + partner.chatid + "\t" + partner.alias);
        return;
    }
    member.partners.insert(partner.chatid);
    partner.partners.insert(member.chatid);
    Send(partner, "72\t" + member.chatid + "\t0\t" + member.alias + "\t" + body);
    Send(member, "73\t" + partner.chatid + "\t0\t" + partner.alias + "\t" + body);
    if (partner.mode == "64") {
        Send(member,
             "79\t" + partner.chatid + "\t0\t" + partner.alias + "\t" + partner.status_text);
    }
    if (!partner.client && on_simulated_private) {
        on_simulated_private(partner.chatid, member.chatid, body);
    }
}

void ChatSide::UserInfo(Member& member, const Fields& fields, std::string_view) {
    const Member* other = FindMember(Field(fields, 0));
    if (other == nullptr) {
        Send(member, "74\t" + Field(fields, 0));
        return;
    }
    Send(member, "82\t" + other->chatid + "\t0\t" + other->age + "\t" + ListSexCode(other->sex) +
                     "\t" + other->town);
}

void ChatSide::PrivacyMode(Member& member, const Fields& fields, std::string_view) {
    const std::string_view status_before = StatusCode(member);
    member.mode = Field(fields, 0);
    Log("chat: ", member.chatid, " privacy mode ", member.mode);
    Send(member, "26\t" + member.mode);
    // The room lists busy members apart; it hears of the change like of an arrival.
    if (StatusCode(member) != status_before && !member.room_key.empty()) {
        SendToRoom(member.room_key, "85\t0\t" + MemberRecord(member));
    }
}

void ChatSide::StatusText(Member& member, const Fields&, std::string_view rest) {
    member.status_text = CleanField(rest);
    Send(member, "84\t" + member.status_text);
    if (on_presence) on_presence(member, Presence::status);
}

void ChatSide::Ignore(Member& member, const Fields& fields, std::string_view) {
    const std::string& target = Field(fields, 1);
    if (Field(fields, 0) == "1") {
        Send(member, "18\t-1");
        return;
    }
    if (target.empty()) {
        // Confirming it would put an empty chat id in the client's ignore list.
        Log("chat: ", member.chatid, " asks to ignore nobody; ignored");
        return;
    }
    Send(member, "18\t-1\t" + target);
    if (const Member* other = FindMember(target)) {
        Send(*other, "76\t6\t" + member.chatid + "\t" + member.alias);
    }
}

void ChatSide::ConnectedCount(Member& member, const Fields&, std::string_view) {
    Send(member, "199\t" + std::to_string(members_.size()));
}

void ChatSide::SearchByAlias(Member& member, const Fields& fields, std::string_view) {
    SendSearchResults(member, "56", fields);
}

void ChatSide::SearchByTown(Member& member, const Fields& fields, std::string_view) {
    SendSearchResults(member, "58", fields);
}

void ChatSide::SendSearchResults(const Member& member, std::string_view code,
                                 const Fields& fields) {
    const SearchQuery query{Field(fields, 0), Field(fields, 1), Field(fields, 2), code == "58"};
    std::vector<const Member*> everyone;
    for (const auto& [chatid, other] : members_) everyone.push_back(&other);
    Send(member, SearchReply(code, query, everyone));
}

}  // namespace babillon
