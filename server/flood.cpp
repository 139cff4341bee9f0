#include "server/flood.h"

#include "server/demo_script.h"
#include "server/log.h"

namespace babillon {
namespace {

// Poll turns are grouped: every 10 ms the lines due by then go out together.
constexpr auto kGranularity = std::chrono::milliseconds(10);
constexpr std::string_view kSpeakerAlias = "Déferlante";

}  // namespace

Flood::Flood(ChatSide& chat, int rate, Clock::duration length, Clock::time_point now)
    : chat_(chat),
      rate_(rate),
      start_(now),
      end_(length > Clock::duration::zero() ? std::optional(now + length) : std::nullopt) {
    Log("flood: ", rate_, " room lines per second in every room with a client");
}

Clock::time_point Flood::Run(Clock::time_point now) {
    if (ended_) return Clock::time_point::max();
    if (end_ && now >= *end_) {
        End();
        return Clock::time_point::max();
    }
    FollowClients();
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(now - start_);
    const long long due = elapsed.count() * rate_ / 1'000'000;
    // After a stall (a suspended machine, a debugger) the missed lines are skipped, not
    // poured out at once: at most a tenth of a second's worth is caught up.
    const long long catch_up = rate_ / 10 + 1;
    if (due - said_ > catch_up) said_ = due - catch_up;
    for (; said_ < due; ++said_) {
        const std::string line = FloodLine(said_);
        for (const auto& [room, speaker] : speakers_) chat_.SayInRoom(speaker, line);
    }
    Clock::time_point next = std::max(DueTime(said_ + 1), now + kGranularity);
    if (end_) next = std::min(next, *end_);
    return next;
}

void Flood::FollowClients() {
    const std::map<std::string, std::string> rooms = chat_.RoomsWithClients();
    for (auto speaker = speakers_.begin(); speaker != speakers_.end();) {
        if (rooms.contains(speaker->first)) {
            ++speaker;
            continue;
        }
        chat_.RemoveSimulated(speaker->second);
        speaker = speakers_.erase(speaker);
    }
    for (const auto& [key, wire_name] : rooms) {
        if (speakers_.contains(key)) continue;
        Profile profile;
        profile.alias = kSpeakerAlias;
        profile.age = "30";
        profile.town = "Évian";
        profile.sex = Sex::woman;
        const std::string chatid = chat_.AddSimulated(profile);
        chat_.Join(chatid, wire_name, "0");
        speakers_[key] = chatid;
        Log("flood: ", chatid, " floods ", wire_name);
    }
}

void Flood::End() {
    for (const auto& [room, speaker] : speakers_) chat_.RemoveSimulated(speaker);
    speakers_.clear();
    ended_ = true;
    Log("flood: over after ", said_, " lines per room");
}

Clock::time_point Flood::DueTime(long long line) const {
    return start_ + std::chrono::microseconds(line * 1'000'000 / rate_);
}

std::string FloodLine(long long n) {
    static constexpr std::string_view kEffects[] = {"00", "01", "02", "03"};
    static constexpr std::string_view kColours[] = {"00", "01", "02", "03", "04", "05",
                                                    "06", "07", "08", "09", "10", "11"};
    const std::span<const std::string_view> phrases = demo::FloodPhrases();
    const auto pick = [n](const auto& list) {
        return list[static_cast<size_t>(n) % std::size(list)];
    };
    return std::string(pick(kEffects)) + std::string(pick(kColours)) + "n°" +
           std::to_string(n + 1) + " " + std::string(pick(phrases));
}

}  // namespace babillon
