#pragma once

#include <map>
#include <optional>
#include <string>

#include "server/chat_side.h"

namespace babillon {

// The load of --flood: in every room that holds a client, a simulated member of its own says
// `rate` lines per second, spread evenly over the second rather than in bursts.
class Flood {
  public:
    // A zero `length` floods until the server ends.
    Flood(ChatSide& chat, int rate, Clock::duration length, Clock::time_point now);

    // Says the lines that are due and says when the next ones are.
    Clock::time_point Run(Clock::time_point now);

  private:
    void FollowClients();
    void End();
    Clock::time_point DueTime(long long line) const;

    ChatSide& chat_;
    const int rate_;
    const Clock::time_point start_;
    const std::optional<Clock::time_point> end_;
    long long said_ = 0;  // lines said in each room since start_
    bool ended_ = false;
    std::map<std::string, std::string, std::less<>> speakers_;  // room key -> chat id
};

// The flood's line number `n`: codes and text vary from line to line.
std::string FloodLine(long long n);

}  // namespace babillon
