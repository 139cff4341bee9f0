#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "login_fixtures.h"
#include "raw_listener.h"
#include "session/babillon.h"
#include "session/http_login.h"
#include "session_recorder.h"

namespace {

// A port on loopback where nothing listens.
int DeadPort() {
    RawListener listener([](int) {});
    return listener.port();
}

// Logs a session in against scripted servers; the chat side is the test's own.
struct LoginRig {
    explicit LoginRig(std::function<void(int fd)> chat_side)
        : http(GoodLoginAnswers("c00k1e", "T-123")), chat(std::move(chat_side)) {
        AimAt(session, http.port(), chat.port());
        session.Pseudo = "Jean";
        session.Alias = "Jeannot";
        session.Pass = "s\xE9same";
        session.Age = "33";
        session.Ville = "Saint-\xC9tienne";
        session.Sexe = 1;
        session.Salon = "Le caf\xE9";
    }

    bool ReachChat() {
        session.Connect();
        return Pump(
            [this] { return session.VekState == TVekState::Chat && recorder.HasLine("100"); });
    }

    ScriptedHttpServer http;
    RawListener chat;
    TBabillon session;
    SessionRecorder recorder{session};
};

// The chat side opens like the service, with its welcome line.
void Welcome(int fd) {
    RawListener::SendAll(fd, "100\n");
}

TEST(BabillonLogin, WalksTheFourStepsThenOpensTheChat) {
    std::string identifier_line;
    std::atomic<bool> got_identifier{false};
    LoginRig rig([&](int fd) {
        Welcome(fd);
        identifier_line = RawListener::ReadUntil(fd, "\r\n");
        got_identifier = true;
        RawListener::ReadUntil(fd, "\n");  // until the session goes
    });
    rig.recorder.on_line = [&](const std::string& code, const std::vector<std::string>&) {
        if (code == "100") rig.session.SendLine("0\t0\t" + rig.session.TempID);
    };

    ASSERT_TRUE(rig.ReachChat());
    ASSERT_TRUE(Pump([&] { return got_identifier.load(); }));

    std::vector<std::string> expected =
        LoginTrail(rig.http.port(), rig.chat.port(), "c00k1e", "T-123");
    expected.push_back("line 100");
    EXPECT_EQ(rig.recorder.events, expected);
    EXPECT_EQ(rig.recorder.off_main_thread, 0);
    EXPECT_EQ(rig.session.Cookie, "c00k1e");
    EXPECT_EQ(rig.session.TempID, "T-123");
    EXPECT_TRUE(rig.session.Connected());
    EXPECT_EQ(identifier_line, "0\t0\tT-123\r\n");

    // The requests as written, with the checked identity and the cookie of the first answer;
    // outside the chat the accents go as single bytes.
    const std::vector<std::string> requests = rig.http.requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0], http_login::CookieRequest("127.0.0.1", "jean", "s\xE9same") + "\r\n");
    EXPECT_EQ(requests[1], http_login::ConfigPageRequest("127.0.0.1", "c00k1e") + "\r\n");
    EXPECT_EQ(requests[2], http_login::ValidationRequest("127.0.0.1", "c00k1e", "jeannot", "33",
                                                         "Saint-\xC9tienne", 1, false, "en ligne",
                                                         "Le caf\xE9") +
                               "\r\n");
    EXPECT_EQ(requests[3], http_login::TempIdRequest("127.0.0.1", "c00k1e", "Le caf\xE9") + "\r\n");
    ASSERT_EQ(rig.recorder.answers.size(), 4u);
    EXPECT_EQ(rig.recorder.answers[3], GoodLoginAnswers("c00k1e", "T-123")[3]);
}

TEST(BabillonLogin, AnEmptyRoomGivesAnEmptyRoomField) {
    LoginRig rig([](int fd) { Welcome(fd); });
    rig.session.Salon = "";
    ASSERT_TRUE(rig.ReachChat());
    const std::vector<std::string> requests = rig.http.requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_NE(requests[2].find("&r2=&version=java&res=800&room0=\r\n"), std::string::npos)
        << requests[2];
    EXPECT_EQ(requests[3].rfind("GET /a.jsp?room0=&tempid=1&", 0), 0u) << requests[3];
}

TEST(BabillonConnect, NothingListeningIsErrorOne) {
    const int dead = DeadPort();
    struct Case {
        std::uint8_t state_before;
        std::string trace;
        std::string error;
    };
    const std::vector<Case> cases = {
        {0, "0|Connexion au serveur d'ID [127.0.0.1:" + std::to_string(dead) + "]", "error 1 in 1"},
        {2, "0|Connexion au serveur d'ID [127.0.0.1:" + std::to_string(dead) + "]", "error 1 in 2"},
        {5, "0|Connexion au serveur de Chat [127.0.0.1:" + std::to_string(dead) + "]",
         "error 1 in 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("from state " + std::to_string(c.state_before));
        TBabillon session;
        SessionRecorder recorder(session);
        AimAt(session, dead, dead);
        session.VekState = static_cast<TVekState>(c.state_before);
        session.Connect();
        EXPECT_EQ(recorder.events, (std::vector<std::string>{"connect", c.trace,
                                                             "0|D\xE9"
                                                             "connexion du serveur",
                                                             "disconnect", c.error}));
        EXPECT_EQ(session.VekState, TVekState::Failed);
        EXPECT_FALSE(session.Connected());
    }
}

TEST(BabillonConnect, AConnectionClosedByTheOwnersOnConnectedStartsNoReader) {
    ScriptedHttpServer http(GoodLoginAnswers("c", "t"));
    TBabillon session;
    SessionRecorder recorder(session);
    AimAt(session, http.port(), http.port());
    session.Pseudo = "jean";
    session.Pass = "pw";
    session.OnConnected = [&session] { session.Disconnect(); };
    session.Connect();
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"connect",
                                                         "0|Connexion au serveur d'ID [127.0.0.1:" +
                                                             std::to_string(http.port()) + "]",
                                                         "0|D\xE9"
                                                         "connexion du serveur",
                                                         "disconnected", "disconnect"}));
    EXPECT_EQ(session.VekState, TVekState::Cookie);
    EXPECT_FALSE(session.Connected());
    ASSERT_TRUE(Pump([&] { return http.requests().size() == 1; }));
    EXPECT_EQ(http.requests()[0], "");
}

TEST(BabillonLogin, MissingIdentityFailsBeforeAnyRequest) {
    struct Case {
        std::string pseudo;
        std::string alias;
        std::string pass;
        int error;
    };
    for (const Case& c :
         std::vector<Case>{{"", "bob", "pw", 7}, {"jean", "bob", "", 9}, {"jean", "", " ", 9}}) {
        ScriptedHttpServer http(GoodLoginAnswers("c", "t"));
        TBabillon session;
        SessionRecorder recorder(session);
        AimAt(session, http.port(), http.port());
        session.Pseudo = c.pseudo;
        session.Alias = c.alias;
        session.Pass = c.pass;
        session.Connect();
        EXPECT_EQ(recorder.errors, (std::vector<std::pair<int, int>>{{c.error, 1}}));
        EXPECT_EQ(session.VekState, TVekState::Failed);
        EXPECT_FALSE(session.Connected());
        // The server saw a connection closed without a single byte.
        ASSERT_TRUE(Pump([&] { return http.requests().size() == 1; }));
        EXPECT_EQ(http.requests()[0], "");
    }
}

TEST(BabillonLogin, AServerThatClosesWithoutAnswerLeavesTheSessionWaiting) {
    ScriptedHttpServer http({""});
    TBabillon session;
    SessionRecorder recorder(session);
    AimAt(session, http.port(), http.port());
    session.Pseudo = "jean";
    session.Pass = "pw";
    session.Connect();
    ASSERT_TRUE(Pump([&] { return !recorder.answers.empty(); }));
    EXPECT_EQ(session.VekState, TVekState::Cookie);
    EXPECT_TRUE(recorder.errors.empty());
    EXPECT_EQ(recorder.debug.back().second, 2) << recorder.debug.back().first;
    EXPECT_EQ(recorder.answers, std::vector<std::string>{""});
}

TEST(BabillonLogin, ServerFailureTextsAreErrors) {
    struct Case {
        std::vector<std::string> answers;
        int error;
        int state;
    };
    const std::vector<Case> cases = {
        {{"HTTP/1.0 200 OK\r\n\r\nMAUVAIS LOGIN OU MOT DE PASSE"}, 2, 1},
        {{"<p>Un probl&eacute;me -3 est survenu</p>IDENTIFIANT=x;"}, 3, 1},
        {{"<p>Un probl&eacute;me -4 est survenu</p>"}, 4, 1},
        {{"HTTP/1.0 200 OK\r\nSet-Cookie: IDENTIFIANT=k; path=/\r\n\r\n", "", "",
          "Unfortunately, Microsoft has added \"tempid\" value=\"9\""},
         5,
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("error " + std::to_string(c.error));
        ScriptedHttpServer http(c.answers);
        TBabillon session;
        SessionRecorder recorder(session);
        AimAt(session, http.port(), http.port());
        session.Pseudo = "jean";
        session.Pass = "pw";
        session.Connect();
        ASSERT_TRUE(Pump([&] { return !recorder.errors.empty(); }));
        EXPECT_EQ(recorder.errors, (std::vector<std::pair<int, int>>{{c.error, c.state}}));
        EXPECT_EQ(session.VekState, TVekState::Failed);
        EXPECT_FALSE(session.Connected());
        EXPECT_TRUE(session.TempID.empty());
        // A failed answer is not handed on as data.
        EXPECT_EQ(recorder.answers.size(), c.answers.size() - 1);
        // The error closes the connection before it is reported, then the examination of
        // the answer ends with one more disconnect.
        const std::vector<std::string> tail = {
            "0|D\xE9"
            "connexion du serveur",
            "disconnected",
            "disconnect",
            "error " + std::to_string(c.error) + " in " + std::to_string(c.state),
            "0|D\xE9"
            "connexion du serveur",
            "disconnect"};
        ASSERT_GE(recorder.events.size(), tail.size());
        EXPECT_EQ(
            std::vector<std::string>(recorder.events.end() - tail.size(), recorder.events.end()),
            tail);
    }
}

TEST(BabillonChat, LinesArriveInOrderOnTheMainThread) {
    constexpr int kLines = 2000;
    LoginRig rig([](int fd) {
        Welcome(fd);
        std::string burst;
        for (int i = 0; i < kLines; ++i) {
            burst += "70\tid" + std::to_string(i) +
                     "\t\tB\xC3\xA9"
                     "a\t0101n\xC2\xB0" +
                     std::to_string(i) + "\n";
            if (i % 7 == 0) burst += "\n";  // empty lines raise nothing
        }
        RawListener::SendAll(fd, burst);
        RawListener::ReadUntil(fd, "\n");
    });
    ASSERT_TRUE(rig.ReachChat());
    ASSERT_TRUE(Pump([&] { return rig.recorder.lines.size() == kLines + 1; }));
    EXPECT_EQ(rig.recorder.off_main_thread, 0);
    for (int i = 0; i < kLines; ++i) {
        const auto& line = rig.recorder.lines[i + 1];
        ASSERT_EQ(line.code, "70");
        ASSERT_EQ(line.params, (std::vector<std::string>{"id" + std::to_string(i), "",
                                                         "B\xE9"
                                                         "a",
                                                         "0101n\xB0" + std::to_string(i)}));
    }
}

TEST(BabillonChat, OutgoingLinesAreUtf8OnlyInTheChat) {
    std::string received;
    std::atomic<bool> done{false};
    LoginRig rig([&](int fd) {
        Welcome(fd);
        received = RawListener::ReadUntil(fd, "\r\n");
        done = true;
    });
    ASSERT_TRUE(rig.ReachChat());
    rig.session.SendLine(
        "70\t0101\xC7"
        "a va, l'\xE9t\xE9 ? \x80 \x9C");
    ASSERT_TRUE(Pump([&] { return done.load(); }));
    EXPECT_EQ(received,
              "70\t0101\xC3\x87"
              "a va, l'\xC3\xA9t\xC3\xA9 ? \xE2\x82\xAC \xC5\x93\r\n");
}

TEST(BabillonChat, MalformedUtf8InFieldsStaysInsideItsField) {
    LoginRig rig([](int fd) {
        Welcome(fd);
        RawListener::SendAll(fd,
                             "70\tid\t\tab\xC3\tx\xE2\x82\t\xF8\x88\x80\x80\x80\t\xFF\n"
                             "84\tfin\n");
        RawListener::ReadUntil(fd, "\n");
    });
    ASSERT_TRUE(rig.ReachChat());
    ASSERT_TRUE(Pump([&] { return rig.recorder.HasLine("84"); }));
    ASSERT_EQ(rig.recorder.lines.size(), 3u);
    const auto& params = rig.recorder.lines[1].params;
    ASSERT_EQ(params.size(), 6u);
    EXPECT_EQ(params[0], "id");
    EXPECT_EQ(params[1], "");
    // Whatever a broken sequence becomes, the bytes of the next field are not eaten.
    EXPECT_EQ(params[2].substr(0, 2), "ab");
    EXPECT_EQ(params[3].substr(0, 1), "x");
    EXPECT_EQ(rig.recorder.lines[2].params, std::vector<std::string>{"fin"});
}

TEST(BabillonChat, AnOverlongLineIsDroppedWithAWarning) {
    LoginRig rig([](int fd) {
        Welcome(fd);
        RawListener::SendAll(fd, "70\t" + std::string(2 * 1024 * 1024, 'x') + "\n" +
                                     "70\tid\t\tbob\t0101apr\xC3\xA8s\n");
        RawListener::ReadUntil(fd, "\n");
    });
    ASSERT_TRUE(rig.ReachChat());
    ASSERT_TRUE(Pump([&] { return rig.recorder.lines.size() == 2; }));
    EXPECT_EQ(rig.recorder.lines[1].params,
              (std::vector<std::string>{"id", "", "bob", "0101apr\xE8s"}));
    const std::vector<std::string>& events = rig.recorder.events;
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[events.size() - 3], "line 100");
    EXPECT_EQ(events[events.size() - 2].substr(0, 2), "2|") << events[events.size() - 2];
    EXPECT_TRUE(rig.session.Connected());
}

TEST(BabillonChat, AChatServerThatClosesEndsTheConnectionButNotTheState) {
    LoginRig rig([](int fd) { RawListener::SendAll(fd, "100\n70\tid\t\tbob\t0101bye\n"); });
    ASSERT_TRUE(rig.ReachChat());
    ASSERT_TRUE(Pump([&] { return !rig.session.Connected(); }));
    const std::vector<std::string>& events = rig.recorder.events;
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2], "line 70");
    EXPECT_EQ(events.back(), "disconnected");
    EXPECT_EQ(rig.session.VekState, TVekState::Chat);
    EXPECT_EQ(rig.recorder.off_main_thread, 0);

    // Connecting again goes straight back to the chat server with the same identifier.
    rig.recorder.events.clear();
    rig.session.Connect();
    ASSERT_TRUE(Pump([&] { return rig.recorder.lines.size() >= 3; }));
    EXPECT_EQ(rig.recorder.events.at(1),
              "0|Connexion au serveur de Chat [127.0.0.1:" + std::to_string(rig.chat.port()) + "]");
    EXPECT_EQ(rig.recorder.lines[2].code, "100");
    EXPECT_EQ(rig.http.requests().size(), 4u);
}

// A chat server that talks until the test lets it go.
struct EndlessChat {
    static void Serve(int fd) {
        RawListener::SendAll(fd, "100\n");
        std::string line = "70\tid\t\tbob\t0101bla bla bla\n";
        while (send(fd, line.data(), line.size(), MSG_NOSIGNAL) > 0) {
        }
    }
};

TEST(BabillonChat, DisconnectingWhileALineWaitsForTheMainThread) {
    LoginRig rig(EndlessChat::Serve);
    ASSERT_TRUE(rig.ReachChat());
    ASSERT_TRUE(Pump([&] { return rig.recorder.lines.size() > 50; }));
    // The reader is now blocked in its hand-off with the next lines.
    const std::size_t last = rig.recorder.lines.size() + 10;
    rig.recorder.on_line = [&](const std::string&, const std::vector<std::string>&) {
        if (rig.recorder.lines.size() == last) rig.session.Disconnect();
    };
    ASSERT_TRUE(Pump([&] { return !rig.session.Connected(); }));
    const std::size_t seen = rig.recorder.lines.size();
    EXPECT_EQ(seen, last);
    TestMainThread().RunUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_EQ(rig.recorder.lines.size(), seen);
    EXPECT_EQ(rig.recorder.events.back(), "disconnect");
}

TEST(BabillonChat, DestroyingTheSessionWithReadersRunningIsSafe) {
    RawListener chat(EndlessChat::Serve);
    ScriptedHttpServer http(GoodLoginAnswers("c", "t"));
    int lines = 0;
    {
        TBabillon session;
        AimAt(session, http.port(), chat.port());
        session.Pseudo = "jean";
        session.Pass = "pw";
        session.OnChatCommande = [&](const std::string&, const std::vector<std::string>&) {
            ++lines;
        };
        session.Connect();
        ASSERT_TRUE(Pump([&] { return lines > 10; }));
    }
    // A hand-off queued before the session went is dropped, not run on a dead session.
    const int seen = lines;
    TestMainThread().RunUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_EQ(lines, seen);
}

TEST(BabillonLogin, DestroyingTheSessionDuringAnHttpStepIsSafe) {
    std::mutex mutex;
    std::condition_variable released;
    bool release = false;
    RawListener http([&](int fd) {
        RawListener::ReadHttpRequest(fd);
        std::unique_lock lock(mutex);
        released.wait(lock, [&] { return release; });
        RawListener::SendAll(fd, "IDENTIFIANT=late; path=/");
    });
    {
        TBabillon session;
        SessionRecorder recorder(session);
        AimAt(session, http.port(), http.port());
        session.Pseudo = "jean";
        session.Pass = "pw";
        session.Connect();
        ASSERT_TRUE(session.Connected());
    }
    {
        std::lock_guard lock(mutex);
        release = true;
    }
    released.notify_all();
    TestMainThread().RunUntil([] { return false; }, std::chrono::milliseconds(100));
}

TEST(BabillonLogin, TheAnswerOfASupersededStepIsNotDelivered) {
    std::mutex mutex;
    std::condition_variable changed;
    bool first_answered = false;
    int served = 0;
    RawListener http([&](int fd) {
        RawListener::ReadHttpRequest(fd);
        int index;
        {
            std::lock_guard lock(mutex);
            index = served++;
        }
        RawListener::SendAll(fd,
                             index == 0 ? "IDENTIFIANT=old; path=/" : "IDENTIFIANT=new; path=/");
        if (index == 0) {
            std::lock_guard lock(mutex);
            first_answered = true;
            changed.notify_all();
        }
    });
    TBabillon session;
    SessionRecorder recorder(session);
    AimAt(session, http.port(), DeadPort());
    session.Pseudo = "jean";
    session.Pass = "pw";
    session.Connect();
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return first_answered; });
    }
    // The first answer is read or on its way to the main thread; a new attempt supersedes it.
    session.Connect();
    ASSERT_TRUE(Pump([&] { return !session.Cookie.empty(); }));
    EXPECT_EQ(session.Cookie, "new");
    TestMainThread().RunUntil([] { return false; }, std::chrono::milliseconds(100));
    int cookies = 0;
    for (const auto& [text, category] : recorder.debug) {
        if (text.rfind("Cookie re\xE7u", 0) == 0) ++cookies;
    }
    EXPECT_EQ(cookies, 1);
}

}  // namespace
