#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/tcp_client.h"
#include "net/vek_thread.h"

class TBabillon;

// An HTTP answer is kept up to this size; whatever follows is read and dropped.
inline constexpr std::size_t kHttpAnswerLimit = 4 * 1024 * 1024;
// A chat line longer than this is read up to its LF and dropped with a warning.
inline constexpr std::size_t kChatLineLimit = 1024 * 1024;

// One chat line as the reader hands it over. A line longer than kChatLineLimit is read up to
// its LF and dropped: it comes with no text, only its place among the others.
struct TChatReadLine {
    std::string text;
    bool dropped = false;
};

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

  private:
    // The answer read, handed to the main thread while this reader waits.
    std::string text_;
};

// Reads the chat connection until it ends. Each step waits for a line, takes every further
// whole line already read ahead with it, and hands the non-empty ones to the session in one
// call: one pair of thread wake-ups for a burst instead of one per line. What it takes is
// bounded by the connection's read-ahead and the line limit.
class TVekChatThread : public TVekReader {
  public:
    using TVekReader::TVekReader;

  protected:
    bool Step() override;

  private:
    std::vector<TChatReadLine> batch_;
};
