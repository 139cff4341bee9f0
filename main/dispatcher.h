#pragma once

#include <string>
#include <vector>

#include "main/ignore_list.h"

// Routes every inbound chat line by its code to the window concerned, sends the follow-up
// lines some codes require and writes one trace line per handled line.
class Dispatcher {
  public:
    // send defaults to the session's SendLine.
    explicit Dispatcher(WindowContext& context, LineSender send = {});
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    void BabillonChatCommande(const std::string& code, const std::vector<std::string>& params);

  private:
    WindowContext& context_;
    LineSender send_;
};
