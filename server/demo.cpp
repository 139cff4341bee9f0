#include "server/demo.h"

#include "server/log.h"

namespace babillon {

Demo::Demo(ChatSide& chat) : chat_(chat), random_(std::random_device{}()) {
    chat_.on_simulated_private = [this](const std::string& bot, const std::string& user,
                                        const std::string& body) {
        PrivateReceived(bot, user, body, Clock::now());
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
        if (!bot.chatid.empty() && !bot.character->mode.empty() && now >= bot.next_mode_change) {
            SwitchMode(bot, now);
        }
        if (now < bot.next) continue;
        if (bot.chatid.empty()) {
            Arrive(bot, now);
            Talk(bot, Pick(demo::Greetings()));
        } else if (OneIn(25)) {
            Log("demo: ", bot.character->alias, " leaves for a while");
            chat_.RemoveSimulated(bot.chatid);
            bot.chatid.clear();
            bot.next = now + Seconds(10, 40);
        } else {
            std::string text(Pick(demo::RoomLines()));
            const size_t slot = text.find("{}");
            if (slot != std::string::npos) text.replace(slot, 2, SomeoneElseIn(bot));
            Talk(bot, text);
            bot.next = now + Seconds(6, 20);
        }
    }
    SendDueReplies(now);
    Clock::time_point next = Clock::time_point::max();
    for (const Bot& bot : bots_) {
        next = std::min(next, bot.next);
        if (!bot.chatid.empty() && !bot.character->mode.empty()) {
            next = std::min(next, bot.next_mode_change);
        }
    }
    for (const Reply& reply : replies_) next = std::min(next, reply.when);
    return next;
}

void Demo::Arrive(Bot& bot, Clock::time_point now) {
    const demo::Character& who = *bot.character;
    bot.chatid = chat_.AddSimulated(demo::ProfileOf(who));
    chat_.Join(bot.chatid, who.room, "0");
    bot.next = now + Seconds(3, 15);
    // Back with a new chat id: whatever mode and ignore list it had went with the old one.
    bot.mode_on = false;
    bot.next_mode_change = now + Seconds(20, 60);
    bot.ignoring.clear();
}

void Demo::SwitchMode(Bot& bot, Clock::time_point now) {
    bot.mode_on = !bot.mode_on;
    const std::string mode(bot.mode_on ? bot.character->mode : "0");
    Log("demo: ", bot.character->alias, " switches to privacy mode ", mode);
    chat_.ActAs(bot.chatid, "26\t" + mode);
    if (bot.character->mode == "64") {
        chat_.ActAs(bot.chatid,
                    "84\t" + std::string(bot.mode_on ? Pick(demo::BusyReasons()) : "en ligne"));
    }
    bot.next_mode_change = now + (bot.mode_on ? Seconds(30, 60) : Seconds(40, 90));
}

void Demo::Talk(Bot& bot, std::string_view text) {
    chat_.SayInRoom(bot.chatid, Coded(bot.character->colour, text));
}

// Half of the lines meant for someone go to a connected user when there is one, so that the
// client's highlighting of its own nickname shows up often enough to be seen.
std::string Demo::SomeoneElseIn(const Bot& bot) {
    const Member* self = chat_.FindMember(bot.chatid);
    std::vector<std::string> others;
    std::vector<std::string> users;
    if (self != nullptr) {
        for (const Member* member : chat_.MembersIn(self->room_key)) {
            if (member == self) continue;
            others.push_back(member->alias);
            if (member->client) users.push_back(member->alias);
        }
    }
    if (!users.empty() && OneIn(2)) return std::string(Pick(users));
    if (others.empty()) return "tout le monde";
    return std::string(Pick(others));
}

// Mostly spoken ("01") in the member's own colour; now and then murmured, shouted or waved,
// in another colour or in "11" (rainbow).
std::string Demo::Coded(std::string_view usual_colour, std::string_view text) {
    static constexpr std::string_view kEffects[] = {"01", "01", "01", "00", "02", "03"};
    static constexpr std::string_view kColours[] = {"00", "01", "02", "03", "04", "05",
                                                    "06", "07", "08", "09", "10", "11"};
    const std::string_view colour = OneIn(3) ? Pick(kColours) : usual_colour;
    return std::string(Pick(kEffects)) + std::string(colour) + std::string(text);
}

Clock::duration Demo::Seconds(int low, int high) {
    return std::chrono::seconds(std::uniform_int_distribution(low, high)(random_));
}

bool Demo::OneIn(int chances) {
    return std::uniform_int_distribution(1, chances)(random_) == 1;
}

}  // namespace babillon
