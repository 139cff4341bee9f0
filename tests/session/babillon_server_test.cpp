#include "support/babillon_server.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "login_fixtures.h"
#include "session/babillon.h"
#include "session_recorder.h"

namespace {

// The part of the dispatcher that opens a session: the identifier on "100", the profile and
// the room on "0", the answer to the connection check.
struct ChatOpener {
    ChatOpener(TBabillon& session, SessionRecorder& recorder, bool answer_checks = true)
        : session(session) {
        recorder.on_line = [this, answer_checks](const std::string& code,
                                                 const std::vector<std::string>& params) {
            if (code == "100") {
                this->session.SendLine("0\t0\t" + this->session.TempID);
            } else if (code == "0" && !params.empty()) {
                this->session.ServerId = params[0];
                this->session.SendLine("80\t" + this->session.Age.str() + "\t" +
                                       TBabillon::SexCode(this->session.Sexe) + "\t" +
                                       this->session.Ville.str());
                this->session.SendLine("40\t" + this->session.Salon.str() + "\t1");
            } else if (code == "667") {
                ++checks;
                if (answer_checks) this->session.SendLine("667");
            }
        };
    }
    TBabillon& session;
    int checks = 0;
};

void LogIn(TBabillon& session, const BabillonServer& server, const std::string& pseudo,
           const std::string& pass) {
    AimAt(session, server.http_port(), server.chat_port());
    session.Pseudo = pseudo;
    session.Pass = pass;
    session.Connect();
}

TEST(BabillonService, LogsInAndEntersTheRoom) {
    BabillonServer server;
    TBabillon session;
    SessionRecorder recorder(session);
    ChatOpener opener(session, recorder);
    session.Alias = "Gaston";
    session.Age = "41";
    session.Ville = "N\xEEmes";
    session.Sexe = 1;
    session.Salon = "Caf\xE9 du port";
    LogIn(session, server, "Test", "test");

    ASSERT_TRUE(Pump([&] { return recorder.HasLine("40"); }));
    EXPECT_EQ(session.VekState, TVekState::Chat);
    EXPECT_EQ(recorder.off_main_thread, 0);
    EXPECT_FALSE(session.Cookie.empty());
    EXPECT_FALSE(session.TempID.empty());
    EXPECT_FALSE(session.ServerId.empty());

    std::vector<std::string> expected =
        LoginTrail(server.http_port(), server.chat_port(), session.Cookie, session.TempID);
    ASSERT_GT(recorder.events.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(recorder.events.begin(),
                                       recorder.events.begin() + expected.size()),
              expected);
    EXPECT_EQ(recorder.events[expected.size()], "line 100");

    // The room name went out in UTF-8 and came back as the same Windows-1252 text.
    const auto& entered = recorder.lines.back();
    ASSERT_EQ(entered.params.size(), 2u);
    EXPECT_EQ(entered.params[1], "Caf\xE9#du#port");

    session.SendLine("85");
    ASSERT_TRUE(Pump([&] { return recorder.HasLine("85"); }));
    const auto& members = recorder.lines.back().params;
    ASSERT_GE(members.size(), 8u);
    EXPECT_EQ(members[1], session.ServerId.str());
    EXPECT_EQ(members[3], "gaston");
    EXPECT_EQ(members[7], "N\xEEmes");
}

TEST(BabillonService, AnEmptyAliasLogsInUnderTheLowerCasedPseudo) {
    BabillonServer server;
    TBabillon session;
    SessionRecorder recorder(session);
    ChatOpener opener(session, recorder);
    session.Salon = "Accueil";
    LogIn(session, server, "  TeSt ", "test");
    ASSERT_TRUE(Pump([&] { return recorder.HasLine("40"); }));
    EXPECT_EQ(session.Alias.str(), "test");
    int warnings = 0;
    for (const auto& [text, category] : recorder.debug) {
        if (text == "Alias non indiqu\xE9 : utilisation du pseudo" && category == 2) ++warnings;
    }
    // The identity is checked twice; the first check already filled the alias in.
    EXPECT_EQ(warnings, 1);
    session.SendLine("85");
    ASSERT_TRUE(Pump([&] { return recorder.HasLine("85"); }));
    ASSERT_GE(recorder.lines.back().params.size(), 4u);
    EXPECT_EQ(recorder.lines.back().params[3], "test");
}

TEST(BabillonService, RefusedLoginsAreErrors) {
    BabillonServer server;
    struct Case {
        std::string pseudo;
        std::string pass;
        std::pair<int, int> error;
    };
    const std::vector<Case> cases = {
        {"test", "wrong", {2, 1}},  {"probleme3", "x", {3, 1}}, {"probleme4", "x", {4, 1}},
        {"microsoft", "x", {5, 4}}, {"", "test", {7, 1}},       {"test", "", {9, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pseudo + " / " + c.pass);
        TBabillon session;
        SessionRecorder recorder(session);
        session.Alias = "a";
        LogIn(session, server, c.pseudo, c.pass);
        ASSERT_TRUE(Pump([&] { return !recorder.errors.empty(); }));
        EXPECT_EQ(recorder.errors, (std::vector<std::pair<int, int>>{c.error}));
        EXPECT_EQ(session.VekState, TVekState::Failed);
        EXPECT_FALSE(session.Connected());
    }
}

TEST(BabillonService, AnsweringTheConnectionCheckKeepsTheSessionConnected) {
    BabillonServer server({"--check-interval", "0.1", "--check-timeout", "1"});
    TBabillon answering;
    SessionRecorder answering_events(answering);
    ChatOpener answering_opener(answering, answering_events, true);
    LogIn(answering, server, "test", "test");
    TBabillon silent;
    SessionRecorder silent_events(silent);
    ChatOpener silent_opener(silent, silent_events, false);
    silent.Alias = "muet";
    LogIn(silent, server, "test", "test");

    // The server drops the one that keeps quiet...
    ASSERT_TRUE(Pump([&] { return silent.VekState == TVekState::Chat && !silent.Connected(); }));
    EXPECT_EQ(silent_events.events.back(), "disconnected");
    EXPECT_EQ(silent.VekState, TVekState::Chat);
    // ...and goes on checking the one that answers.
    const int seen = answering_opener.checks;
    ASSERT_TRUE(Pump([&] { return answering_opener.checks >= seen + 3; }));
    EXPECT_TRUE(answering.Connected());
    EXPECT_EQ(answering.VekState, TVekState::Chat);
}

}  // namespace
