#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "net/tcp_client.h"

// The SOCKS 4, 4A and 5 negotiations as plain functions over bytes; the socket code only
// moves the bytes. Requests that cannot be expressed (a host name over 255 bytes, a NUL in
// a name) throw SocketError. Failure texts are Windows-1252.
namespace net::socks {

struct Reply {
    enum class Status { kComplete, kNeedMore, kFailed };
    Status status = Status::kNeedMore;
    // kComplete: the bytes the reply took. kNeedMore: the bytes needed before it can be
    // parsed further (more may be asked for afterwards, as with a SOCKS 5 domain name).
    std::size_t size = 0;
    // kFailed: why.
    std::string failure;
};

std::string Socks4Request(const std::array<std::uint8_t, 4>& address, std::uint16_t port,
                          std::string_view user_id);
// The proxy resolves host: the address 0.0.0.1 tells it to read the name after the user id.
std::string Socks4aRequest(std::string_view host, std::uint16_t port, std::string_view user_id);
// The same 8-byte reply serves SOCKS 4 and 4A; only 90 (granted) is success.
Reply ParseSocks4Reply(std::string_view bytes);

inline constexpr std::uint8_t kNoAuthentication = 0x00;
inline constexpr std::uint8_t kUserPassword = 0x02;

// Offers "no authentication", and user name/password as well when authentication is set.
std::string Socks5Greeting(bool authentication);
// The proxy's choice of method; *method receives it on success. A method that was not
// offered is a failure.
Reply ParseSocks5Choice(std::string_view bytes, bool authentication, std::uint8_t* method);
// User name/password sub-negotiation (version 1); each at most 255 bytes.
std::string Socks5PasswordRequest(std::string_view user, std::string_view password);
// Any non-zero status is a failure (proxies answer 1 or 2 for a wrong password).
Reply ParseSocks5PasswordReply(std::string_view bytes);
// CONNECT to an IPv4 or IPv6 literal by address, to anything else by name (the proxy
// resolves it).
std::string Socks5ConnectRequest(std::string_view host, std::uint16_t port);
// The reply carries the bound address (IPv4, name or IPv6, possibly all zeros), read in full.
Reply ParseSocks5ConnectReply(std::string_view bytes);

// A whole negotiation: Begin gives the first request, then each complete answer moves to
// the next request until the tunnel is open.
class Handshake {
  public:
    // ipv4 is the target's address as resolved by the client; only SOCKS 4 uses it.
    Handshake(const ProxySettings& proxy, std::string host, std::uint16_t port,
              const std::array<std::uint8_t, 4>& ipv4 = {});

    std::string Begin();
    // bytes: everything the proxy sent since the last request. On kComplete, *next is the
    // next request to send, or empty when the tunnel is open (Done()).
    Reply Answer(std::string_view bytes, std::string* next);
    bool Done() const { return stage_ == Stage::kDone; }

  private:
    enum class Stage { kSocks4Reply, kChoice, kPasswordReply, kConnectReply, kDone, kFailed };

    const ProxySettings proxy_;
    const std::string host_;
    const std::uint16_t port_;
    const std::array<std::uint8_t, 4> ipv4_;
    Stage stage_ = Stage::kFailed;
};

}  // namespace net::socks
