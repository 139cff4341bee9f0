#include "program/held_texts.h"

#include <iterator>

bool HeldTextQueue::Hold(HeldText text) {
    texts_.push_back(std::move(text));
    if (texts_.size() <= kMaxHeld) return false;
    texts_.pop_front();
    const bool first_drop = !dropped_;
    dropped_ = true;
    return first_drop;
}

std::vector<HeldText> HeldTextQueue::TakeAll() {
    std::vector<HeldText> texts(std::make_move_iterator(texts_.begin()),
                                std::make_move_iterator(texts_.end()));
    clear();
    return texts;
}

void HeldTextQueue::clear() {
    texts_.clear();
    dropped_ = false;
}
