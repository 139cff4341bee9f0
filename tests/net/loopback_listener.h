#pragma once

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <string_view>

// A listening socket on a loopback port chosen by the system, and the raw peer side of the
// connections it accepts, for driving net::Connection byte by byte.
class LoopbackListener {
  public:
    // family AF_INET (127.0.0.1) or AF_INET6 (::1); ok() is false when it cannot listen.
    explicit LoopbackListener(int family = AF_INET) : family_(family) {
        fd_ = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd_ < 0) return;
        sockaddr_storage address{};
        socklen_t size = 0;
        if (family == AF_INET6) {
            auto* v6 = reinterpret_cast<sockaddr_in6*>(&address);
            v6->sin6_family = AF_INET6;
            v6->sin6_addr = in6addr_loopback;
            size = sizeof *v6;
        } else {
            auto* v4 = reinterpret_cast<sockaddr_in*>(&address);
            v4->sin_family = AF_INET;
            v4->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            size = sizeof *v4;
        }
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(fd_, 8) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
        port_ = ntohs(family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&address)->sin6_port
                                         : reinterpret_cast<sockaddr_in*>(&address)->sin_port);
    }
    ~LoopbackListener() { StopListening(); }
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    bool ok() const { return fd_ >= 0; }
    int port() const { return port_; }
    std::string host() const { return family_ == AF_INET6 ? "::1" : "127.0.0.1"; }

    // Closes the listening socket: afterwards nothing listens on port().
    void StopListening() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    // Blocks until a client connects; returns the peer's descriptor (the caller closes it).
    int Accept() const { return ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC); }

  private:
    int family_;
    int fd_ = -1;
    int port_ = 0;
};

inline bool SendAllRaw(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

// Reads from the raw peer up to and including the next LF (or until the connection ends).
inline std::string ReadLineRaw(int fd) {
    std::string line;
    char byte = 0;
    while (::recv(fd, &byte, 1, 0) == 1) {
        line.push_back(byte);
        if (byte == '\n') break;
    }
    return line;
}
