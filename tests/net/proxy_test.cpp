#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "loopback_listener.h"
#include "net/tcp_client.h"
#include "support/socks_proxies.h"

namespace {

using net::SocketError;
using net::SocksVersion;
using namespace tamaris::test;

::testing::Environment* const socks_proxies = ::testing::AddGlobalTestEnvironment(new SocksProxies);

net::ProxySettings Proxy(SocksVersion version, int port, const std::string& user = {},
                         const std::string& password = {}) {
    net::ProxySettings proxy;
    proxy.version = version;
    proxy.host = kProxyHost;
    proxy.port = port;
    proxy.authentication = !user.empty();
    proxy.username = user;
    proxy.password = password;
    return proxy;
}

struct Route {
    const char* name;
    std::string host;  // the target as the client names it
    net::ProxySettings proxy;
};

// The tunnel carries bytes both ways, and nothing the target sends first is lost in the
// handshake.
TEST(ThroughProxy, TunnelCarriesLinesBothWays) {
    const std::vector<Route> routes = {
        {"socks4 via ssh", "127.0.0.1", Proxy(SocksVersion::svSocks4, kSshSocksPort)},
        {"socks4 via ssh, name resolved here", "localhost",
         Proxy(SocksVersion::svSocks4, kSshSocksPort)},
        {"socks4a via ssh", "localhost", Proxy(SocksVersion::svSocks4A, kSshSocksPort)},
        {"socks5 via ssh by name", "localhost", Proxy(SocksVersion::svSocks5, kSshSocksPort)},
        {"socks5 via ssh by address", "127.0.0.1", Proxy(SocksVersion::svSocks5, kSshSocksPort)},
        {"socks5 via ssh, password offered but not needed", "localhost",
         Proxy(SocksVersion::svSocks5, kSshSocksPort, "anyone", "anything")},
        {"socks4 via dante", "127.0.0.1", Proxy(SocksVersion::svSocks4, kDanteSocksPort)},
        {"socks5 via dante by name", "localhost", Proxy(SocksVersion::svSocks5, kDanteSocksPort)},
        {"socks5 via microsocks with password", "localhost",
         Proxy(SocksVersion::svSocks5, kMicrosocksPort, kMicrosocksUser, kMicrosocksPassword)},
        {"socks5 via microsocks with password, by address", "127.0.0.1",
         Proxy(SocksVersion::svSocks5, kMicrosocksPort, kMicrosocksUser, kMicrosocksPassword)},
    };
    for (const Route& route : routes) {
        LoopbackListener target;
        ASSERT_TRUE(target.ok());
        std::string received;
        std::thread server([&] {
            const int peer = target.Accept();
            if (peer < 0) return;
            SendAllRaw(peer, "100\tbienvenue\n");
            received = ReadLineRaw(peer);
            ::close(peer);
        });
        try {
            auto connection = net::ConnectTcp(route.host, target.port(), route.proxy);
            EXPECT_EQ(connection->ReadLn(100, nullptr), "100\tbienvenue") << route.name;
            connection->Write("0\t0\tTEMPID\r\n");
            EXPECT_EQ(connection->ReadLn(100, nullptr), std::nullopt) << route.name;
        } catch (const SocketError& e) {
            ADD_FAILURE() << route.name << ": " << e.what();
            // Let the target's accept return.
            net::ConnectTcp(target.host(), target.port(), {});
        }
        server.join();
        EXPECT_EQ(received, "0\t0\tTEMPID\r\n") << route.name;
    }
}

TEST(ThroughProxy, RefusalsThrowSocketError) {
    LoopbackListener target;
    ASSERT_TRUE(target.ok());
    LoopbackListener gone;
    ASSERT_TRUE(gone.ok());
    const int closed_port = gone.port();
    gone.StopListening();
    const std::vector<Route> routes = {
        {"socks4a refused by dante", "localhost", Proxy(SocksVersion::svSocks4A, kDanteSocksPort)},
        {"wrong password", "localhost",
         Proxy(SocksVersion::svSocks5, kMicrosocksPort, kMicrosocksUser, "wrong")},
        {"no password for a proxy that needs one", "localhost",
         Proxy(SocksVersion::svSocks5, kMicrosocksPort)},
        {"socks4 to a socks5-only proxy", "127.0.0.1",
         Proxy(SocksVersion::svSocks4, kMicrosocksPort)},
        {"host name over 255 bytes", std::string(256, 'h'),
         Proxy(SocksVersion::svSocks5, kSshSocksPort)},
        {"no proxy listening", "127.0.0.1", Proxy(SocksVersion::svSocks5, closed_port)},
        {"socks5 proxy cannot resolve the name", "no-such-host.invalid",
         Proxy(SocksVersion::svSocks5, kDanteSocksPort)},
        {"socks4a proxy cannot resolve the name", "no-such-host.invalid",
         Proxy(SocksVersion::svSocks4A, kSshSocksPort)},
    };
    for (const Route& route : routes) {
        EXPECT_THROW(net::ConnectTcp(route.host, target.port(), route.proxy), SocketError)
            << route.name;
    }
}

TEST(ThroughProxy, TargetNotListeningThrowsSocketError) {
    LoopbackListener gone;
    ASSERT_TRUE(gone.ok());
    const int closed_port = gone.port();
    gone.StopListening();
    // Some proxies answer with a refusal, ssh closes the connection in the middle.
    for (const auto& proxy :
         {Proxy(SocksVersion::svSocks4, kDanteSocksPort),
          Proxy(SocksVersion::svSocks5, kDanteSocksPort),
          Proxy(SocksVersion::svSocks5, kMicrosocksPort, kMicrosocksUser, kMicrosocksPassword),
          Proxy(SocksVersion::svSocks4, kSshSocksPort),
          Proxy(SocksVersion::svSocks5, kSshSocksPort)}) {
        EXPECT_THROW(net::ConnectTcp("127.0.0.1", closed_port, proxy), SocketError)
            << static_cast<int>(proxy.version) << " via " << proxy.port;
    }
}

}  // namespace
