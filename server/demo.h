#pragma once

#include <random>
#include <string>
#include <vector>

#include "server/chat_side.h"
#include "server/demo_script.h"

namespace babillon {

// Simulated members for trying the client by hand: they sit in the rooms, say something now
// and then, sometimes leave and come back, and answer private messages.
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
    };
    struct Reply {
        std::string from;
        std::string to;
        Clock::time_point when;
    };

    void Arrive(Bot& bot, Clock::time_point now);
    void Talk(Bot& bot, std::string_view text);
    std::string SomeoneElseIn(const Bot& bot);
    Clock::duration Seconds(int low, int high);
    template <typename List>
    std::string_view Pick(const List& list);

    ChatSide& chat_;
    std::mt19937 random_;
    std::vector<Bot> bots_;
    std::vector<Reply> replies_;
};

}  // namespace babillon
