#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "loopback_listener.h"
#include "net/tcp_client.h"

namespace {

using net::Connection;
using net::SocketError;

// A client connection and the raw peer it talks to.
struct Pair {
    explicit Pair(const LoopbackListener& listener)
        : client(net::ConnectTcp(listener.host(), listener.port(), {})), peer(listener.Accept()) {}
    ~Pair() { ClosePeer(); }
    void ClosePeer() {
        if (peer >= 0) ::close(peer);
        peer = -1;
    }
    std::shared_ptr<Connection> client;
    int peer;
};

class ConnectionTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(listener.ok()); }
    LoopbackListener listener;
};

std::vector<std::string> ReadLines(Connection& connection, std::size_t max_line,
                                   std::vector<bool>* dropped = nullptr) {
    std::vector<std::string> lines;
    bool was_dropped = false;
    while (std::optional<std::string> line = connection.ReadLn(max_line, &was_dropped)) {
        lines.push_back(*line);
        if (dropped != nullptr) dropped->push_back(was_dropped);
    }
    return lines;
}

TEST_F(ConnectionTest, LinesKeepTheirCrAndLoseTheirLf) {
    Pair pair(listener);
    ASSERT_GE(pair.peer, 0);
    ASSERT_TRUE(SendAllRaw(pair.peer, "100\r\n\n\r\n70\tA\t\nlast without LF"));
    pair.ClosePeer();
    EXPECT_EQ(ReadLines(*pair.client, 1024),
              (std::vector<std::string>{"100\r", "", "\r", "70\tA\t"}));
    EXPECT_FALSE(pair.client->Connected());
    EXPECT_FALSE(pair.client->ClosedLocally());
}

TEST_F(ConnectionTest, LineArrivingInPiecesIsJoined) {
    Pair pair(listener);
    std::thread writer([&] {
        for (const char* piece : {"12", "3\t", "field", "\nnext", "\n"}) {
            SendAllRaw(pair.peer, piece);
            std::this_thread::yield();
        }
        pair.ClosePeer();
    });
    EXPECT_EQ(ReadLines(*pair.client, 1024), (std::vector<std::string>{"123\tfield", "next"}));
    writer.join();
}

TEST_F(ConnectionTest, LineLongerThanTheLimitIsDroppedAndTheNextOneArrives) {
    constexpr std::size_t kLimit = 1024 * 1024;
    Pair pair(listener);
    std::thread writer([&] {
        SendAllRaw(pair.peer, "first\n" + std::string(2 * 1024 * 1024, 'x') + "\nafter\n");
        SendAllRaw(pair.peer,
                   std::string(kLimit, 'y') + "\n" + std::string(kLimit + 1, 'z') + "\n");
        pair.ClosePeer();
    });
    std::vector<bool> dropped;
    const std::vector<std::string> lines = ReadLines(*pair.client, kLimit, &dropped);
    writer.join();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "first");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "after");
    EXPECT_EQ(lines[3], std::string(kLimit, 'y'));
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(dropped, (std::vector<bool>{false, true, false, false, true}));
}

TEST_F(ConnectionTest, ReadAllKeepsUpToTheLimitAndReadsToTheEnd) {
    struct Case {
        std::size_t sent;
        std::size_t limit;
    };
    for (const Case c : {Case{100 * 1024, 1000}, Case{500, 1000}, Case{1000, 1000}}) {
        Pair pair(listener);
        std::string body(c.sent, '\0');
        for (std::size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>('a' + i % 26);
        std::thread writer([&] {
            SendAllRaw(pair.peer, body);
            pair.ClosePeer();
        });
        EXPECT_EQ(pair.client->ReadAll(c.limit), body.substr(0, c.limit))
            << c.sent << " bytes, limit " << c.limit;
        writer.join();
        EXPECT_FALSE(pair.client->Connected());
    }
}

TEST_F(ConnectionTest, ReadAllStartsWithWhatReadLnLeftBuffered) {
    Pair pair(listener);
    ASSERT_TRUE(SendAllRaw(pair.peer, "HTTP/1.0 200 OK\r\nSet-Cookie: a\r\n\r\nbody"));
    pair.ClosePeer();
    EXPECT_EQ(pair.client->ReadLn(100, nullptr), "HTTP/1.0 200 OK\r");
    EXPECT_EQ(pair.client->ReadAll(1000), "Set-Cookie: a\r\n\r\nbody");
}

TEST_F(ConnectionTest, CloseWakesABlockedReader) {
    for (bool read_lines : {true, false}) {
        Pair pair(listener);
        ASSERT_TRUE(SendAllRaw(pair.peer, "hello\n"));
        ASSERT_EQ(pair.client->ReadLn(100, nullptr), "hello");
        std::optional<std::string> line = "unset";
        std::string all = "unset";
        std::thread reader([&] {
            if (read_lines) {
                line = pair.client->ReadLn(100, nullptr);
            } else {
                all = pair.client->ReadAll(100);
            }
        });
        pair.client->Close();
        reader.join();
        EXPECT_EQ(read_lines ? line : std::nullopt, std::nullopt);
        EXPECT_EQ(read_lines ? "" : all, "");
        EXPECT_TRUE(pair.client->ClosedLocally());
        EXPECT_FALSE(pair.client->Connected());
        // Bytes that arrive after the close are not delivered.
        SendAllRaw(pair.peer, "late\n");
        EXPECT_EQ(pair.client->ReadLn(100, nullptr), std::nullopt);
    }
}

TEST_F(ConnectionTest, WritesReachThePeerAndFailAfterClose) {
    Pair pair(listener);
    pair.client->Write("0\t0\tTEMPID\r\n");
    EXPECT_EQ(ReadLineRaw(pair.peer), "0\t0\tTEMPID\r\n");
    pair.client->Close();
    EXPECT_THROW(pair.client->Write("667\r\n"), SocketError);
}

TEST_F(ConnectionTest, WritingToAPeerThatLeftThrowsInsteadOfKillingTheProcess) {
    Pair pair(listener);
    pair.ClosePeer();
    const std::string chunk(64 * 1024, 'w');
    bool failed = false;
    for (int i = 0; i < 1000 && !failed; ++i) {
        try {
            pair.client->Write(chunk);
        } catch (const SocketError&) {
            failed = true;
        }
    }
    EXPECT_TRUE(failed);
    EXPECT_FALSE(pair.client->Connected());
}

TEST_F(ConnectionTest, APeerThatStopsReadingFailsTheWriteAndTheConnection) {
    Pair pair(listener);
    ASSERT_GE(pair.peer, 0);
    pair.client->SetWriteTimeout(std::chrono::milliseconds(100));
    // More than both socket buffers hold: without a time-out this write never returns.
    EXPECT_THROW(pair.client->Write(std::string(64 * 1024 * 1024, 'w')), SocketError);
    EXPECT_FALSE(pair.client->Connected());

    // Even with room again, the next line would follow a cut one: it is refused.
    char sink[64 * 1024];
    std::size_t drained = 0;
    for (ssize_t got; (got = ::recv(pair.peer, sink, sizeof sink, MSG_DONTWAIT)) > 0;) {
        drained += static_cast<std::size_t>(got);
    }
    EXPECT_GT(drained, 0u);
    EXPECT_THROW(pair.client->Write("667\r\n"), SocketError);
}

TEST(ConnectTcp, ReachesLoopbackByAddressAndByName) {
    LoopbackListener v4(AF_INET);
    LoopbackListener v6(AF_INET6);
    ASSERT_TRUE(v4.ok());
    struct Case {
        const LoopbackListener* listener;
        std::string host;
    };
    std::vector<Case> cases = {{&v4, "127.0.0.1"}, {&v4, "localhost"}};
    if (v6.ok()) cases.push_back({&v6, "::1"});
    for (const Case& c : cases) {
        auto client = net::ConnectTcp(c.host, c.listener->port(), {});
        const int peer = c.listener->Accept();
        ASSERT_GE(peer, 0) << c.host;
        SendAllRaw(peer, "100\n");
        EXPECT_EQ(client->ReadLn(100, nullptr), "100") << c.host;
        EXPECT_TRUE(client->Connected()) << c.host;
        ::close(peer);
    }
}

TEST(ConnectTcp, FailuresThrowSocketError) {
    LoopbackListener closed;
    ASSERT_TRUE(closed.ok());
    const int free_port = closed.port();
    closed.StopListening();
    struct Case {
        std::string host;
        int port;
    };
    for (const Case& c : {Case{"127.0.0.1", free_port}, Case{"no-such-host.invalid", 80},
                          Case{"", 80}, Case{"127.0.0.1", 0}, Case{"127.0.0.1", 65536}}) {
        EXPECT_THROW(net::ConnectTcp(c.host, c.port, {}), SocketError) << c.host << ":" << c.port;
    }
}

}  // namespace
