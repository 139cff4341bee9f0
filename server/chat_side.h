#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "server/member.h"
#include "server/rooms.h"
#include "server/web_sessions.h"

namespace babillon {

using Clock = std::chrono::steady_clock;

// What the chat side needs of the network: queue a line (without its LF) for a client, and
// close a client once what is queued has gone out.
class ChatTransport {
  public:
    virtual ~ChatTransport() = default;
    virtual void Send(ClientId client, std::string line) = 0;
    virtual void Close(ClientId client) = 0;
};

struct CheckSettings {
    Clock::duration interval{};  // zero: "667" only on demand
    Clock::duration timeout{};   // zero: nobody is dropped for not answering
};

// The chat server without its sockets: clients come and go, lines come in, lines go out
// through the transport. Simulated members (the demo) live here too, without a client.
class ChatSide {
  public:
    ChatSide(WebSessions& sessions, Rooms& rooms, ChatTransport& transport, CheckSettings checks,
             Clock::time_point now);

    void Connected(ClientId client);
    void LineReceived(ClientId client, std::string_view line);
    void Disconnected(ClientId client);

    // Sends "667" to every client; the ones that do not answer in time are dropped.
    void CheckAll(Clock::time_point now);
    void Tick(Clock::time_point now);
    Clock::time_point NextDeadline() const;

    // Simulated members.
    std::string AddSimulated(const Profile& profile);
    void RemoveSimulated(const std::string& chatid);
    void Join(const std::string& chatid, std::string_view room, std::string_view kind);
    void SayInRoom(const std::string& chatid, std::string_view body);
    void SayPrivately(const std::string& from, const std::string& to, std::string_view body);
    // The simulated member sends `line` as a client would ("26\t64", "18\t-1\t<chat id>"...).
    void ActAs(const std::string& chatid, std::string_view line);
    // Raised when someone writes privately to a simulated member: (to, from, body).
    std::function<void(const std::string&, const std::string&, const std::string&)>
        on_simulated_private;

    // Friends lists. on_identified replaces the empty list ("330\t-1") that a client gets once
    // identified; on_presence hears of every member that arrives, leaves or broadcasts a new
    // status text.
    enum class Presence { arrived, left, status };
    std::function<void(const Member& user)> on_identified;
    std::function<void(const Member& member, Presence what)> on_presence;
    void SendTo(const Member& member, std::string line) { Send(member, std::move(line)); }
    std::vector<const Member*> Clients() const;

    const Member* FindMember(std::string_view chatid) const;
    std::vector<const Member*> MembersIn(std::string_view room_key) const;
    // Room key -> wire name of every room where a connected client sits.
    std::map<std::string, std::string> RoomsWithClients() const;

  private:
    struct Client {
        std::string chatid;  // empty until the temporary id is accepted
        std::optional<Clock::time_point> check_sent;
    };
    using Fields = std::vector<std::string>;
    using Handler = void (ChatSide::*)(Member&, const Fields&, std::string_view rest);

    void Identify(ClientId client, const Fields& fields);
    void Dispatch(Member& member, std::string_view code, const Fields& fields,
                  std::string_view rest);
    void Drop(ClientId client, std::string_view reason);
    std::string NewChatId(std::string_view alias);
    Member& AddMember(Member member);
    void RemoveMember(const std::string& chatid);
    void LeaveRoom(Member& member);
    void Send(const Member& member, std::string line);
    void SendToRoom(std::string_view room_key, const std::string& line,
                    const Member* except = nullptr);
    int CountIn(std::string_view room_key) const;

    // One handler per client code, in chat_commands.cpp.
    static const std::map<std::string, Handler, std::less<>>& Handlers();
    void Profile80(Member& member, const Fields& fields, std::string_view rest);
    void PublicRooms(Member& member, const Fields& fields, std::string_view rest);
    void PermanentRooms(Member& member, const Fields& fields, std::string_view rest);
    void SendRoomList(const Member& member, std::string_view code,
                      const std::vector<const Room*>& rooms);
    void JoinRoom(Member& member, const Fields& fields, std::string_view rest);
    void MemberList(Member& member, const Fields& fields, std::string_view rest);
    void RoomText(Member& member, const Fields& fields, std::string_view rest);
    void PrivateText(Member& member, const Fields& fields, std::string_view rest);
    void UserInfo(Member& member, const Fields& fields, std::string_view rest);
    void PrivacyMode(Member& member, const Fields& fields, std::string_view rest);
    void StatusText(Member& member, const Fields& fields, std::string_view rest);
    void Ignore(Member& member, const Fields& fields, std::string_view rest);
    void ConnectedCount(Member& member, const Fields& fields, std::string_view rest);
    void SearchByAlias(Member& member, const Fields& fields, std::string_view rest);
    void SearchByTown(Member& member, const Fields& fields, std::string_view rest);
    void SendSearchResults(const Member& member, std::string_view code, const Fields& fields);

    WebSessions& sessions_;
    Rooms& rooms_;
    ChatTransport& transport_;
    CheckSettings checks_;
    Clock::time_point next_check_;
    std::map<ClientId, Client> clients_;
    std::map<std::string, Member, std::less<>> members_;
    int chatid_counter_ = 0;
    int connection_counter_ = 0;
};

}  // namespace babillon
