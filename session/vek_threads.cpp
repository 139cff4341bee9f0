#include "session/vek_threads.h"

#include <optional>
#include <utility>

#include "session/babillon.h"

TVekReader::TVekReader(TBabillon& owner, std::weak_ptr<const void> owner_alive,
                       std::shared_ptr<net::Connection> connection)
    : connection_(std::move(connection)), owner_(owner), owner_alive_(std::move(owner_alive)) {}

bool TVekReader::HandToOwner(const std::function<void(TBabillon&)>& call) {
    return Synchronize([this, &call] {
        if (!owner_alive_.expired()) call(owner_);
    });
}

bool TVekReadThread::Step() {
    text_ = connection_->ReadAll(kHttpAnswerLimit);
    if (Terminated() || connection_->ClosedLocally()) return false;
    HandToOwner([this](TBabillon& owner) { owner.DeliverHttpAnswer(connection_.get(), text_); });
    // The server has closed the connection: one answer per connection.
    return false;
}

bool TVekChatThread::Step() {
    batch_.clear();
    for (;;) {
        bool dropped = false;
        std::optional<std::string> line = connection_->ReadLn(kChatLineLimit, &dropped);
        if (!line) break;
        if (dropped || !line->empty()) batch_.push_back({std::move(*line), dropped});
        if (!batch_.empty() && !connection_->HasBufferedLine()) break;
    }
    if (batch_.empty()) {
        if (!Terminated() && !connection_->ClosedLocally()) {
            HandToOwner([this](TBabillon& owner) { owner.ChatClosedByServer(connection_.get()); });
        }
        return false;
    }
    return HandToOwner(
               [this](TBabillon& owner) { owner.DeliverChatLines(connection_.get(), batch_); }) &&
           !Terminated();
}
