#include "server/chat_side.h"

#include "server/log.h"
#include "server/text.h"

namespace babillon {

ChatSide::ChatSide(WebSessions& sessions, Rooms& rooms, ChatTransport& transport,
                   CheckSettings checks, Clock::time_point now)
    : sessions_(sessions),
      rooms_(rooms),
      transport_(transport),
      checks_(checks),
      next_check_(now + checks.interval) {}

void ChatSide::Connected(ClientId client) {
    clients_[client] = Client{};
    Log("chat: client ", client, " connected, sending 100");
    transport_.Send(client, "100");
}

namespace {

struct ParsedLine {
    std::string_view code;
    std::string_view rest;  // everything after the code and its TAB
    std::vector<std::string> fields;
};

ParsedLine Parse(std::string_view line) {
    const size_t tab = line.find('\t');
    ParsedLine parsed{
        line.substr(0, tab), tab == std::string_view::npos ? "" : line.substr(tab + 1), {}};
    if (!parsed.rest.empty()) parsed.fields = Split(parsed.rest, '\t');
    return parsed;
}

}  // namespace

void ChatSide::LineReceived(ClientId client, std::string_view line) {
    const auto found = clients_.find(client);
    if (found == clients_.end()) return;
    const auto [code, rest, fields] = Parse(line);
    const std::string& who = found->second.chatid;
    Log("chat: ", who.empty() ? "client " + std::to_string(client) : who, " says \"",
        line.substr(0, 200), line.size() > 200 ? "...\"" : "\"");

    if (code == "667") {
        found->second.check_sent.reset();
        return;
    }
    if (found->second.chatid.empty()) {
        if (code == "0") {
            Identify(client, fields);
        } else {
            Log("chat: client ", client, " sent \"", code, "\" before identifying; ignored");
        }
        return;
    }
    const auto member = members_.find(found->second.chatid);
    if (member != members_.end()) Dispatch(member->second, code, fields, rest);
}

void ChatSide::Dispatch(Member& member, std::string_view code, const Fields& fields,
                        std::string_view rest) {
    const auto& handlers = Handlers();
    const auto handler = handlers.find(code);
    if (handler == handlers.end()) {
        Log("chat: ", member.chatid, " sent unknown code \"", code, "\"; ignored");
        return;
    }
    (this->*handler->second)(member, fields, rest);
}

void ChatSide::Disconnected(ClientId client) {
    const auto found = clients_.find(client);
    if (found == clients_.end()) return;
    Log("chat: client ", client, " closed the connection");
    if (!found->second.chatid.empty()) RemoveMember(found->second.chatid);
    clients_.erase(found);
}

void ChatSide::Drop(ClientId client, std::string_view reason) {
    const auto found = clients_.find(client);
    if (found == clients_.end()) return;
    Log("chat: dropping client ", client, ": ", reason);
    if (!found->second.chatid.empty()) RemoveMember(found->second.chatid);
    clients_.erase(found);
    transport_.Close(client);
}

void ChatSide::Identify(ClientId client, const Fields& fields) {
    const std::string tempid = fields.size() > 1 ? fields[1] : "";
    WebSession* session = sessions_.FindByTempId(tempid);
    if (session == nullptr) {
        Log("chat: client ", client, " gave the unknown temporary id \"", tempid, "\"");
        transport_.Send(client, "11");
        Drop(client, "refused");
        return;
    }
    if (!session->chatid.empty()) {
        const Member* previous = FindMember(session->chatid);
        if (previous != nullptr && previous->client) {
            Drop(*previous->client, "the same user connected again");
        }
    }
    if (session->chatid.empty()) session->chatid = NewChatId(session->profile.alias);

    Member member;
    member.chatid = session->chatid;
    member.alias = session->profile.alias;
    member.age = session->profile.age;
    member.town = session->profile.town;
    member.sex = session->profile.sex;
    member.status_text = session->profile.status;
    member.client = client;
    AddMember(std::move(member));
    clients_[client].chatid = session->chatid;
    Log("chat: client ", client, " is ", session->chatid, " (", session->profile.alias, ")");
    transport_.Send(client, "0\t" + session->chatid + "\t" +
                                CleanField(Cp1252ToUtf8(session->login)) + "\t" +
                                std::to_string(++connection_counter_));
    if (on_identified) {
        on_identified(*FindMember(session->chatid));
    } else {
        transport_.Send(client, "330\t-1");
    }
}

void ChatSide::CheckAll(Clock::time_point now) {
    for (auto& [id, client] : clients_) {
        transport_.Send(id, "667");
        if (!client.check_sent) client.check_sent = now;
    }
}

void ChatSide::Tick(Clock::time_point now) {
    if (checks_.interval > Clock::duration::zero() && now >= next_check_) {
        CheckAll(now);
        next_check_ = now + checks_.interval;
    }
    if (checks_.timeout <= Clock::duration::zero()) return;
    std::vector<ClientId> silent;
    for (const auto& [id, client] : clients_) {
        if (client.check_sent && now - *client.check_sent >= checks_.timeout) silent.push_back(id);
    }
    for (const ClientId id : silent) Drop(id, "no answer to 667");
}

Clock::time_point ChatSide::NextDeadline() const {
    Clock::time_point next = Clock::time_point::max();
    if (checks_.interval > Clock::duration::zero()) next = next_check_;
    if (checks_.timeout <= Clock::duration::zero()) return next;
    for (const auto& [id, client] : clients_) {
        if (client.check_sent) next = std::min(next, *client.check_sent + checks_.timeout);
    }
    return next;
}

std::string ChatSide::NewChatId(std::string_view alias) {
    // Letters and digits of the alias, then a counter after a '-' that no alias part holds,
    // so two users never share an id; 12 + 1 + up to 7 digits stays within 20 characters.
    std::string id;
    for (const char c : AsciiLower(alias)) {
        if (id.size() == 12) break;
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) id.push_back(c);
    }
    if (id.empty()) id = "babi";
    return id + "-" + std::to_string(++chatid_counter_ % 10000000);
}

Member& ChatSide::AddMember(Member member) {
    const std::string chatid = member.chatid;
    Member& added = members_[chatid] = std::move(member);
    if (on_presence) on_presence(added, Presence::arrived);
    return added;
}

void ChatSide::RemoveMember(const std::string& chatid) {
    const auto found = members_.find(chatid);
    if (found == members_.end()) return;
    LeaveRoom(found->second);
    if (on_presence) on_presence(found->second, Presence::left);
    members_.erase(found);
}

void ChatSide::LeaveRoom(Member& member) {
    if (member.room_key.empty()) return;
    const std::string key = member.room_key;
    member.room_key.clear();
    member.room_wire_name.clear();
    // The client reads every field after the sub-code 1 as the chat id of a leaver.
    SendToRoom(key, "85\t1\t" + member.chatid);
}

void ChatSide::Send(const Member& member, std::string line) {
    if (member.client) transport_.Send(*member.client, std::move(line));
}

void ChatSide::SendToRoom(std::string_view room_key, const std::string& line,
                          const Member* except) {
    // Only clients read lines: walking them rather than every member keeps a room of thousands
    // of simulated members cheap to fill.
    for (const auto& [id, client] : clients_) {
        const Member* member = FindMember(client.chatid);
        if (member != nullptr && member != except && member->room_key == room_key) {
            transport_.Send(id, line);
        }
    }
}

const Member* ChatSide::FindMember(std::string_view chatid) const {
    const auto found = members_.find(chatid);
    return found == members_.end() ? nullptr : &found->second;
}

std::vector<const Member*> ChatSide::MembersIn(std::string_view room_key) const {
    std::vector<const Member*> in_room;
    for (const auto& [chatid, member] : members_) {
        if (member.room_key == room_key) in_room.push_back(&member);
    }
    return in_room;
}

std::vector<const Member*> ChatSide::Clients() const {
    std::vector<const Member*> connected;
    for (const auto& [id, client] : clients_) {
        if (const Member* member = FindMember(client.chatid)) connected.push_back(member);
    }
    return connected;
}

std::map<std::string, std::string> ChatSide::RoomsWithClients() const {
    std::map<std::string, std::string> rooms;
    for (const auto& [chatid, member] : members_) {
        if (member.client && !member.room_key.empty()) {
            rooms[member.room_key] = member.room_wire_name;
        }
    }
    return rooms;
}

int ChatSide::CountIn(std::string_view room_key) const {
    return static_cast<int>(MembersIn(room_key).size());
}

std::string ChatSide::AddSimulated(const Profile& profile) {
    Member member;
    member.chatid = NewChatId(profile.alias);
    member.alias = profile.alias;
    member.age = profile.age;
    member.town = profile.town;
    member.sex = profile.sex;
    member.status_text = profile.status;
    return AddMember(std::move(member)).chatid;
}

void ChatSide::RemoveSimulated(const std::string& chatid) {
    const Member* member = FindMember(chatid);
    if (member != nullptr && !member->client) RemoveMember(chatid);
}

void ChatSide::Join(const std::string& chatid, std::string_view room, std::string_view kind) {
    const auto found = members_.find(chatid);
    if (found != members_.end())
        JoinRoom(found->second, {std::string(room), std::string(kind)}, "");
}

void ChatSide::SayInRoom(const std::string& chatid, std::string_view body) {
    const auto found = members_.find(chatid);
    if (found != members_.end()) RoomText(found->second, {}, body);
}

void ChatSide::ActAs(const std::string& chatid, std::string_view line) {
    const auto found = members_.find(chatid);
    if (found == members_.end()) return;
    const auto [code, rest, fields] = Parse(line);
    Dispatch(found->second, code, fields, rest);
}

void ChatSide::SayPrivately(const std::string& from, const std::string& to, std::string_view body) {
    const auto found = members_.find(from);
    if (found != members_.end()) PrivateText(found->second, {to}, to + "\t" + std::string(body));
}

}  // namespace babillon
