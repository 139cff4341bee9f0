#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "session/limited_text.h"

// A room text that arrived before the room's member list: shown once the list is there.
struct HeldText {
    LimitedText<32> alias;
    LimitedText<20> chat_id;
    std::string body;
};

// The room texts held until the first full member list, oldest first. A server that never
// sends that list must not make them pile up unseen: past kMaxHeld texts the oldest goes.
class HeldTextQueue {
  public:
    static constexpr std::size_t kMaxHeld = 1000;

    // Returns true when this text is the first since the last TakeAll or clear to make the
    // oldest one go, so that the loss is told once.
    bool Hold(HeldText text);
    // The texts in arrival order; the queue is empty afterwards.
    std::vector<HeldText> TakeAll();
    void clear();
    std::size_t size() const { return texts_.size(); }
    bool empty() const { return texts_.empty(); }

  private:
    std::deque<HeldText> texts_;
    bool dropped_ = false;
};
