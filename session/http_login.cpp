#include "session/http_login.h"

#include <algorithm>
#include <functional>

#include "platform/text_trim.h"

namespace http_login {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kUserAgent =
    "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows 98; Win 9x 4.90)";
constexpr std::string_view kFormType = "Content-Type: application/x-www-form-urlencoded";
constexpr std::string_view kAccept =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";

constexpr std::string_view kBadLogin = "Mauvais login ou mot de passe";
constexpr std::string_view kProblem3 = "Un probl&eacute;me -3 est survenu";
constexpr std::string_view kProblem4 = "Un probl&eacute;me -4 est survenu";
constexpr std::string_view kBrowserNotice = "Unfortunately, Microsoft has added";
constexpr std::string_view kCookieMarker = "IDENTIFIANT=";
constexpr std::string_view kTempIdMarker = "\"tempid\" value=\"";
constexpr std::size_t kCookieSpan = 100;
constexpr std::size_t kTempIdSpan = 200;

// ASCII case-insensitive search, linear in the answer's length on the pages we meet.
bool ContainsNoCase(std::string_view haystack, std::string_view needle) {
    auto hash = [](char c) { return std::hash<char>{}(platform::LowerAscii(c)); };
    auto equal = [](char a, char b) { return platform::LowerAscii(a) == platform::LowerAscii(b); };
    std::boyer_moore_horspool_searcher searcher(needle.begin(), needle.end(), hash, equal);
    return std::search(haystack.begin(), haystack.end(), searcher) != haystack.end();
}

// At most `span` characters after `marker`, nullopt when the marker is absent.
std::optional<std::string_view> TextAfter(std::string_view answer, std::string_view marker,
                                          std::size_t span) {
    std::size_t pos = answer.find(marker);
    if (pos == std::string_view::npos) return std::nullopt;
    return answer.substr(pos + marker.size(), span);
}

std::string ContentLength(std::size_t length) {
    return "Content-Length: " + std::to_string(length);
}

std::string CookieHeader(std::string_view cookie) {
    return "Cookie: IDENTIFIANT=" + std::string(cookie);
}

std::string SexCode(std::uint8_t sexe) {
    if (sexe == 0) return "1";
    if (sexe == 1) return "0";
    return "-1";
}

// Header lines joined by CRLF, each one ended by it.
std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += kCrLf;
    }
    return out;
}

}  // namespace

std::string UrlEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        bool kept = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                    (byte >= 'a' && byte <= 'z');
        if (kept) {
            out.push_back(c);
        } else if (byte == ' ') {
            out.push_back('+');
        } else {
            out.push_back('%');
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0x0F]);
        }
    }
    return out;
}

std::string CookieRequest(std::string_view id_address, std::string_view pseudo,
                          std::string_view pass) {
    std::string body =
        "LOGIN1=" + std::string(pseudo) + "&PASSWORD1=" + std::string(pass) + "&Enter=Enter&TZ=0";
    std::string host = "POST /scripts/baltop HTTP/1.0\r\nHost: " + std::string(id_address);
    return Lines({host, kUserAgent, kFormType, ContentLength(body.size()), ""}) + body;
}

std::string ConfigPageRequest(std::string_view id_address, std::string_view cookie) {
    std::string first = "GET /Bin/BabiClub/Chat/chat.jsp HTTP/1.1\r\n" + std::string(kAccept) +
                        "\r\nReferer: http://" + std::string(id_address) + "/cgi-bin/Folder";
    return Lines({first, "Accept-Language: fr", kFormType, "Accept-Encoding: gzip, deflate",
                  kUserAgent, "Host: " + std::string(id_address), "Connection: Keep-Alive",
                  CookieHeader(cookie)});
}

std::string ValidationRequest(std::string_view chat_address, std::string_view cookie,
                              std::string_view alias, std::string_view age, std::string_view ville,
                              std::uint8_t sexe, bool invisible, std::string_view status,
                              std::string_view salon) {
    std::string room = UrlEncode(salon);
    std::string body = "pager=0&nickname=" + std::string(alias) + "&a=" + UrlEncode(age) +
                       "&c=" + UrlEncode(ville) + "&g=" + SexCode(sexe) +
                       "&invisible=" + (invisible ? "1" : "0") + "&status=" + UrlEncode(status) +
                       "&r1=France&r2=" + room + "&version=java&res=800&room0=" + room;
    std::string first = "POST /Bin/BabiClub/Chat/valideChat.jsp HTTP/1.1\r\nReferer: http://" +
                        std::string(chat_address) + "/Bin/BabiClub/Chat/chat.jsp";
    return Lines({first, kFormType, kUserAgent, "Host: " + std::string(chat_address),
                  ContentLength(body.size()), CookieHeader(cookie), ""}) +
           body;
}

std::string TempIdRequest(std::string_view id_address, std::string_view cookie,
                          std::string_view salon) {
    std::string first = "GET /a.jsp?room0=" + UrlEncode(salon) +
                        "&tempid=1&res=800&mode=0&port=6666&httpport=80&prefs=2048 HTTP/1.0";
    return Lines({first, "Connection: Keep-Alive", kUserAgent, "Pragma: no-cache",
                  "Host: " + std::string(id_address), kAccept, CookieHeader(cookie), ""});
}

std::optional<TVekError> CheckLoginAnswer(std::string_view answer) {
    if (ContainsNoCase(answer, kBadLogin)) return TVekError::BadPassword;
    if (ContainsNoCase(answer, kProblem3)) return TVekError::Problem3;
    if (ContainsNoCase(answer, kProblem4)) return TVekError::Problem4;
    return std::nullopt;
}

std::optional<std::string> FindCookie(std::string_view answer) {
    std::optional<std::string_view> after = TextAfter(answer, kCookieMarker, kCookieSpan);
    if (!after) return std::nullopt;
    std::size_t end = after->find(';');
    return std::string(end == std::string_view::npos ? std::string_view() : after->substr(0, end));
}

bool HasBrowserNotice(std::string_view answer) {
    return ContainsNoCase(answer, kBrowserNotice);
}

std::optional<std::string> FindTempId(std::string_view answer) {
    std::optional<std::string_view> after = TextAfter(answer, kTempIdMarker, kTempIdSpan);
    if (!after) return std::nullopt;
    return std::string(after->substr(0, after->find('"')));
}

}  // namespace http_login
