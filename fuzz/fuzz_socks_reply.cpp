#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "net/socks.h"

// Whatever a proxy answers, the negotiation either asks for more bytes, fails with a reason,
// or completes within what it was given.
namespace {

void CheckReply(const net::socks::Reply& reply, std::size_t given) {
    using Status = net::socks::Reply::Status;
    if (reply.status == Status::kComplete && reply.size > given) __builtin_trap();
    if (reply.status == Status::kNeedMore && reply.size <= given) __builtin_trap();
    if (reply.status == Status::kFailed && reply.failure.empty()) __builtin_trap();
}

// Feeds the proxy's bytes to a whole negotiation, one answer after the other, as the socket
// code does: each answer gets exactly the bytes it asked for.
void RunHandshake(net::SocksVersion version, bool authentication, std::string_view input) {
    net::ProxySettings proxy;
    proxy.version = version;
    proxy.authentication = authentication;
    proxy.username = "user";
    proxy.password = "password";
    net::socks::Handshake handshake(proxy, "chat.example", 6666, {127, 0, 0, 1});
    std::string request = handshake.Begin();
    while (!request.empty()) {
        std::string answer;
        for (;;) {
            const net::socks::Reply reply = handshake.Answer(answer, &request);
            CheckReply(reply, answer.size());
            if (reply.status == net::socks::Reply::Status::kFailed) return;
            if (reply.status == net::socks::Reply::Status::kComplete) break;
            const std::size_t wanted = reply.size - answer.size();
            if (input.size() < wanted) return;
            answer.append(input.substr(0, wanted));
            input.remove_prefix(wanted);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t selector = data[0];
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    std::uint8_t method = 0;
    switch (selector % 7) {
        case 0:
            CheckReply(net::socks::ParseSocks4Reply(input), input.size());
            break;
        case 1:
            CheckReply(net::socks::ParseSocks5Choice(input, selector & 0x80, &method),
                       input.size());
            break;
        case 2:
            CheckReply(net::socks::ParseSocks5PasswordReply(input), input.size());
            break;
        case 3:
            CheckReply(net::socks::ParseSocks5ConnectReply(input), input.size());
            break;
        case 4:
            RunHandshake(net::SocksVersion::svSocks4, false, input);
            break;
        case 5:
            RunHandshake(net::SocksVersion::svSocks4A, false, input);
            break;
        case 6:
            RunHandshake(net::SocksVersion::svSocks5, selector & 0x80, input);
            break;
    }
    return 0;
}
