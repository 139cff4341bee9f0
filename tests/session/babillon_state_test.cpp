#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/babillon.h"
#include "session_recorder.h"

namespace {

struct IdentityCase {
    const char* name;
    std::string pseudo;
    std::string alias;
    std::string pass;
    bool accepted;
    int error;  // 0 when accepted
    std::string pseudo_after;
    std::string alias_after;
    std::string pass_after;
    bool alias_warning;
};

TEST(BabillonIdentity, ChecksTrimsAndLowersTheIdentity) {
    const std::vector<IdentityCase> cases = {
        {"complete", " Jean\t", "  LeGrand ", " Se Cret ", true, 0, "jean", "legrand", "Se Cret",
         false},
        {"empty alias takes the pseudo", "TOTO", "", "pw", true, 0, "toto", "toto", "pw", true},
        {"blank alias takes the pseudo", "Toto", " \r\n", "pw", true, 0, "toto", "toto", "pw",
         true},
        {"only ASCII letters are lowered", "\xC9LO\xC8VE", "\xC0Z", "pw", true, 0, "\xC9lo\xC8ve",
         "\xC0z", "pw", false},
        {"empty pseudo", "", "alias", "pw", false, 7, "", "alias", "pw", false},
        {"blank pseudo is checked before the pass", " \t", "alias", "", false, 7, "", "alias", "",
         false},
        {"empty pass with alias", "jean", "bob", "", false, 9, "jean", "bob", "", false},
        {"blank pass without alias", "jean", "", "   ", false, 9, "jean", "jean", "", true},
    };
    for (const IdentityCase& c : cases) {
        SCOPED_TRACE(c.name);
        TBabillon session;
        SessionRecorder recorder(session);
        session.Pseudo = c.pseudo;
        session.Alias = c.alias;
        session.Pass = c.pass;
        session.VekState = TVekState::TempId;

        EXPECT_EQ(session.CheckIdentity(), c.accepted);
        EXPECT_EQ(session.Pseudo.str(), c.pseudo_after);
        EXPECT_EQ(session.Alias.str(), c.alias_after);
        EXPECT_EQ(session.Pass.str(), c.pass_after);

        std::vector<std::string> expected = {"0|V\xE9rification des identifiants ..."};
        if (c.alias_warning) expected.push_back("2|Alias non indiqu\xE9 : utilisation du pseudo");
        if (!c.accepted)
            expected.push_back(
                "0|D\xE9"
                "connexion du serveur");
        EXPECT_EQ(recorder.DebugTrail(), expected);
        if (c.accepted) {
            EXPECT_TRUE(recorder.errors.empty());
            EXPECT_EQ(session.VekState, TVekState::TempId);
        } else {
            EXPECT_EQ(recorder.errors, (std::vector<std::pair<int, int>>{{c.error, 4}}));
            EXPECT_EQ(session.VekState, TVekState::Failed);
        }
    }
}

struct AddressCase {
    const char* name;
    std::string id_address;
    int id_port;
    std::string chat_address;
    int chat_port;
};

TEST(BabillonConnect, RefusesMissingAddressesAndPortsBeforeAnythingElse) {
    const std::vector<AddressCase> cases = {
        {"chat address of blanks", "127.0.0.1", 80, " \t\r\n ", 6666},
        {"empty id address", "", 80, "127.0.0.1", 6666},
        {"id port 0", "127.0.0.1", 0, "127.0.0.1", 6666},
        {"chat port 0", "127.0.0.1", 80, "127.0.0.1", 0},
        {"port out of range", "127.0.0.1", 70000, "127.0.0.1", 6666},
        {"negative port", "127.0.0.1", 80, "127.0.0.1", -1},
    };
    for (const AddressCase& c : cases) {
        for (std::uint8_t state : {0, 1, 3, 5}) {
            SCOPED_TRACE(std::string(c.name) + ", state " + std::to_string(state));
            TBabillon session;
            SessionRecorder recorder(session);
            session.IDAddress = c.id_address;
            session.IDPort = c.id_port;
            session.ChatAddress = c.chat_address;
            session.ChatPort = c.chat_port;
            session.VekState = static_cast<TVekState>(state);

            session.Connect();

            EXPECT_EQ(recorder.events,
                      (std::vector<std::string>{"error 10 in " + std::to_string(state)}));
            EXPECT_EQ(session.VekState, static_cast<TVekState>(state));
            EXPECT_FALSE(session.Connected());
        }
    }
}

TEST(BabillonConnect, TrimsBothAddresses) {
    TBabillon session;
    SessionRecorder recorder(session);
    session.IDAddress = " \t127.0.0.1\r\n";
    session.ChatAddress = "\x01 chat.example \x1F";
    session.IDPort = 80;
    session.ChatPort = 0;
    session.Connect();
    EXPECT_EQ(session.IDAddress, "127.0.0.1");
    EXPECT_EQ(session.ChatAddress, "chat.example");
}

TEST(BabillonRequests, ARequestOutsideItsOwnStateFailsWithErrorSixAndSendsNothing) {
    using Request = void (TBabillon::*)();
    const std::vector<std::pair<Request, std::uint8_t>> requests = {
        {&TBabillon::SendCookieRequest, 1},
        {&TBabillon::SendConfigPageRequest, 2},
        {&TBabillon::SendValidationRequest, 3},
        {&TBabillon::SendTempIdRequest, 4},
    };
    for (const auto& [request, own_state] : requests) {
        for (std::uint8_t state = 0; state <= 5; ++state) {
            if (state == own_state) continue;
            SCOPED_TRACE("request of state " + std::to_string(own_state) + " in state " +
                         std::to_string(state));
            TBabillon session;
            SessionRecorder recorder(session);
            session.VekState = static_cast<TVekState>(state);

            (session.*request)();

            EXPECT_EQ(recorder.events, (std::vector<std::string>{
                                           "0|D\xE9"
                                           "connexion du serveur",
                                           "disconnect", "error 6 in " + std::to_string(state)}));
            EXPECT_EQ(session.VekState, TVekState::Failed);
        }
    }
}

TEST(BabillonTexts, ErrorTexts) {
    const std::vector<std::pair<int, std::string>> table = {
        {0, "Erreur Inconnue"},
        {1, "Impossible de se connecter au serveur"},
        {2, "Mot de passe incorrect"},
        {3, "Erreur -3"},
        {4, "Erreur -4"},
        {5, "Erreur Microsoft"},
        {6, "Erreur interne : mauvais VekState"},
        {7, "Pseudo non entr\xE9 ou \xE9rron\xE9"},
        {8, "Alias non entr\xE9 ou \xE9rron\xE9"},
        {9, "Pass non entr\xE9 ou \xE9rron\xE9"},
        {10, "Adresse/Ports non entr\xE9 ou \xE9rron\xE9"},
        {11, "Erreur Inconnue"},
        {255, "Erreur Inconnue"},
    };
    for (const auto& [code, text] : table) {
        EXPECT_EQ(TBabillon::ErrorText(static_cast<TVekError>(code)), text) << "code " << code;
    }
}

TEST(BabillonTexts, SexAndFlagCodes) {
    const std::vector<std::pair<int, std::string>> sex = {{0, "1"}, {1, "0"}, {2, "-1"}, {9, "-1"}};
    for (const auto& [value, code] : sex) {
        EXPECT_EQ(TBabillon::SexCode(static_cast<std::uint8_t>(value)), code) << value;
    }
    const std::vector<std::pair<int, std::string>> direct = {
        {0, "0"}, {1, "1"}, {2, "-1"}, {-1, "-1"}};
    for (const auto& [value, code] : direct) {
        EXPECT_EQ(TBabillon::SexCodeDirect(value), code) << value;
    }
    EXPECT_EQ(TBabillon::FlagCode(true), "1");
    EXPECT_EQ(TBabillon::FlagCode(false), "0");
}

TEST(BabillonConstruction, StartsAskingForTheCookie) {
    TBabillon session;
    EXPECT_EQ(session.VekState, TVekState::Cookie);
    EXPECT_EQ(session.Sexe, 2);
    EXPECT_EQ(session.Status.str(), "en ligne");
    EXPECT_TRUE(session.Cookie.empty());
    EXPECT_TRUE(session.TempID.empty());
    EXPECT_FALSE(session.Connected());
}

TEST(BabillonLines, AChatLineIsSplitAndRaisedAsOneCommand) {
    TBabillon session;
    SessionRecorder recorder(session);
    session.HandleChatLine("70\tid42\t\tAm\xC3\xA9lie\t0101Salut \xC3\xA0 tous\r");
    ASSERT_EQ(recorder.lines.size(), 1u);
    EXPECT_EQ(recorder.lines[0].code, "70");
    EXPECT_EQ(recorder.lines[0].params,
              (std::vector<std::string>{"id42", "", "Am\xE9lie", "0101Salut \xE0 tous\r"}));
}

TEST(BabillonAnswers, AnAnswerWithoutAConnectionIsIgnored) {
    for (std::uint8_t state = 1; state <= 4; ++state) {
        TBabillon session;
        SessionRecorder recorder(session);
        session.VekState = static_cast<TVekState>(state);
        session.HandleHttpResponse("Set-Cookie: IDENTIFIANT=abc; path=/\r\n\"tempid\" value=\"7\"");
        EXPECT_TRUE(recorder.events.empty()) << "state " << int(state);
        EXPECT_EQ(session.VekState, static_cast<TVekState>(state));
    }
}

TEST(BabillonSend, WithoutAConnectionSendingIsTraced) {
    TBabillon session;
    SessionRecorder recorder(session);
    session.SendLine("90");
    ASSERT_EQ(recorder.debug.size(), 1u);
    EXPECT_EQ(recorder.debug[0].second, 2);
}

}  // namespace
