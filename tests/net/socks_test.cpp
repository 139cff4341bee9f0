#include "net/socks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using net::SocketError;
using net::socks::Reply;
using Status = net::socks::Reply::Status;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

TEST(SocksRequest, BytesOnTheWire) {
    struct Case {
        const char* name;
        std::string built;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"socks4 without user id", net::socks::Socks4Request({127, 0, 0, 1}, 6666, ""),
         Bytes({4, 1, 0x1A, 0x0A, 127, 0, 0, 1, 0})},
        {"socks4 with user id", net::socks::Socks4Request({10, 1, 2, 3}, 80, "bob"),
         Bytes({4, 1, 0, 80, 10, 1, 2, 3}) + "bob" + Bytes({0})},
        {"socks4a", net::socks::Socks4aRequest("chat.example", 443, ""),
         Bytes({4, 1, 1, 0xBB, 0, 0, 0, 1, 0}) + "chat.example" + Bytes({0})},
        {"socks5 greeting", net::socks::Socks5Greeting(false), Bytes({5, 1, 0})},
        {"socks5 greeting with password", net::socks::Socks5Greeting(true), Bytes({5, 2, 0, 2})},
        {"socks5 password", net::socks::Socks5PasswordRequest("socktest", "S0cks-Pass"),
         Bytes({1, 8}) + "socktest" + Bytes({10}) + "S0cks-Pass"},
        {"socks5 empty password", net::socks::Socks5PasswordRequest("u", ""),
         Bytes({1, 1, 'u', 0})},
        {"socks5 by name", net::socks::Socks5ConnectRequest("localhost", 6666),
         Bytes({5, 1, 0, 3, 9}) + "localhost" + Bytes({0x1A, 0x0A})},
        {"socks5 by IPv4", net::socks::Socks5ConnectRequest("192.168.1.20", 80),
         Bytes({5, 1, 0, 1, 192, 168, 1, 20, 0, 80})},
        {"socks5 by IPv6", net::socks::Socks5ConnectRequest("::1", 65535),
         Bytes({5, 1, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0xFF, 0xFF})},
        {"socks5 name of 255 bytes", net::socks::Socks5ConnectRequest(std::string(255, 'a'), 1),
         Bytes({5, 1, 0, 3, 255}) + std::string(255, 'a') + Bytes({0, 1})},
    };
    for (const Case& c : cases) EXPECT_EQ(c.built, c.expected) << c.name;
}

TEST(SocksRequest, ImpossibleRequestsThrow) {
    const std::string long_name(256, 'a');
    EXPECT_THROW(net::socks::Socks5ConnectRequest(long_name, 80), SocketError);
    EXPECT_THROW(net::socks::Socks5ConnectRequest("", 80), SocketError);
    EXPECT_THROW(net::socks::Socks5PasswordRequest(long_name, "p"), SocketError);
    EXPECT_THROW(net::socks::Socks5PasswordRequest("u", long_name), SocketError);
    EXPECT_THROW(net::socks::Socks4aRequest("", 80, ""), SocketError);
    EXPECT_THROW(net::socks::Socks4aRequest(std::string("a\0b", 3), 80, ""), SocketError);
    EXPECT_THROW(net::socks::Socks4Request({1, 2, 3, 4}, 80, std::string("u\0", 2)), SocketError);
}

struct ReplyCase {
    const char* name;
    std::string bytes;
    Status status;
    std::size_t size;  // bytes taken when complete, bytes needed when more are needed
};

void ExpectReplies(const std::vector<ReplyCase>& cases, Reply (*parse)(std::string_view)) {
    for (const ReplyCase& c : cases) {
        const Reply reply = parse(c.bytes);
        EXPECT_EQ(reply.status, c.status) << c.name << ": " << reply.failure;
        if (c.status == Status::kFailed) {
            EXPECT_FALSE(reply.failure.empty()) << c.name;
        } else {
            EXPECT_EQ(reply.size, c.size) << c.name;
        }
    }
}

TEST(SocksReply, Socks4) {
    ExpectReplies(
        {
            {"granted with bound address", Bytes({0, 90, 0x1F, 0x90, 127, 0, 0, 1}),
             Status::kComplete, 8},
            {"granted with zero address", Bytes({0, 90, 0, 0, 0, 0, 0, 0}), Status::kComplete, 8},
            {"followed by peer data", Bytes({0, 90, 0, 0, 0, 0, 0, 0}) + "100\n", Status::kComplete,
             8},
            {"empty", "", Status::kNeedMore, 8},
            {"partial", Bytes({0, 90, 0}), Status::kNeedMore, 8},
            {"rejected", Bytes({0, 91, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
            {"rejected, known at the second byte", Bytes({0, 91}), Status::kFailed, 0},
            {"identd unreachable", Bytes({0, 92, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
            {"identd mismatch", Bytes({0, 93, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
            {"unknown code", Bytes({0, 0, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
            {"wrong version", Bytes({5, 90, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
            {"http answer", "HTTP/1.0 400 Bad", Status::kFailed, 0},
        },
        net::socks::ParseSocks4Reply);
}

TEST(SocksReply, Socks5Password) {
    ExpectReplies(
        {
            {"accepted", Bytes({1, 0}), Status::kComplete, 2},
            {"partial", Bytes({1}), Status::kNeedMore, 2},
            {"wrong password, status 1", Bytes({1, 1}), Status::kFailed, 0},
            {"wrong password, status 2", Bytes({1, 2}), Status::kFailed, 0},
            {"any other status", Bytes({1, 0xFF}), Status::kFailed, 0},
            {"wrong version", Bytes({5, 0}), Status::kFailed, 0},
        },
        net::socks::ParseSocks5PasswordReply);
}

TEST(SocksReply, Socks5Connect) {
    const std::string name = "proxy.example";
    ExpectReplies(
        {
            {"IPv4 bound address", Bytes({5, 0, 0, 1, 127, 0, 0, 1, 0x2B, 0x67}), Status::kComplete,
             10},
            {"IPv4 zero address", Bytes({5, 0, 0, 1, 0, 0, 0, 0, 0, 0}), Status::kComplete, 10},
            {"IPv4 followed by peer data", Bytes({5, 0, 0, 1, 0, 0, 0, 0, 0, 0}) + "100\n",
             Status::kComplete, 10},
            {"IPv6 bound address", Bytes({5, 0, 0, 4}) + std::string(15, '\0') + Bytes({1, 0, 80}),
             Status::kComplete, 22},
            {"name bound address", Bytes({5, 0, 0, 3, 13}) + name + Bytes({0, 80}),
             Status::kComplete, 20},
            {"empty name", Bytes({5, 0, 0, 3, 0, 0, 80}), Status::kComplete, 7},
            {"empty", "", Status::kNeedMore, 4},
            {"version only", Bytes({5}), Status::kNeedMore, 4},
            {"header", Bytes({5, 0, 0}), Status::kNeedMore, 4},
            {"IPv4 header only", Bytes({5, 0, 0, 1}), Status::kNeedMore, 10},
            {"IPv4 port missing", Bytes({5, 0, 0, 1, 127, 0, 0, 1, 0}), Status::kNeedMore, 10},
            {"IPv6 partial", Bytes({5, 0, 0, 4, 0, 0}), Status::kNeedMore, 22},
            {"name length missing", Bytes({5, 0, 0, 3}), Status::kNeedMore, 5},
            {"name partial", Bytes({5, 0, 0, 3, 13, 'p'}), Status::kNeedMore, 20},
            {"longest name", Bytes({5, 0, 0, 3, 255}), Status::kNeedMore, 262},
            {"general failure", Bytes({5, 1, 0, 1, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
            {"not allowed", Bytes({5, 2}), Status::kFailed, 0},
            {"host unreachable", Bytes({5, 4, 0, 1, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
            {"connection refused", Bytes({5, 5, 0, 1, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
            {"unassigned status", Bytes({5, 0x42, 0, 1, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
            {"unknown address type", Bytes({5, 0, 0, 2, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
            {"address type zero", Bytes({5, 0, 0, 0}), Status::kFailed, 0},
            {"socks4 answer", Bytes({0, 90, 0, 0, 0, 0, 0, 0}), Status::kFailed, 0},
        },
        net::socks::ParseSocks5ConnectReply);
}

TEST(SocksReply, Socks5Choice) {
    struct Case {
        const char* name;
        std::string bytes;
        bool authentication;
        Status status;
        std::uint8_t method;
    };
    const std::vector<Case> cases = {
        {"no authentication", Bytes({5, 0}), false, Status::kComplete, 0},
        {"no authentication though offered password", Bytes({5, 0}), true, Status::kComplete, 0},
        {"password", Bytes({5, 2}), true, Status::kComplete, 2},
        {"password not offered", Bytes({5, 2}), false, Status::kFailed, 0},
        {"nothing acceptable", Bytes({5, 0xFF}), false, Status::kFailed, 0},
        {"nothing acceptable with password", Bytes({5, 0xFF}), true, Status::kFailed, 0},
        {"GSSAPI never offered", Bytes({5, 1}), true, Status::kFailed, 0},
        {"partial", Bytes({5}), true, Status::kNeedMore, 0},
        {"wrong version", Bytes({4, 0}), false, Status::kFailed, 0},
    };
    for (const Case& c : cases) {
        std::uint8_t method = 0x77;
        const Reply reply = net::socks::ParseSocks5Choice(c.bytes, c.authentication, &method);
        EXPECT_EQ(reply.status, c.status) << c.name;
        if (c.status == Status::kComplete) {
            EXPECT_EQ(method, c.method) << c.name;
        }
    }
}

// A whole conversation: what the client sends at each turn for what the proxy answers.
struct Turn {
    std::string answer;
    std::string next_request;
};

void ExpectConversation(const char* name, net::socks::Handshake handshake,
                        const std::string& first_request, const std::vector<Turn>& turns) {
    EXPECT_EQ(handshake.Begin(), first_request) << name;
    for (const Turn& turn : turns) {
        ASSERT_FALSE(handshake.Done()) << name;
        std::string next;
        const Reply reply = handshake.Answer(turn.answer, &next);
        ASSERT_EQ(reply.status, Status::kComplete) << name << ": " << reply.failure;
        EXPECT_EQ(next, turn.next_request) << name;
    }
    EXPECT_TRUE(handshake.Done()) << name;
}

net::ProxySettings Proxy(net::SocksVersion version, bool authentication = false) {
    net::ProxySettings proxy;
    proxy.version = version;
    proxy.host = "127.0.0.1";
    proxy.port = 1080;
    proxy.authentication = authentication;
    proxy.username = "socktest";
    proxy.password = "S0cks-Pass";
    return proxy;
}

TEST(SocksHandshake, Conversations) {
    const std::string granted4 = Bytes({0, 90, 0, 0, 0, 0, 0, 0});
    const std::string connect5 = Bytes({5, 1, 0, 3, 9}) + "localhost" + Bytes({0x1A, 0x0A});
    const std::string granted5 = Bytes({5, 0, 0, 1, 0, 0, 0, 0, 0, 0});
    ExpectConversation("socks4",
                       {Proxy(net::SocksVersion::svSocks4), "localhost", 6666, {127, 0, 0, 1}},
                       Bytes({4, 1, 0x1A, 0x0A, 127, 0, 0, 1, 0}), {{granted4, ""}});
    ExpectConversation("socks4 sends the user name as user id",
                       {Proxy(net::SocksVersion::svSocks4, true), "h", 1, {1, 2, 3, 4}},
                       Bytes({4, 1, 0, 1, 1, 2, 3, 4}) + "socktest" + Bytes({0}), {{granted4, ""}});
    ExpectConversation("socks4a", {Proxy(net::SocksVersion::svSocks4A), "localhost", 6666},
                       Bytes({4, 1, 0x1A, 0x0A, 0, 0, 0, 1, 0}) + "localhost" + Bytes({0}),
                       {{granted4, ""}});
    ExpectConversation("socks5", {Proxy(net::SocksVersion::svSocks5), "localhost", 6666},
                       Bytes({5, 1, 0}), {{Bytes({5, 0}), connect5}, {granted5, ""}});
    ExpectConversation("socks5 with password",
                       {Proxy(net::SocksVersion::svSocks5, true), "localhost", 6666},
                       Bytes({5, 2, 0, 2}),
                       {{Bytes({5, 2}), Bytes({1, 8}) + "socktest" + Bytes({10}) + "S0cks-Pass"},
                        {Bytes({1, 0}), connect5},
                        {granted5, ""}});
    ExpectConversation("socks5 with password, proxy needs none",
                       {Proxy(net::SocksVersion::svSocks5, true), "localhost", 6666},
                       Bytes({5, 2, 0, 2}), {{Bytes({5, 0}), connect5}, {granted5, ""}});
}

TEST(SocksHandshake, FailuresStopTheConversation) {
    net::socks::Handshake handshake(Proxy(net::SocksVersion::svSocks5, true), "localhost", 80);
    handshake.Begin();
    std::string next;
    EXPECT_EQ(handshake.Answer(Bytes({5, 2}), &next).status, Status::kComplete);
    EXPECT_EQ(handshake.Answer(Bytes({1, 1}), &next).status, Status::kFailed);
    EXPECT_TRUE(next.empty());
    EXPECT_FALSE(handshake.Done());
    EXPECT_EQ(handshake.Answer(Bytes({5, 0, 0, 1, 0, 0, 0, 0, 0, 0}), &next).status,
              Status::kFailed);
}

TEST(SocksHandshake, HostNameOver255BytesFailsBeforeAnythingIsSent) {
    net::socks::Handshake handshake(Proxy(net::SocksVersion::svSocks5), std::string(256, 'x'), 80);
    EXPECT_THROW(handshake.Begin(), SocketError);
    net::socks::Handshake with_password(Proxy(net::SocksVersion::svSocks5, true), "h", 80);
    net::ProxySettings long_user = Proxy(net::SocksVersion::svSocks5, true);
    long_user.username.assign(256, 'u');
    net::socks::Handshake bad_user(long_user, "h", 80);
    EXPECT_THROW(bad_user.Begin(), SocketError);
    EXPECT_NO_THROW(with_password.Begin());
}

}  // namespace
