#include "server/demo.h"

#include "server/log.h"

namespace babillon {
namespace {

// A client that floods the simulated members with private messages gets a few answers only.
constexpr size_t kMaxPendingReplies = 20;

}  // namespace

Demo::Demo(ChatSide& chat) : chat_(chat), random_(std::random_device{}()) {
    chat_.on_simulated_private = [this](const std::string& bot, const std::string& user,
                                        const std::string&) {
        if (replies_.size() >= kMaxPendingReplies) return;
        replies_.push_back({.from = bot, .to = user, .when = Clock::now() + Seconds(2, 6)});
    };
}

void Demo::Start(Clock::time_point now) {
    for (const demo::Character& character : demo::Characters()) {
        bots_.push_back({&character, "", now});
        Arrive(bots_.back(), now);
    }
    Log("demo: ", bots_.size(), " simulated members are in the rooms");
}

Clock::time_point Demo::Run(Clock::time_point now) {
    for (Bot& bot : bots_) {
        if (now < bot.next) continue;
        if (bot.chatid.empty()) {
            Arrive(bot, now);
            Talk(bot, Pick(demo::Greetings()));
        } else if (std::uniform_int_distribution(1, 25)(random_) == 1) {
            Log("demo: ", bot.character->alias, " leaves for a while");
            chat_.RemoveSimulated(bot.chatid);
            bot.chatid.clear();
            bot.next = now + Seconds(10, 40);
        } else {
            std::string text(Pick(demo::RoomLines()));
            const size_t slot = text.find("{}");
            if (slot != std::string::npos) text.replace(slot, 2, SomeoneElseIn(bot));
            Talk(bot, text);
            bot.next = now + Seconds(8, 30);
        }
    }
    for (auto reply = replies_.begin(); reply != replies_.end();) {
        if (now < reply->when) {
            ++reply;
            continue;
        }
        chat_.SayPrivately(reply->from, reply->to,
                           "0100" + std::string(Pick(demo::PrivateReplies())));
        reply = replies_.erase(reply);
    }
    Clock::time_point next = Clock::time_point::max();
    for (const Bot& bot : bots_) next = std::min(next, bot.next);
    for (const Reply& reply : replies_) next = std::min(next, reply.when);
    return next;
}

void Demo::Arrive(Bot& bot, Clock::time_point now) {
    const demo::Character& who = *bot.character;
    Profile profile;
    profile.alias = who.alias;
    profile.age = who.age;
    profile.town = who.town;
    profile.sex = who.sex;
    bot.chatid = chat_.AddSimulated(profile);
    chat_.Join(bot.chatid, who.room, "0");
    bot.next = now + Seconds(3, 20);
}

void Demo::Talk(Bot& bot, std::string_view text) {
    // Mostly spoken ("01"), now and then murmured or shouted.
    static constexpr std::string_view kEffects[] = {"01", "01", "01", "00", "02"};
    chat_.SayInRoom(bot.chatid, std::string(Pick(kEffects)) + std::string(bot.character->colour) +
                                    std::string(text));
}

std::string Demo::SomeoneElseIn(const Bot& bot) {
    const Member* self = chat_.FindMember(bot.chatid);
    std::vector<std::string> others;
    if (self != nullptr) {
        for (const Member* member : chat_.MembersIn(self->room_key)) {
            if (member != self) others.push_back(member->alias);
        }
    }
    if (others.empty()) return "tout le monde";
    return others[std::uniform_int_distribution<size_t>(0, others.size() - 1)(random_)];
}

Clock::duration Demo::Seconds(int low, int high) {
    return std::chrono::seconds(std::uniform_int_distribution(low, high)(random_));
}

template <typename List>
std::string_view Demo::Pick(const List& list) {
    const auto size = std::size(list);
    return list[std::uniform_int_distribution<size_t>(0, size - 1)(random_)];
}

}  // namespace babillon
