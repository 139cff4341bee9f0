#pragma once

// Plain sockets that speak to babillon-server the way the client does, byte for byte.

#include <optional>
#include <string>

namespace raw {

// Sends `request`, reads the answer until the server closes the connection.
std::string HttpExchange(int port, const std::string& request);

// The four login requests as the client writes them (each with the extra CR LF that the
// client's line writer adds); `alias`, `town` and `room` in Windows-1252.
std::string LoginRequest(const std::string& login, const std::string& password);
std::string ChatPageRequest(const std::string& cookie);
std::string ValidationRequest(const std::string& cookie, const std::string& alias,
                              const std::string& town, const std::string& room);
std::string TempIdRequest(const std::string& cookie);

// The text after `marker` up to `end`, or nullopt when the marker is missing.
std::optional<std::string> Between(const std::string& text, const std::string& marker, char end);

// All four steps; the temporary id, or empty text when a step failed.
std::string LoginForTempId(int http_port, const std::string& login, const std::string& alias,
                           const std::string& room);

// A chat connection: lines out with CR LF, lines in without their LF.
class LineClient {
  public:
    explicit LineClient(int port);
    ~LineClient();
    LineClient(const LineClient&) = delete;
    LineClient& operator=(const LineClient&) = delete;

    bool connected() const { return fd_ >= 0; }
    void Send(const std::string& line);
    void SendRaw(const std::string& bytes);
    // The next line, or nullopt when the server closed the connection (or said nothing for
    // a long while, which a test reports as a failure).
    std::optional<std::string> ReadLine();
    // Skips lines until one starts with `prefix`.
    std::optional<std::string> ReadLineStartingWith(const std::string& prefix);
    // True when the server closes the connection (lines before that are skipped).
    bool WaitForClose();

  private:
    int fd_ = -1;
    std::string buffer_;
};

// Opens the chat with `tempid` and reads the welcome and the identification reply; returns
// the chat id (empty on failure).
std::string Identify(LineClient& client, const std::string& tempid);

}  // namespace raw
