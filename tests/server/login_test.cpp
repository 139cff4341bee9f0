// The identification site and the opening of the chat, spoken to with the client's own bytes.
#include <gtest/gtest.h>

#include <fstream>

#include "raw_client.h"
#include "support/babillon_server.h"

namespace {

using raw::Between;
using raw::HttpExchange;

class LoginTest : public testing::Test {
  protected:
    BabillonServer server_{{"--check-interval", "0"}};
};

TEST_F(LoginTest, FourRequestsThenChatOpening) {
    const std::string login_answer =
        HttpExchange(server_.http_port(), raw::LoginRequest("test", "test"));
    ASSERT_TRUE(login_answer.starts_with("HTTP/1.0 200")) << login_answer;
    const auto cookie = Between(login_answer, "Set-Cookie: IDENTIFIANT=", ';');
    ASSERT_TRUE(cookie && !cookie->empty()) << login_answer;
    EXPECT_NE(login_answer.find("; path=/\r\n"), std::string::npos);

    EXPECT_TRUE(HttpExchange(server_.http_port(), raw::ChatPageRequest(*cookie))
                    .starts_with("HTTP/1.0 200"));
    // Alias "Zoé" and town "Saint-Étienne" in Windows-1252, as the client posts them.
    EXPECT_TRUE(
        HttpExchange(server_.http_port(),
                     raw::ValidationRequest(*cookie, "Zo\xE9", "Saint-\xC9tienne", "VIP Babillon"))
            .starts_with("HTTP/1.0 200"));
    const std::string tempid_page = HttpExchange(server_.http_port(), raw::TempIdRequest(*cookie));
    const auto tempid = Between(tempid_page, "\"tempid\" value=\"", '"');
    ASSERT_TRUE(tempid && !tempid->empty()) << tempid_page;
    // The answer's length is what Content-Length announced: nothing lost at the close.
    const auto length = Between(tempid_page, "Content-Length: ", '\r');
    ASSERT_TRUE(length);
    EXPECT_EQ(tempid_page.size() - tempid_page.find("\r\n\r\n") - 4, std::stoul(*length));

    raw::LineClient chat(server_.chat_port());
    ASSERT_TRUE(chat.connected());
    EXPECT_EQ(chat.ReadLine(), "100");
    chat.Send("0\t0\t" + *tempid);
    const auto identified = chat.ReadLineStartingWith("0\t");
    ASSERT_TRUE(identified);
    const std::string chatid = identified->substr(2, identified->find('\t', 2) - 2);
    EXPECT_FALSE(chatid.empty());
    EXPECT_LE(chatid.size(), 20u);

    chat.Send("40\tvip babillon\t1");  // the server keeps its own spelling of a known room
    EXPECT_EQ(chat.ReadLineStartingWith("40\t"), "40\t0\tVIP#Babillon");
    chat.Send("85");
    // The profile of the form, in UTF-8, with the sex as member lists carry it (woman "0").
    EXPECT_EQ(chat.ReadLineStartingWith("85\t"),
              "85\t-1\t" + chatid + "\t0\tZo\xC3\xA9\t0\t25\t0\tSaint-\xC3\x89tienne");
}

TEST_F(LoginTest, FailurePagesHoldTheTextsTheClientLooksFor) {
    struct Case {
        std::string login;
        std::string password;
        std::string text;
    };
    const Case cases[] = {
        {"test", "wrong", "Mauvais login ou mot de passe"},
        {"nobody", "test", "Mauvais login ou mot de passe"},
        {"probleme3", "x", "Un probl&eacute;me -3 est survenu"},
        {"probleme4", "x", "Un probl&eacute;me -4 est survenu"},
    };
    for (const Case& c : cases) {
        const std::string answer =
            HttpExchange(server_.http_port(), raw::LoginRequest(c.login, c.password));
        EXPECT_NE(answer.find(c.text), std::string::npos) << c.login << ":\n" << answer;
        EXPECT_EQ(answer.find("IDENTIFIANT="), std::string::npos) << c.login;
    }
}

TEST_F(LoginTest, TemporaryIdOnlyForAValidSession) {
    const std::string forged = HttpExchange(server_.http_port(), raw::TempIdRequest("forged"));
    EXPECT_TRUE(forged.starts_with("HTTP/1.0 200"));
    EXPECT_EQ(forged.find("\"tempid\" value=\""), std::string::npos);

    const auto cookie =
        Between(HttpExchange(server_.http_port(), raw::LoginRequest("microsoft", "x")),
                "IDENTIFIANT=", ';');
    ASSERT_TRUE(cookie);
    const std::string notice = HttpExchange(server_.http_port(), raw::TempIdRequest(*cookie));
    EXPECT_NE(notice.find("Unfortunately, Microsoft has added"), std::string::npos) << notice;
    EXPECT_EQ(notice.find("\"tempid\" value=\""), std::string::npos);
}

TEST_F(LoginTest, PagesForTheBrowserNeedTheCookieExceptNews) {
    const auto cookie = Between(
        HttpExchange(server_.http_port(), raw::LoginRequest("test", "test")), "IDENTIFIANT=", ';');
    ASSERT_TRUE(cookie);
    const std::string with_cookie = "\r\nCookie: IDENTIFIANT=" + *cookie + "\r\n\r\n";
    const std::string profile =
        HttpExchange(server_.http_port(), "GET /scripts/profil?LOGIN=Nina HTTP/1.0" + with_cookie);
    EXPECT_NE(profile.find("Profil de Nina"), std::string::npos) << profile;
    const std::string mail =
        HttpExchange(server_.http_port(),
                     "GET /cgi-bin/Compose?REPLYTO=Nina%40babillon.fr HTTP/1.0" + with_cookie);
    EXPECT_NE(mail.find("value=\"Nina@babillon.fr\""), std::string::npos) << mail;

    for (const char* path : {"/scripts/profil?LOGIN=Nina", "/cgi-bin/Compose?REPLYTO=Nina"}) {
        const std::string refused =
            HttpExchange(server_.http_port(), "GET " + std::string(path) + " HTTP/1.0\r\n\r\n");
        EXPECT_NE(refused.find("Vous devez &ecirc;tre identifi&eacute;"), std::string::npos)
            << path;
    }
    EXPECT_NE(HttpExchange(server_.http_port(), "GET /news HTTP/1.0\r\n\r\n").find("<li>"),
              std::string::npos);
}

TEST_F(LoginTest, BadRequestsGet400AndTheServerCarriesOn) {
    const std::string bad_requests[] = {
        "HELLO\r\n\r\n",
        "GET no-slash HTTP/1.0\r\n\r\n",
        "GET / HTTP/1.0\r\nno colon here\r\n\r\n",
        "POST /scripts/baltop HTTP/1.0\r\nContent-Length: 12x\r\n\r\n",
        "POST /scripts/baltop HTTP/1.0\r\nContent-Length: 999999999\r\n\r\n",
        "GET / HTTP/1.0\r\nX-Filler: " + std::string(70 * 1024, 'a') + "\r\n\r\n",
        std::string(70 * 1024, '\0'),
    };
    for (const std::string& request : bad_requests) {
        const std::string answer = HttpExchange(server_.http_port(), request);
        EXPECT_TRUE(answer.starts_with("HTTP/1.0 400")) << request.substr(0, 60) << "\n" << answer;
    }
    EXPECT_NE(
        HttpExchange(server_.http_port(), raw::LoginRequest("test", "test")).find("IDENTIFIANT="),
        std::string::npos);
}

TEST(AccountsTest, AccountsFileReplacesTheTestAccount) {
    const std::string path = testing::TempDir() + "babillon_accounts.txt";
    std::ofstream(path) << "# comptes du test\r\nAmi p+ss%41\r\n\r\n";
    BabillonServer server({"--accounts", path});
    // The password goes in as the client writes it, '+' and '%' included.
    EXPECT_NE(
        HttpExchange(server.http_port(), raw::LoginRequest("ami", "p+ss%41")).find("IDENTIFIANT="),
        std::string::npos);
    EXPECT_NE(
        HttpExchange(server.http_port(), raw::LoginRequest("ami", "p ssA")).find("Mauvais login"),
        std::string::npos);
    EXPECT_NE(
        HttpExchange(server.http_port(), raw::LoginRequest("test", "test")).find("Mauvais login"),
        std::string::npos);
}

TEST_F(LoginTest, UnknownTemporaryIdIsRefusedWith11) {
    raw::LineClient chat(server_.chat_port());
    EXPECT_EQ(chat.ReadLine(), "100");
    chat.Send("0\t0\tnot-a-tempid");
    EXPECT_EQ(chat.ReadLine(), "11");
    EXPECT_TRUE(chat.WaitForClose());
}

}  // namespace
