#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "login_fixtures.h"
#include "raw_listener.h"
#include "session/babillon.h"
#include "session_recorder.h"
#include "support/nginx_server.h"

namespace {

// The identification site as a real web server gives it: headers, status line, connection
// closed after each answer.
TEST(BabillonNginx, TheFourRequestsGoThroughARealWebServer) {
    NginxServer web({
        "location = /scripts/baltop { add_header Set-Cookie \"IDENTIFIANT=ngx0c00k1e; path=/\"; "
        "return 200 '<html>Bienvenue</html>'; }",
        "location = /Bin/BabiClub/Chat/chat.jsp { return 200 '<html>chat</html>'; }",
        "location = /Bin/BabiClub/Chat/valideChat.jsp { return 200 '<html>valide</html>'; }",
        "location = /a.jsp { return 200 '<applet><param name=\"tempid\" value=\"ngx-77\">"
        "</applet>'; }",
    });
    std::string identifier_line;
    std::atomic<bool> identified{false};
    RawListener chat([&](int fd) {
        RawListener::SendAll(fd, "100\n");
        identifier_line = RawListener::ReadUntil(fd, "\r\n");
        identified = true;
        RawListener::ReadUntil(fd, "\n");
    });

    TBabillon session;
    SessionRecorder recorder(session);
    recorder.on_line = [&](const std::string& code, const std::vector<std::string>&) {
        if (code == "100") session.SendLine("0\t0\t" + session.TempID);
    };
    AimAt(session, web.port(), chat.port());
    session.Pseudo = "jean";
    session.Alias = "jeannot";
    session.Pass = "s\xE9same";
    session.Salon = "Le caf\xE9";
    session.Connect();

    ASSERT_TRUE(Pump([&] { return identified.load() || !recorder.errors.empty(); }))
        << web.ErrorLog();
    EXPECT_TRUE(recorder.errors.empty());
    EXPECT_EQ(session.Cookie, "ngx0c00k1e");
    EXPECT_EQ(session.TempID, "ngx-77");
    EXPECT_EQ(session.VekState, TVekState::Chat);
    EXPECT_EQ(identifier_line, "0\t0\tngx-77\r\n");
    ASSERT_EQ(recorder.answers.size(), 4u);
    for (const std::string& answer : recorder.answers) {
        EXPECT_EQ(answer.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << answer;
    }
    EXPECT_NE(recorder.answers[1].find("<html>chat</html>"), std::string::npos);
    EXPECT_EQ(std::vector<std::string>(recorder.events.begin(), recorder.events.end() - 1),
              LoginTrail(web.port(), chat.port(), "ngx0c00k1e", "ngx-77"));
}

}  // namespace
