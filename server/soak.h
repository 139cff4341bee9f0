#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "server/chat_side.h"
#include "server/demo_script.h"

namespace babillon {

// The load of --soak: a long, busy session in every room that holds a client, for watching the
// client's memory over time.
// - kSoakLinesPerSecond room lines, spread evenly, with effects, colours and emoticons, said by
//   a cast that keeps changing: every kSoakTurnover one member leaves and a new one arrives, so
//   that member lists, nickname links and private windows keep meeting new chat ids. One line
//   in ten names a client there.
// - Every kSoakPrivateEvery a member of the cast opens a private conversation with each client
//   in the room: a few lines a second apart; the member leaves with the turnover later.
// - The characters of the demo come and go in their own rooms, changing their status text once
//   while there: the friends among them arrive in and leave the clients' friends lists.
class Soak {
  public:
    static constexpr int kSoakLinesPerSecond = 200;
    static constexpr std::size_t kCastSize = 40;
    static constexpr auto kSoakTurnover = std::chrono::milliseconds(500);
    static constexpr auto kSoakPrivateEvery = std::chrono::seconds(4);
    // Each character of the demo in turn arrives, changes its status text and leaves, one
    // step every kSoakFriendPhase, the characters' steps spread over the phase.
    static constexpr auto kSoakFriendPhase = std::chrono::seconds(2);

    Soak(ChatSide& chat, Clock::time_point now);

    // Does what is due and says when the next thing is.
    Clock::time_point Run(Clock::time_point now);

  private:
    struct Cast {
        std::string wire_name;
        std::deque<std::string> members;  // chat ids, oldest first
    };
    struct PrivateLine {
        std::string from;
        std::string to;
        std::string body;
        Clock::time_point when;
    };
    enum class FriendPhase { away, arrived, status_changed };
    struct Character {
        std::string chatid;
        FriendPhase phase = FriendPhase::away;
        Clock::time_point next;
    };

    void FollowClients();
    void Arrive(Cast& cast);
    void Turnover(Clock::time_point now);
    void SayRoomLines(Clock::time_point now);
    void OpenPrivates(Clock::time_point now);
    void SendDuePrivateLines(Clock::time_point now);
    void StepCharacters(Clock::time_point now);
    void Step(const demo::Character& who, Character& character);
    std::vector<const Member*> ClientsIn(const std::string& room_key) const;

    ChatSide& chat_;
    const Clock::time_point start_;
    long long said_ = 0;  // room lines said in each room since start_
    int arrivals_ = 0;
    Clock::time_point next_turnover_;
    Clock::time_point next_private_;
    std::map<std::string, Cast, std::less<>> casts_;  // room key -> cast
    std::vector<PrivateLine> private_lines_;
    std::vector<Character> characters_;
};

// Room line number `n` of the soak; `client_alias` is named in one line in ten when not empty.
std::string SoakLine(long long n, const std::string& client_alias);

}  // namespace babillon
