// The load of --soak. The chat side speaks UTF-8, like this file.
#include "server/soak.h"

#include <algorithm>
#include <array>
#include <span>

#include "server/crowd.h"
#include "server/demo_script.h"
#include "server/flood.h"
#include "server/log.h"

namespace babillon {
namespace {

// Poll turns are grouped: every 10 ms the lines due by then go out together.
constexpr auto kGranularity = std::chrono::milliseconds(10);
constexpr int kPrivateLines = 3;
constexpr auto kPrivateLineGap = std::chrono::seconds(1);

template <typename List>
std::string_view Cycle(const List& list, long long n) {
    return list[static_cast<std::size_t>(n) % std::size(list)];
}

}  // namespace

std::string SoakLine(long long n, const std::string& client_alias) {
    if (client_alias.empty() || n % 10 != 9) return FloodLine(n);
    static constexpr std::string_view kColours[] = {"00", "01", "02", "03", "04", "05",
                                                    "06", "07", "08", "09", "10", "11"};
    return "01" + std::string(Cycle(kColours, n / 10)) + client_alias + "> " +
           std::string(Cycle(demo::PrivateReplies(), n / 10));
}

Soak::Soak(ChatSide& chat, Clock::time_point now)
    : chat_(chat),
      start_(now),
      next_turnover_(now + kSoakTurnover),
      next_private_(now + kSoakPrivateEvery) {
    const std::size_t count = demo::Characters().size();
    for (std::size_t i = 0; i < count; ++i) {
        characters_.push_back(
            {"", FriendPhase::away,
             now + kSoakFriendPhase * static_cast<int>(i) / static_cast<int>(count)});
    }
    Log("soak: ", kSoakLinesPerSecond, " room lines per second, a cast of ", kCastSize,
        " that changes every ", kSoakTurnover.count(), " ms, private conversations and friends");
}

Clock::time_point Soak::Run(Clock::time_point now) {
    FollowClients();
    if (now >= next_turnover_) Turnover(now);
    if (now >= next_private_) OpenPrivates(now);
    StepCharacters(now);
    SendDuePrivateLines(now);
    SayRoomLines(now);

    const auto next_line =
        start_ + std::chrono::microseconds((said_ + 1) * 1'000'000 / kSoakLinesPerSecond);
    Clock::time_point next = std::min({next_line, next_turnover_, next_private_});
    for (const PrivateLine& line : private_lines_) next = std::min(next, line.when);
    for (const Character& character : characters_) next = std::min(next, character.next);
    return std::max(next, now + kGranularity);
}

void Soak::FollowClients() {
    const std::map<std::string, std::string> rooms = chat_.RoomsWithClients();
    for (auto cast = casts_.begin(); cast != casts_.end();) {
        if (rooms.contains(cast->first)) {
            ++cast;
            continue;
        }
        for (const std::string& chatid : cast->second.members) chat_.RemoveSimulated(chatid);
        cast = casts_.erase(cast);
    }
    for (const auto& [key, wire_name] : rooms) {
        if (casts_.contains(key)) continue;
        Cast& cast = casts_[key];
        cast.wire_name = wire_name;
        while (cast.members.size() < kCastSize) Arrive(cast);
        Log("soak: a cast of ", kCastSize, " talks in ", wire_name);
    }
}

void Soak::Arrive(Cast& cast) {
    const int n = arrivals_++;
    const std::string chatid = chat_.AddSimulated(CrowdProfile(n));
    if (CrowdMemberIsBusy(n)) chat_.ActAs(chatid, "26\t64");
    chat_.Join(chatid, cast.wire_name, "0");
    cast.members.push_back(chatid);
}

void Soak::Turnover(Clock::time_point now) {
    for (auto& [key, cast] : casts_) {
        chat_.RemoveSimulated(cast.members.front());
        cast.members.pop_front();
        Arrive(cast);
    }
    next_turnover_ = now + kSoakTurnover;
}

void Soak::SayRoomLines(Clock::time_point now) {
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(now - start_);
    const long long due = elapsed.count() * kSoakLinesPerSecond / 1'000'000;
    // After a stall the missed lines are skipped, not poured out at once.
    const long long catch_up = kSoakLinesPerSecond / 10 + 1;
    if (due - said_ > catch_up) said_ = due - catch_up;
    if (said_ >= due) return;
    for (auto& [key, cast] : casts_) {
        const std::vector<const Member*> clients = ClientsIn(key);
        const std::string named = clients.empty() ? std::string() : clients.front()->alias;
        for (long long n = said_; n < due; ++n) {
            const std::string& speaker = cast.members[static_cast<std::size_t>(n) % kCastSize];
            chat_.SayInRoom(speaker, SoakLine(n, named));
        }
    }
    said_ = due;
}

// The newest member of the cast writes: it stays about kCastSize turnovers before it leaves.
void Soak::OpenPrivates(Clock::time_point now) {
    for (auto& [key, cast] : casts_) {
        const std::string& from = cast.members.back();
        for (const Member* client : ClientsIn(key)) {
            for (int i = 0; i < kPrivateLines; ++i) {
                const long long n = static_cast<long long>(arrivals_) + i;
                const std::string body = "01" +
                                         std::string(Cycle(std::array{"05", "08", "11"}, n)) +
                                         std::string(Cycle(demo::PrivateReplies(), n));
                private_lines_.push_back({from, client->chatid, body, now + i * kPrivateLineGap});
            }
        }
    }
    next_private_ = now + kSoakPrivateEvery;
}

void Soak::SendDuePrivateLines(Clock::time_point now) {
    const auto due =
        std::stable_partition(private_lines_.begin(), private_lines_.end(),
                              [now](const PrivateLine& line) { return now < line.when; });
    for (auto line = due; line != private_lines_.end(); ++line) {
        chat_.SayPrivately(line->from, line->to, line->body);
    }
    private_lines_.erase(due, private_lines_.end());
}

void Soak::StepCharacters(Clock::time_point now) {
    const std::span<const demo::Character> cast = demo::Characters();
    for (std::size_t i = 0; i < characters_.size(); ++i) {
        if (now < characters_[i].next) continue;
        Step(cast[i], characters_[i]);
        characters_[i].next = now + kSoakFriendPhase;
    }
}

// Arrives, changes its status text, leaves.
void Soak::Step(const demo::Character& who, Character& character) {
    switch (character.phase) {
        case FriendPhase::away: {
            character.chatid = chat_.AddSimulated(demo::ProfileOf(who));
            chat_.Join(character.chatid, who.room, "0");
            character.phase = FriendPhase::arrived;
            break;
        }
        case FriendPhase::arrived:
            chat_.ActAs(character.chatid,
                        "84\t" + std::string(Cycle(demo::BusyReasons(), arrivals_)));
            character.phase = FriendPhase::status_changed;
            break;
        case FriendPhase::status_changed:
            chat_.RemoveSimulated(character.chatid);
            character.chatid.clear();
            character.phase = FriendPhase::away;
            break;
    }
}

std::vector<const Member*> Soak::ClientsIn(const std::string& room_key) const {
    std::vector<const Member*> clients;
    for (const Member* member : chat_.MembersIn(room_key)) {
        if (member->client) clients.push_back(member);
    }
    return clients;
}

}  // namespace babillon
