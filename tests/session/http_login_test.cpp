#include "session/http_login.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace http_login;

TEST(UrlEncode, KeepsLettersAndDigitsOnly) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"Saint-\xC9tienne 2", "Saint%2D%C9tienne+2"},
        {"AZaz09", "AZaz09"},
        {"-._~*", "%2D%2E%5F%7E%2A"},
        {"&=%+", "%26%3D%25%2B"},
        {"  ", "++"},
        {std::string("\0\xFF", 2), "%00%FF"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(UrlEncode(text), expected) << "text " << testing::PrintToString(text);
    }
}

TEST(LoginRequests, CookieRequest) {
    EXPECT_EQ(CookieRequest("id.example.fr", "jean", "secret"),
              "POST /scripts/baltop HTTP/1.0\r\n"
              "Host: id.example.fr\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows 98; Win 9x 4.90)\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\n"
              "Content-Length: 45\r\n"
              "\r\n"
              "LOGIN1=jean&PASSWORD1=secret&Enter=Enter&TZ=0");
}

TEST(LoginRequests, CookieRequestSendsNameAndPasswordUnencoded) {
    EXPECT_EQ(CookieRequest("h", "a.b", "p&1"),
              "POST /scripts/baltop HTTP/1.0\r\n"
              "Host: h\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows 98; Win 9x 4.90)\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\n"
              "Content-Length: 41\r\n"
              "\r\n"
              "LOGIN1=a.b&PASSWORD1=p&1&Enter=Enter&TZ=0");
}

TEST(LoginRequests, ConfigPageRequest) {
    EXPECT_EQ(ConfigPageRequest("id.example.fr", "abc123"),
              "GET /Bin/BabiClub/Chat/chat.jsp HTTP/1.1\r\n"
              "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
              "Referer: http://id.example.fr/cgi-bin/Folder\r\n"
              "Accept-Language: fr\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\n"
              "Accept-Encoding: gzip, deflate\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows 98; Win 9x 4.90)\r\n"
              "Host: id.example.fr\r\n"
              "Connection: Keep-Alive\r\n"
              "Cookie: IDENTIFIANT=abc123\r\n");
}

TEST(LoginRequests, ValidationRequest) {
    EXPECT_EQ(ValidationRequest("chat.example.fr", "abc123", "jeannot", "25", "Saint-\xC9tienne", 1,
                                false, "en ligne", "Amiti\xE9 2"),
              "POST /Bin/BabiClub/Chat/valideChat.jsp HTTP/1.1\r\n"
              "Referer: http://chat.example.fr/Bin/BabiClub/Chat/chat.jsp\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows 98; Win 9x 4.90)\r\n"
              "Host: chat.example.fr\r\n"
              "Content-Length: 143\r\n"
              "Cookie: IDENTIFIANT=abc123\r\n"
              "\r\n"
              "pager=0&nickname=jeannot&a=25&c=Saint%2D%C9tienne&g=0&invisible=0"
              "&status=en+ligne&r1=France&r2=Amiti%E9+2&version=java&res=800&room0=Amiti%E9+2");
}

TEST(LoginRequests, ValidationRequestWithEmptyRoomAndInvisibleWoman) {
    EXPECT_EQ(ValidationRequest("c", "k", "a", "", "", 0, true, "", ""),
              "POST /Bin/BabiClub/Chat/valideChat.jsp HTTP/1.1\r\n"
              "Referer: http://c/Bin/BabiClub/Chat/chat.jsp\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows 98; Win 9x 4.90)\r\n"
              "Host: c\r\n"
              "Content-Length: 90\r\n"
              "Cookie: IDENTIFIANT=k\r\n"
              "\r\n"
              "pager=0&nickname=a&a=&c=&g=1&invisible=1&status=&r1=France&r2="
              "&version=java&res=800&room0=");
}

TEST(LoginRequests, ValidationRequestSexCodes) {
    const std::vector<std::pair<std::uint8_t, std::string>> cases = {
        {0, "&g=1&"}, {1, "&g=0&"}, {2, "&g=-1&"}, {200, "&g=-1&"}};
    for (const auto& [sexe, expected] : cases) {
        std::string request = ValidationRequest("c", "k", "a", "", "", sexe, false, "", "");
        EXPECT_NE(request.find(expected), std::string::npos)
            << "Sexe " << int(sexe) << " in " << request;
    }
}

TEST(LoginRequests, TempIdRequest) {
    EXPECT_EQ(TempIdRequest("id.example.fr", "abc123", "Amiti\xE9 2"),
              "GET /a.jsp?room0=Amiti%E9+2&tempid=1&res=800&mode=0&port=6666&httpport=80"
              "&prefs=2048 HTTP/1.0\r\n"
              "Connection: Keep-Alive\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows 98; Win 9x 4.90)\r\n"
              "Pragma: no-cache\r\n"
              "Host: id.example.fr\r\n"
              "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
              "Cookie: IDENTIFIANT=abc123\r\n"
              "\r\n");
}

TEST(LoginRequests, TempIdRequestWithEmptyRoom) {
    const std::string request = TempIdRequest("h", "k", "");
    EXPECT_EQ(request.substr(0, request.find("\r\n")),
              "GET /a.jsp?room0=&tempid=1&res=800&mode=0&port=6666&httpport=80&prefs=2048 "
              "HTTP/1.0");
}

// The session error's number, which its French text is chosen by; 0 for no error.
int ErrorNumber(std::optional<TVekError> error) {
    return error ? static_cast<int>(*error) : 0;
}

TEST(LoginAnswer, FailureTextsInOrder) {
    const std::string bad = "Mauvais login ou mot de passe";
    const std::string minus3 = "Un probl&eacute;me -3 est survenu";
    const std::string minus4 = "Un probl&eacute;me -4 est survenu";
    const std::vector<std::pair<std::string, int>> cases = {
        {"", 0},
        {"HTTP/1.0 200 OK\r\n\r\n<html>Bienvenue</html>", 0},
        {"<b>" + bad + "</b>", 2},
        {"MAUVAIS LOGIN OU MOT DE PASSE", 2},
        {"mauvais Login ou Mot de Passe", 2},
        {"Mauvais login ou mot de pass", 0},
        {minus3, 3},
        {"UN PROBL&EACUTE;ME -4 EST SURVENU", 4},
        {"Un probl\xE9me -3 est survenu", 0},
        {minus4 + " " + minus3 + " " + bad, 2},
        {minus4 + " " + minus3, 3},
    };
    for (const auto& [answer, expected] : cases) {
        EXPECT_EQ(ErrorNumber(CheckLoginAnswer(answer)), expected) << "answer " << answer;
    }
}

TEST(LoginAnswer, Cookie) {
    const std::string x99(99, 'x');
    const std::string x100(100, 'x');
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"Set-Cookie: IDENTIFIANT=abc; path=/\r\n\r\n<html>", "abc"},
        {"Set-Cookie: IDENTIFIANT=abc", ""},
        {"IDENTIFIANT=;", ""},
        {"IDENTIFIANT=" + x99 + ";", x99},
        {"IDENTIFIANT=" + x100 + ";", ""},
        {"IDENTIFIANT=first; IDENTIFIANT=second;", "first"},
        {"Set-Cookie: identifiant=abc;", std::nullopt},
        {"<html>no cookie</html>", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [answer, expected] : cases) {
        EXPECT_EQ(FindCookie(answer), expected) << "answer " << answer;
    }
}

TEST(LoginAnswer, BrowserNotice) {
    EXPECT_TRUE(HasBrowserNotice("<p>Unfortunately, Microsoft has added a check</p>"));
    EXPECT_TRUE(HasBrowserNotice("UNFORTUNATELY, MICROSOFT HAS ADDED"));
    EXPECT_FALSE(HasBrowserNotice("Unfortunately, Microsoft has"));
    EXPECT_FALSE(HasBrowserNotice(""));
}

TEST(LoginAnswer, TempId) {
    const std::string t199(199, 't');
    const std::string t200(200, 't');
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"<param name=\"tempid\" value=\"T123\">", "T123"},
        {"\"tempid\" value=\"T123", "T123"},
        {"\"tempid\" value=\"\"", ""},
        {"\"tempid\" value=\"" + t199 + "\"", t199},
        {"\"tempid\" value=\"" + t200 + "\"", t200},
        {"\"tempid\" value=\"" + t200 + "overflow", t200},
        {"\"TEMPID\" value=\"T123\"", std::nullopt},
        {"tempid value=\"T123\"", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [answer, expected] : cases) {
        EXPECT_EQ(FindTempId(answer), expected) << "answer " << answer;
    }
}

TEST(LoginAnswer, TextsAtTheEndOfALargePage) {
    std::string page(4 << 20, 'a');
    EXPECT_EQ(CheckLoginAnswer(page), std::nullopt);
    EXPECT_FALSE(HasBrowserNotice(page));
    EXPECT_EQ(FindCookie(page), std::nullopt);
    page += "UN PROBL&EACUTE;ME -3 EST SURVENU Unfortunately, MICROSOFT has added";
    page += "\"tempid\" value=\"Z9\"";
    EXPECT_EQ(ErrorNumber(CheckLoginAnswer(page)), 3);
    EXPECT_TRUE(HasBrowserNotice(page));
    EXPECT_EQ(FindTempId(page), "Z9");
}

}  // namespace
