#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// A listener on loopback that serves each accepted connection, one after the other, with
// the test's own code: for exact bytes, or for a server that misbehaves on purpose.
class RawListener {
  public:
    // serve(fd) runs on the listener's thread; the connection is closed when it returns.
    explicit RawListener(std::function<void(int fd)> serve) : serve_(std::move(serve)) {
        listen_fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (listen_fd_ < 0 || bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(listen_fd_, 8) != 0 ||
            getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            throw std::runtime_error("RawListener: cannot listen on loopback");
        }
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { AcceptLoop(); });
    }

    ~RawListener() {
        stopping_ = true;
        shutdown(listen_fd_, SHUT_RDWR);
        {
            std::lock_guard lock(mutex_);
            if (client_fd_ >= 0) shutdown(client_fd_, SHUT_RDWR);
        }
        thread_.join();
        close(listen_fd_);
    }

    RawListener(const RawListener&) = delete;
    RawListener& operator=(const RawListener&) = delete;

    int port() const { return port_; }
    int accepted() const { return accepted_; }

    // Reads until the text ends with terminator, or the peer closes (nullopt-like: empty).
    static std::string ReadUntil(int fd, std::string_view terminator) {
        std::string text;
        char c;
        while (recv(fd, &c, 1, 0) == 1) {
            text.push_back(c);
            if (text.size() >= terminator.size() &&
                text.compare(text.size() - terminator.size(), terminator.size(), terminator) == 0) {
                return text;
            }
        }
        return text;
    }

    // One request of the login as the session writes it: headers up to the empty line, then
    // Content-Length bytes of body and the CR LF that ends every written line.
    static std::string ReadHttpRequest(int fd) {
        std::string request = ReadUntil(fd, "\r\n\r\n");
        const std::string key = "Content-Length: ";
        const std::size_t at = request.find(key);
        std::size_t remaining = 0;
        if (at != std::string::npos) {
            remaining = std::strtoul(request.c_str() + at + key.size(), nullptr, 10) + 2;
        } else if (request.rfind("GET /a.jsp", 0) == 0) {
            // The identifier request ends with an empty line of its own before the line end
            // that every written line gets.
            remaining = 2;
        }
        char c;
        while (remaining > 0 && recv(fd, &c, 1, 0) == 1) {
            request.push_back(c);
            --remaining;
        }
        return request;
    }

    static void SendAll(int fd, std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t sent = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent <= 0) return;
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
    }

  private:
    void AcceptLoop() {
        while (!stopping_) {
            const int fd = accept(listen_fd_, nullptr, nullptr);
            if (fd < 0) return;
            {
                std::lock_guard lock(mutex_);
                client_fd_ = fd;
            }
            ++accepted_;
            if (!stopping_) serve_(fd);
            {
                std::lock_guard lock(mutex_);
                client_fd_ = -1;
            }
            close(fd);
        }
    }

    std::function<void(int fd)> serve_;
    int listen_fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> accepted_{0};
    std::mutex mutex_;
    int client_fd_ = -1;
    std::thread thread_;
};
