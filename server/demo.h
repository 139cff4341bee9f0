#pragma once

#include <random>
#include <set>
#include <string>
#include <vector>

#include "server/chat_side.h"
#include "server/demo_script.h"

namespace babillon {

// Simulated members for trying the client by hand: they sit in the rooms, say something now
// and then (with effects, colours, emoticons and pictures), sometimes leave and come back,
// are busy or refuse new private conversations for a while, answer private messages and remote
// macro calls, call the user's own macros, and ignore whoever asks them to ("ignore-moi").
class Demo {
  public:
    explicit Demo(ChatSide& chat);

    void Start(Clock::time_point now);
    // Does what is due and says when the next thing is.
    Clock::time_point Run(Clock::time_point now);

  private:
    struct Bot {
        const demo::Character* character;
        std::string chatid;  // empty while away
        Clock::time_point next;
        bool mode_on = false;  // in its character's privacy mode rather than "0"
        Clock::time_point next_mode_change{};
        std::set<std::string> ignoring{};  // chat ids it asked the server to ignore
    };
    struct Reply {
        std::string from;
        std::string to;
        std::string body;
        Clock::time_point when;
    };

    void Arrive(Bot& bot, Clock::time_point now);
    void Talk(Bot& bot, std::string_view text);
    void SwitchMode(Bot& bot, Clock::time_point now);
    std::string SomeoneElseIn(const Bot& bot);
    std::string Coded(std::string_view usual_colour, std::string_view text);
    Clock::duration Seconds(int low, int high);
    bool OneIn(int chances);
    template <typename List>
    std::string_view Pick(const List& list) {
        return list[std::uniform_int_distribution<size_t>(0, std::size(list) - 1)(random_)];
    }

    // In demo_private.cpp.
    void PrivateReceived(const std::string& bot_id, const std::string& user,
                         const std::string& body, Clock::time_point now);
    void Queue(Reply reply);
    void SendDueReplies(Clock::time_point now);

    ChatSide& chat_;
    std::mt19937 random_;
    std::vector<Bot> bots_;
    std::vector<Reply> replies_;
};

}  // namespace babillon
