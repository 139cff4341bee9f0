#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "login_fixtures.h"
#include "raw_listener.h"
#include "session/babillon.h"
#include "session_recorder.h"
#include "support/babillon_server.h"
#include "support/socks_proxies.h"

namespace {

namespace proxies = tamaris::test;

::testing::Environment* const socks_proxies =
    ::testing::AddGlobalTestEnvironment(new proxies::SocksProxies);

struct ProxyCase {
    const char* name;
    net::SocksVersion version;
    int proxy_port;
    // The user name/password pair, used when authentication is set.
    bool authentication;
    std::string password;
    // SOCKS 4A leaves the name to the proxy.
    std::string server_host;
    // 0: the session reaches the chat; else the error raised in state 1.
    int error;
};

TEST(BabillonProxies, TheWholeSessionGoesThroughEachKindOfProxy) {
    BabillonServer server;
    const std::vector<ProxyCase> cases = {
        {"SOCKS 4", net::SocksVersion::svSocks4, proxies::kSshSocksPort, false, "", "127.0.0.1", 0},
        {"SOCKS 4A", net::SocksVersion::svSocks4A, proxies::kSshSocksPort, false, "", "localhost",
         0},
        {"SOCKS 5", net::SocksVersion::svSocks5, proxies::kSshSocksPort, false, "", "localhost", 0},
        {"SOCKS 5 with password", net::SocksVersion::svSocks5, proxies::kMicrosocksPort, true,
         proxies::kMicrosocksPassword, "127.0.0.1", 0},
        {"SOCKS 5 with a wrong password", net::SocksVersion::svSocks5, proxies::kMicrosocksPort,
         true, "not-the-password", "127.0.0.1", 1},
        {"SOCKS 5 without the password it wants", net::SocksVersion::svSocks5,
         proxies::kMicrosocksPort, false, "", "127.0.0.1", 1},
        {"SOCKS 4 through Dante", net::SocksVersion::svSocks4, proxies::kDanteSocksPort, false, "",
         "127.0.0.1", 0},
        {"SOCKS 4A refused by Dante", net::SocksVersion::svSocks4A, proxies::kDanteSocksPort, false,
         "", "localhost", 1},
    };
    for (const ProxyCase& c : cases) {
        SCOPED_TRACE(c.name);
        TBabillon session;
        SessionRecorder recorder(session);
        session.IDAddress = c.server_host;
        session.IDPort = server.http_port();
        session.ChatAddress = c.server_host;
        session.ChatPort = server.chat_port();
        session.ProxyHTVersion = c.version;
        session.HTTPProxyAddress = proxies::kProxyHost;
        session.HTTPProxyPort = c.proxy_port;
        session.TCPProxyAddress = proxies::kProxyHost;
        session.TCPProxyPort = c.proxy_port;
        session.SocksAuthentication = c.authentication;
        session.SocksUserName = proxies::kMicrosocksUser;
        session.SocksPassword = c.password;
        session.Pseudo = "test";
        session.Pass = "test";
        session.Connect();

        ASSERT_TRUE(Pump([&] { return recorder.HasLine("100") || !recorder.errors.empty(); }));
        if (c.error == 0) {
            EXPECT_TRUE(recorder.errors.empty());
            EXPECT_EQ(session.VekState, TVekState::Chat);
        } else {
            EXPECT_EQ(recorder.errors, (std::vector<std::pair<int, int>>{{c.error, 1}}));
            EXPECT_EQ(session.VekState, TVekState::Failed);
        }
    }
}

TEST(BabillonProxies, AProxyForTheLoginOnlyLeavesTheChatDirect) {
    BabillonServer server;
    // Were the chat connection to use a proxy, it would find nothing listening here.
    const int dead_port = [] {
        RawListener listener([](int) {});
        return listener.port();
    }();
    TBabillon session;
    SessionRecorder recorder(session);
    AimAt(session, server.http_port(), server.chat_port());
    session.ProxyHTVersion = net::SocksVersion::svSocks5;
    session.HTTPProxyAddress = proxies::kProxyHost;
    session.HTTPProxyPort = proxies::kMicrosocksPort;
    session.TCPProxyAddress = " \t";
    session.TCPProxyPort = dead_port;
    session.SocksAuthentication = true;
    session.SocksUserName = proxies::kMicrosocksUser;
    session.SocksPassword = proxies::kMicrosocksPassword;
    session.Pseudo = "test";
    session.Pass = "test";
    session.Connect();
    ASSERT_TRUE(Pump([&] { return recorder.HasLine("100") || !recorder.errors.empty(); }));
    EXPECT_TRUE(recorder.errors.empty());
    EXPECT_EQ(session.VekState, TVekState::Chat);

    // And the login really goes through the proxy: with a wrong password it cannot start.
    TBabillon refused;
    SessionRecorder refused_events(refused);
    AimAt(refused, server.http_port(), server.chat_port());
    refused.ProxyHTVersion = net::SocksVersion::svSocks5;
    refused.HTTPProxyAddress = proxies::kProxyHost;
    refused.HTTPProxyPort = proxies::kMicrosocksPort;
    refused.SocksAuthentication = true;
    refused.SocksUserName = proxies::kMicrosocksUser;
    refused.SocksPassword = "wrong";
    refused.Pseudo = "test";
    refused.Pass = "test";
    refused.Connect();
    EXPECT_EQ(refused_events.errors, (std::vector<std::pair<int, int>>{{1, 1}}));
}

}  // namespace
