#include "net/tcp_client.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>
#include <vector>

#include "net/socks.h"

namespace net {

namespace {

// A host that does not answer (or a proxy that never finishes its handshake) gives up after
// this long; reads on an open connection have no time limit.
constexpr std::chrono::seconds kConnectTimeout{15};
// The chat reader hands the main thread every line read ahead at once: the more one read
// takes, the fewer hand-offs a burst costs.
constexpr std::size_t kReadChunk = 64 * 1024;
// A peer that stops reading must not hold the main thread in a write for ever.
constexpr std::chrono::milliseconds kWriteTimeout{60'000};

using Clock = std::chrono::steady_clock;

std::string Where(const std::string& host, int port) {
    return host + ":" + std::to_string(port);
}

std::string ErrnoText(int error) {
    return std::strerror(error);
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

// Waits for events on fd until the deadline; false on time-out.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, MillisecondsLeft(deadline));
        if (ready > 0) return true;
        if (ready == 0) return false;
        if (errno != EINTR) throw SocketError("poll : " + ErrnoText(errno));
    }
}

// Returns a connected, blocking socket, or -1 with *error set.
int ConnectOne(const addrinfo& address, Clock::time_point deadline, std::string* error) {
    Descriptor fd(::socket(address.ai_family, address.ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                           address.ai_protocol));
    if (fd.get() < 0) {
        *error = ErrnoText(errno);
        return -1;
    }
    if (::connect(fd.get(), address.ai_addr, address.ai_addrlen) != 0) {
        if (errno != EINPROGRESS) {
            *error = ErrnoText(errno);
            return -1;
        }
        if (!WaitFor(fd.get(), POLLOUT, deadline)) {
            *error = "d\xE9lai de connexion d\xE9pass\xE9";
            return -1;
        }
        int failure = 0;
        socklen_t size = sizeof failure;
        if (::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &failure, &size) != 0) failure = errno;
        if (failure != 0) {
            *error = ErrnoText(failure);
            return -1;
        }
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    const int on = 1;
    ::setsockopt(fd.get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd.release();
}

std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> Resolve(const std::string& host, int port,
                                                             int family) {
    addrinfo hints{};
    hints.ai_family = family;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_ADDRCONFIG;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    int status = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
    if (status == EAI_ADDRFAMILY || status == EAI_NONAME) {
        // AI_ADDRCONFIG hides loopback addresses on a machine with no other interface.
        hints.ai_flags = 0;
        status = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
    }
    if (status != 0) {
        throw SocketError("adresse introuvable " + Where(host, port) + " : " +
                          ::gai_strerror(status));
    }
    return {found, &::freeaddrinfo};
}

int OpenSocket(const std::string& host, int port, Clock::time_point deadline) {
    const auto addresses = Resolve(host, port, AF_UNSPEC);
    std::string error = "aucune adresse";
    for (const addrinfo* a = addresses.get(); a != nullptr; a = a->ai_next) {
        const int fd = ConnectOne(*a, deadline, &error);
        if (fd >= 0) return fd;
    }
    throw SocketError("connexion impossible \xE0 " + Where(host, port) + " : " + error);
}

std::array<std::uint8_t, 4> ResolveIpv4(const std::string& host, int port) {
    const auto addresses = Resolve(host, port, AF_INET);
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(addresses->ai_addr);
    std::array<std::uint8_t, 4> bytes{};
    std::memcpy(bytes.data(), &ipv4->sin_addr, 4);
    return bytes;
}

void SendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                throw SocketError(
                    "\xE9"
                    "criture impossible : d\xE9lai d\xE9pass\xE9");
            }
            throw SocketError(
                "\xE9"
                "criture impossible : " +
                ErrnoText(errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

// Reads the proxy's answer up to exactly `size` bytes, so that nothing the peer sends after
// the handshake is taken from the connection.
void ReadUpTo(int fd, std::size_t size, std::string* into, Clock::time_point deadline) {
    while (into->size() < size) {
        if (!WaitFor(fd, POLLIN, deadline)) {
            throw SocketError("proxy SOCKS : pas de r\xE9ponse dans le d\xE9lai");
        }
        char chunk[512];
        const std::size_t wanted = std::min(size - into->size(), sizeof chunk);
        const ssize_t got = ::recv(fd, chunk, wanted, 0);
        if (got == 0)
            throw SocketError(
                "proxy SOCKS : connexion ferm\xE9"
                "e pendant la n\xE9gociation");
        if (got < 0) {
            if (errno == EINTR) continue;
            throw SocketError("proxy SOCKS : " + ErrnoText(errno));
        }
        into->append(chunk, static_cast<std::size_t>(got));
    }
}

void Negotiate(int fd, socks::Handshake* handshake, std::string request,
               Clock::time_point deadline) {
    while (!request.empty()) {
        SendAll(fd, request);
        std::string answer;
        for (;;) {
            const socks::Reply reply = handshake->Answer(answer, &request);
            if (reply.status == socks::Reply::Status::kFailed) throw SocketError(reply.failure);
            if (reply.status == socks::Reply::Status::kComplete) break;
            ReadUpTo(fd, reply.size, &answer, deadline);
        }
    }
}

}  // namespace

struct Connection::State {
    explicit State(int descriptor) : fd(descriptor) {}
    const int fd;
    std::atomic<bool> closed_locally{false};
    std::atomic<bool> ended{false};
    std::atomic<bool> write_failed{false};
    // Bytes read ahead of the reader's current line; touched by the reading thread only.
    std::vector<char> buffer = std::vector<char>(kReadChunk);
    std::size_t begin = 0;
    std::size_t end = 0;
    // True between an overlong line's report and its LF.
    bool skipping_line = false;

    // Refills the buffer; false when the connection has ended.
    bool Fill() {
        for (;;) {
            if (closed_locally.load()) return false;
            const ssize_t got = ::recv(fd, buffer.data(), buffer.size(), 0);
            if (got > 0) {
                begin = 0;
                end = static_cast<std::size_t>(got);
                return true;
            }
            if (got < 0 && errno == EINTR) continue;
            ended.store(true);
            return false;
        }
    }
};

Connection::Connection(int fd) : state_(std::make_unique<State>(fd)) {
    SetWriteTimeout(kWriteTimeout);
}

void Connection::SetWriteTimeout(std::chrono::milliseconds timeout) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(timeout);
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(timeout - seconds);
    timeval limit{};
    limit.tv_sec = static_cast<time_t>(seconds.count());
    limit.tv_usec = static_cast<suseconds_t>(micros.count());
    ::setsockopt(state_->fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
}

Connection::~Connection() {
    ::close(state_->fd);
}

bool Connection::Connected() const {
    return !state_->closed_locally.load() && !state_->ended.load();
}

bool Connection::ClosedLocally() const {
    return state_->closed_locally.load();
}

void Connection::Close() {
    state_->closed_locally.store(true);
    ::shutdown(state_->fd, SHUT_RDWR);
}

void Connection::Write(std::string_view bytes) {
    if (state_->closed_locally.load())
        throw SocketError(
            "connexion ferm\xE9"
            "e");
    if (state_->write_failed.load())
        throw SocketError(
            "connexion rompue par une \xE9"
            "criture en \xE9"
            "chec");
    try {
        SendAll(state_->fd, bytes);
    } catch (const SocketError&) {
        state_->write_failed.store(true);
        state_->ended.store(true);
        throw;
    }
}

std::string Connection::ReadAll(std::size_t keep_limit) {
    State& s = *state_;
    std::string kept;
    auto keep = [&](const char* data, std::size_t size) {
        kept.append(data, std::min(size, keep_limit - kept.size()));
    };
    keep(s.buffer.data() + s.begin, s.end - s.begin);
    s.begin = s.end;
    while (s.Fill()) {
        keep(s.buffer.data(), s.end);
        s.begin = s.end;
    }
    if (s.closed_locally.load()) return {};
    return kept;
}

std::optional<std::string> Connection::ReadLn(std::size_t max_line, bool* dropped) {
    State& s = *state_;
    if (dropped != nullptr) *dropped = false;
    std::string line;
    for (;;) {
        if (s.closed_locally.load()) return std::nullopt;
        if (s.begin == s.end && !s.Fill()) return std::nullopt;
        const char* start = s.buffer.data() + s.begin;
        const std::size_t available = s.end - s.begin;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t size = lf != nullptr ? static_cast<std::size_t>(lf - start) : available;
        s.begin += size + (lf != nullptr ? 1 : 0);
        if (s.skipping_line) {
            // The rest of a line already reported as dropped.
            if (lf != nullptr) s.skipping_line = false;
            continue;
        }
        if (line.size() + size > max_line) {
            // Reported at once, so that a peer sending without end is seen while it sends.
            s.skipping_line = lf == nullptr;
            if (dropped != nullptr) *dropped = true;
            return std::string();
        }
        // Grow by doubling as usual, but never past the limit.
        const std::size_t needed = line.size() + size;
        if (needed > line.capacity()) line.reserve(std::min(needed * 2, max_line));
        line.append(start, size);
        if (lf != nullptr) return line;
    }
}

bool Connection::HasBufferedLine() const {
    const State& s = *state_;
    return std::memchr(s.buffer.data() + s.begin, '\n', s.end - s.begin) != nullptr;
}

std::shared_ptr<Connection> ConnectTcp(const std::string& host, int port,
                                       const ProxySettings& proxy) {
    if (port <= 0 || port > 65535) throw SocketError("port invalide " + Where(host, port));
    const auto deadline = Clock::now() + kConnectTimeout;
    if (proxy.version == SocksVersion::svNoSocks) {
        return std::make_shared<Connection>(OpenSocket(host, port, deadline));
    }
    if (proxy.port <= 0 || proxy.port > 65535) {
        throw SocketError("port de proxy invalide " + Where(proxy.host, proxy.port));
    }
    const std::array<std::uint8_t, 4> ipv4 = proxy.version == SocksVersion::svSocks4
                                                 ? ResolveIpv4(host, port)
                                                 : std::array<std::uint8_t, 4>{};
    socks::Handshake handshake(proxy, host, static_cast<std::uint16_t>(port), ipv4);
    // A request the proxy cannot be sent fails before the proxy is even reached.
    std::string request = handshake.Begin();
    Descriptor fd(OpenSocket(proxy.host, proxy.port, deadline));
    Negotiate(fd.get(), &handshake, std::move(request), deadline);
    return std::make_shared<Connection>(fd.release());
}

}  // namespace net
