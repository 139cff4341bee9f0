#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "net/tcp_client.h"
#include "net/vek_thread.h"

class TBabillon;

// An HTTP answer is kept up to this size; whatever follows is read and dropped.
inline constexpr std::size_t kHttpAnswerLimit = 4 * 1024 * 1024;
// A chat line longer than this is read up to its LF and dropped with a warning.
inline constexpr std::size_t kChatLineLimit = 1024 * 1024;

// What both readers share: the connection they read and the session they serve. The
// session is only ever touched on the main thread, and only while owner_alive still
// points somewhere: the session drops that token when it is destroyed, so a hand-off
// that arrives late does nothing.
class TVekReader : public net::VekThread {
  public:
    TVekReader(TBabillon& owner, std::weak_ptr<const void> owner_alive,
               std::shared_ptr<net::Connection> connection);

  protected:
    // Runs call(owner) on the main thread and waits for it. False when the hand-off was
    // abandoned because this reader was told to terminate.
    bool HandToOwner(const std::function<void(TBabillon&)>& call);

    std::shared_ptr<net::Connection> connection_;
    // The text last read, handed to the main thread while this reader waits.
    std::string text_;

  private:
    TBabillon& owner_;
    std::weak_ptr<const void> owner_alive_;
};

// Reads one whole HTTP answer (until the server closes), hands it to the session and ends.
class TVekReadThread : public TVekReader {
  public:
    using TVekReader::TVekReader;

  protected:
    bool Step() override;
};

// Reads the chat connection line by line and hands each non-empty line to the session,
// one at a time, until the connection ends.
class TVekChatThread : public TVekReader {
  public:
    using TVekReader::TVekReader;

  protected:
    bool Step() override;
};
