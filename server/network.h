#pragma once

#include <functional>
#include <map>
#include <string>

#include "server/chat_side.h"
#include "server/http_request.h"
#include "server/http_side.h"

namespace babillon {

// The sockets of both sides, in one poll loop on one thread: the listeners, every HTTP and
// chat connection with its buffers, and the timers of the chat side and the demo.
class Network final : public ChatTransport {
  public:
    // Runs the timers that are due and says when the next one is.
    using TickFunction = std::function<Clock::time_point(Clock::time_point now)>;

    explicit Network(HttpSide& http);
    ~Network() override;
    Network(const Network&) = delete;
    Network& operator=(const Network&) = delete;

    void AttachChat(ChatSide& chat) { chat_ = &chat; }
    bool Listen(const std::string& address, int http_port, int chat_port, std::string& error);
    int http_port() const { return http_port_; }
    int chat_port() const { return chat_port_; }

    // Serves until `wake_fd` (the signal pipe) delivers 'q', or standard input ends when
    // `watch_stdin` is set; 'c' on `wake_fd` calls `check_now`.
    void Run(int wake_fd, bool watch_stdin, const TickFunction& tick,
             const std::function<void(Clock::time_point)>& check_now);

    void Send(ClientId client, std::string line) override;
    void Close(ClientId client) override;

  private:
    enum class Phase { open, flushing, draining, dead };
    struct Connection {
        int fd = -1;
        bool chat = false;
        Phase phase = Phase::open;
        std::string in;
        std::string out;
        HttpRequestReader request;
        Clock::time_point deadline;
        bool skipping_long_line = false;
        bool closed_by_chat = false;
    };

    void Accept(int listener, bool chat, Clock::time_point now);
    void Readable(ClientId id, Connection& connection, Clock::time_point now);
    void Writable(Connection& connection, Clock::time_point now);
    void HandleHttpBytes(ClientId id, Connection& connection, std::string_view bytes,
                         Clock::time_point now);
    void HandleChatBytes(ClientId id, Connection& connection, std::string_view bytes);
    void StartClosing(Connection& connection, Clock::time_point now);
    void ReapDead();

    HttpSide& http_;
    ChatSide* chat_ = nullptr;
    int http_listener_ = -1;
    int chat_listener_ = -1;
    int http_port_ = 0;
    int chat_port_ = 0;
    ClientId next_id_ = 1;
    std::map<ClientId, Connection> connections_;
};

}  // namespace babillon
