#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// A blocking TCP client, directly or through a SOCKS 4, 4A or 5 proxy.
namespace net {

enum class SocksVersion { svNoSocks, svSocks4, svSocks4A, svSocks5 };

struct ProxySettings {
    SocksVersion version = SocksVersion::svNoSocks;
    std::string host;
    int port = 0;
    // SOCKS 5 user name/password (RFC 1929) when true.
    bool authentication = false;
    std::string username;
    std::string password;
};

// Any failure to reach the peer, the proxy's refusal included.
class SocketError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One open connection. Reader threads keep a shared_ptr to the connection they read, so
// closing it from the main thread (shutdown) wakes them and the descriptor is released only
// when the last holder lets go: a new connection can never inherit a reader by fd reuse.
class Connection {
  public:
    explicit Connection(int fd);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Connected() const;
    // Reads until the peer closes. Keeps at most keep_limit bytes; the rest is read and
    // dropped. Returns what was kept (empty when the connection was closed locally).
    std::string ReadAll(std::size_t keep_limit);
    // One line up to LF, the LF removed (a CR stays). std::nullopt when the connection ends
    // before a LF or was closed here. A line longer than max_line comes back as soon as it
    // passes the limit, as an empty string with *dropped set to true; the next calls read
    // the rest of it up to its LF and drop it, holding no more than max_line bytes at any
    // time. dropped may be null.
    std::optional<std::string> ReadLn(std::size_t max_line, bool* dropped);
    // True when a whole line has already been read ahead, so that ReadLn returns it without
    // waiting for the peer. For the reading thread only, like ReadLn.
    bool HasBufferedLine() const;
    // Writes all bytes; throws SocketError on failure. A peer that takes nothing for the write
    // time-out fails the write instead of holding the writer forever. Part of a line may have
    // gone by then, so after a failed write every later one fails too.
    void Write(std::string_view bytes);
    // 60 seconds unless changed.
    void SetWriteTimeout(std::chrono::milliseconds timeout);
    // Shuts the socket down both ways; a reader blocked on it returns at once.
    void Close();
    // True once Close() was called here (not when the peer closed).
    bool ClosedLocally() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// Connects to host:port, through the proxy when its version is not svNoSocks. Throws
// SocketError on any failure: name not found, refused, proxy refusal or broken handshake.
std::shared_ptr<Connection> ConnectTcp(const std::string& host, int port,
                                       const ProxySettings& proxy);

}  // namespace net
