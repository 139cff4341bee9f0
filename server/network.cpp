#include "server/network.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "server/log.h"

namespace babillon {
namespace {

constexpr size_t kMaxChatLine = 64 * 1024;
constexpr size_t kMaxQueuedOutput = 8 * 1024 * 1024;
constexpr size_t kMaxConnections = 1000;
constexpr auto kHttpRequestTime = std::chrono::seconds(30);
// After its answer the server closes its side and reads what the client still sends (a
// trailing CR LF) until the client closes: closing with unread bytes would reset the
// connection and could cost the client the end of the answer.
constexpr auto kDrainTime = std::chrono::seconds(5);

int OpenListener(const std::string& address, int port, int& bound_port, std::string& error) {
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<uint16_t>(port));
    if (inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1) {
        error = "not an IPv4 address: " + address;
        return -1;
    }
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    socklen_t length = sizeof where;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
        listen(fd, 64) != 0 || getsockname(fd, reinterpret_cast<sockaddr*>(&where), &length) != 0) {
        error = "cannot listen on " + address + ":" + std::to_string(port) + ": " +
                std::strerror(errno);
        if (fd >= 0) close(fd);
        return -1;
    }
    bound_port = ntohs(where.sin_port);
    return fd;
}

int MillisecondsUntil(Clock::time_point deadline, Clock::time_point now) {
    if (deadline <= now) return 0;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
    return static_cast<int>(std::min<decltype(wait)>(wait, 1000));
}

}  // namespace

Network::Network(HttpSide& http) : http_(http) {}

Network::~Network() {
    for (auto& [id, connection] : connections_) close(connection.fd);
    if (http_listener_ >= 0) close(http_listener_);
    if (chat_listener_ >= 0) close(chat_listener_);
}

bool Network::Listen(const std::string& address, int http_port, int chat_port, std::string& error) {
    http_listener_ = OpenListener(address, http_port, http_port_, error);
    if (http_listener_ < 0) return false;
    chat_listener_ = OpenListener(address, chat_port, chat_port_, error);
    return chat_listener_ >= 0;
}

void Network::Run(int wake_fd, bool watch_stdin, const TickFunction& tick,
                  const std::function<void(Clock::time_point)>& check_now) {
    std::vector<pollfd> fds;
    std::vector<ClientId> ids;
    Clock::time_point next_timer = tick(Clock::now());
    while (true) {
        fds.clear();
        ids.clear();
        fds.push_back({wake_fd, POLLIN, 0});
        fds.push_back({watch_stdin ? STDIN_FILENO : -1, POLLIN, 0});
        fds.push_back({http_listener_, POLLIN, 0});
        fds.push_back({chat_listener_, POLLIN, 0});
        Clock::time_point next = next_timer;
        for (auto& [id, connection] : connections_) {
            short events = POLLIN;
            if (!connection.out.empty()) events |= POLLOUT;
            fds.push_back({connection.fd, events, 0});
            ids.push_back(id);
            if (!connection.chat || connection.phase != Phase::open) {
                next = std::min(next, connection.deadline);
            }
        }
        if (poll(fds.data(), fds.size(), MillisecondsUntil(next, Clock::now())) < 0 &&
            errno != EINTR) {
            Log("poll failed: ", std::strerror(errno));
            return;
        }
        const Clock::time_point now = Clock::now();
        if (fds[0].revents & POLLIN) {
            char signal_byte = 0;
            while (read(wake_fd, &signal_byte, 1) == 1) {
                if (signal_byte == 'q') return;
                if (signal_byte == 'c') check_now(now);
            }
        }
        if (fds[1].revents != 0) {
            char byte;
            if (read(STDIN_FILENO, &byte, 1) <= 0) {
                Log("standard input closed; ending");
                return;
            }
        }
        if (fds[2].revents & POLLIN) Accept(http_listener_, false, now);
        if (fds[3].revents & POLLIN) Accept(chat_listener_, true, now);
        for (size_t i = 0; i < ids.size(); ++i) {
            const short revents = fds[i + 4].revents;
            const auto found = connections_.find(ids[i]);
            if (found == connections_.end()) continue;
            Connection& connection = found->second;
            if ((revents & POLLOUT) && connection.phase != Phase::dead) Writable(connection, now);
            if ((revents & (POLLIN | POLLHUP | POLLERR)) && connection.phase != Phase::dead) {
                Readable(ids[i], connection, now);
            }
        }
        for (auto& [id, connection] : connections_) {
            if (connection.phase == Phase::dead) continue;
            if ((!connection.chat || connection.phase != Phase::open) &&
                now >= connection.deadline) {
                if (connection.phase == Phase::open) Log("http: client ", id, " too slow; closing");
                connection.phase = Phase::dead;
            }
        }
        ReapDead();
        next_timer = tick(now);
        ReapDead();
    }
}

void Network::Accept(int listener, bool chat, Clock::time_point now) {
    while (true) {
        const int fd = accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        if (connections_.size() >= kMaxConnections) {
            Log("too many connections; refusing one");
            close(fd);
            continue;
        }
        const ClientId id = next_id_++;
        Connection& connection = connections_[id];
        connection.fd = fd;
        connection.chat = chat;
        connection.deadline = now + kHttpRequestTime;
        if (chat) chat_->Connected(id);
    }
}

void Network::Readable(ClientId id, Connection& connection, Clock::time_point now) {
    char buffer[16 * 1024];
    const ssize_t got = recv(connection.fd, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got <= 0) {
        connection.phase = Phase::dead;
        return;
    }
    const std::string_view bytes(buffer, static_cast<size_t>(got));
    if (connection.phase != Phase::open) return;  // draining, or closing at the chat's request
    if (connection.chat) {
        HandleChatBytes(id, connection, bytes);
    } else {
        HandleHttpBytes(id, connection, bytes, now);
    }
}

void Network::HandleHttpBytes(ClientId id, Connection& connection, std::string_view bytes,
                              Clock::time_point now) {
    switch (connection.request.Feed(bytes)) {
        case HttpRequestReader::Status::incomplete:
            return;
        case HttpRequestReader::Status::malformed:
            Log("http: client ", id, " sent a malformed or too large request; answering 400");
            connection.out = HttpSide::BadRequestResponse();
            break;
        case HttpRequestReader::Status::complete:
            Log("http: client ", id, ": ", connection.request.request().method, " ",
                connection.request.request().path);
            connection.out = http_.Answer(connection.request.request());
            break;
    }
    StartClosing(connection, now);
}

void Network::HandleChatBytes(ClientId id, Connection& connection, std::string_view bytes) {
    connection.in.append(bytes);
    size_t start = 0;
    while (connection.phase == Phase::open) {
        const size_t end = connection.in.find('\n', start);
        if (end == std::string::npos) break;
        std::string_view line = std::string_view(connection.in).substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (connection.skipping_long_line || line.size() > kMaxChatLine) {
            Log("chat: client ", id, " sent a line longer than ", kMaxChatLine, " bytes; dropped");
            connection.skipping_long_line = false;
            continue;
        }
        if (!line.empty()) chat_->LineReceived(id, line);
    }
    connection.in.erase(0, start);
    if (connection.in.size() > kMaxChatLine) {
        connection.in.clear();
        connection.skipping_long_line = true;
    }
}

void Network::Writable(Connection& connection, Clock::time_point now) {
    const ssize_t sent =
        send(connection.fd, connection.out.data(), connection.out.size(), MSG_NOSIGNAL);
    if (sent < 0) {
        if (errno != EAGAIN && errno != EINTR) connection.phase = Phase::dead;
        return;
    }
    connection.out.erase(0, static_cast<size_t>(sent));
    if (connection.out.empty() && connection.phase == Phase::flushing) {
        shutdown(connection.fd, SHUT_WR);
        connection.phase = Phase::draining;
        connection.deadline = now + kDrainTime;
    }
}

void Network::StartClosing(Connection& connection, Clock::time_point now) {
    connection.phase = Phase::flushing;
    connection.deadline = now + kDrainTime;
    if (connection.out.empty()) Writable(connection, now);
}

void Network::Send(ClientId client, std::string line) {
    const auto found = connections_.find(client);
    if (found == connections_.end() || found->second.phase != Phase::open) return;
    Connection& connection = found->second;
    connection.out += line;
    connection.out += '\n';
    if (connection.out.size() > kMaxQueuedOutput) {
        Log("chat: client ", client, " does not read what it is sent; dropping it");
        connection.phase = Phase::dead;
    }
}

void Network::Close(ClientId client) {
    const auto found = connections_.find(client);
    if (found == connections_.end() || found->second.phase != Phase::open) return;
    found->second.closed_by_chat = true;
    StartClosing(found->second, Clock::now());
}

void Network::ReapDead() {
    for (auto it = connections_.begin(); it != connections_.end();) {
        if (it->second.phase != Phase::dead) {
            ++it;
            continue;
        }
        const ClientId id = it->first;
        const bool tell_chat = it->second.chat && !it->second.closed_by_chat;
        close(it->second.fd);
        it = connections_.erase(it);
        if (tell_chat) chat_->Disconnected(id);
    }
}

}  // namespace babillon
