#include "raw_client.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace raw {
namespace {

// A guard against a hung server, far above any real answer time.
constexpr int kPatienceMs = 20000;

int ConnectTo(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<uint16_t>(port));
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool SendAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t sent = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent <= 0) return false;
        done += static_cast<size_t>(sent);
    }
    return true;
}

constexpr ssize_t kNothingInTime = -2;

// Bytes received, 0 when the peer closed, -1 when it reset, kNothingInTime.
ssize_t ReceiveSome(int fd, std::string& into) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, kPatienceMs) <= 0) return kNothingInTime;
    char buffer[4096];
    const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
    if (got > 0) into.append(buffer, static_cast<size_t>(got));
    return got;
}

const char kUserAgent[] = "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows 98; Win 9x 4.90)";

std::string Encode(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= 'a' && byte <= 'z')) {
            out.push_back(c);
        } else if (c == ' ') {
            out.push_back('+');
        } else {
            out += {'%', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return out;
}

}  // namespace

std::string HttpExchange(int port, const std::string& request) {
    const int fd = ConnectTo(port);
    if (fd < 0) return {};
    std::string answer;
    if (SendAll(fd, request)) {
        while (ReceiveSome(fd, answer) > 0) {
        }
    }
    close(fd);
    return answer;
}

std::string LoginRequest(const std::string& login, const std::string& password) {
    const std::string body = "LOGIN1=" + login + "&PASSWORD1=" + password + "&Enter=Enter&TZ=0";
    return "POST /scripts/baltop HTTP/1.0\r\nHost: 127.0.0.1\r\n" + std::string(kUserAgent) +
           "\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body + "\r\n";
}

std::string ChatPageRequest(const std::string& cookie) {
    return "GET /Bin/BabiClub/Chat/chat.jsp HTTP/1.1\r\nAccept: image/gif, image/x-xbitmap, "
           "image/jpeg, image/pjpeg, */*\r\nReferer: http://127.0.0.1/cgi-bin/Folder\r\n"
           "Accept-Language: fr\r\nContent-Type: application/x-www-form-urlencoded\r\n"
           "Accept-Encoding: gzip, deflate\r\n" +
           std::string(kUserAgent) +
           "\r\nHost: 127.0.0.1\r\nConnection: Keep-Alive\r\nCookie: IDENTIFIANT=" + cookie +
           "\r\n\r\n";
}

std::string ValidationRequest(const std::string& cookie, const std::string& alias,
                              const std::string& town, const std::string& room) {
    const std::string body =
        "pager=0&nickname=" + alias + "&a=" + Encode("25") + "&c=" + Encode(town) +
        "&g=1&invisible=0&status=" + Encode("en ligne") + "&r1=France&r2=" + Encode(room) +
        "&version=java&res=800&room0=" + Encode(room);
    return "POST /Bin/BabiClub/Chat/valideChat.jsp HTTP/1.1\r\nReferer: "
           "http://127.0.0.1/Bin/BabiClub/Chat/chat.jsp\r\nContent-Type: "
           "application/x-www-form-urlencoded\r\n" +
           std::string(kUserAgent) +
           "\r\nHost: 127.0.0.1\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nCookie: IDENTIFIANT=" + cookie + "\r\n\r\n" + body + "\r\n";
}

std::string TempIdRequest(const std::string& cookie) {
    return "GET /a.jsp?room0=VIP+Babillon&tempid=1&res=800&mode=0&port=6666&httpport=80&"
           "prefs=2048 HTTP/1.0\r\nConnection: Keep-Alive\r\n" +
           std::string(kUserAgent) +
           "\r\nPragma: no-cache\r\nHost: 127.0.0.1\r\nAccept: image/gif, image/x-xbitmap, "
           "image/jpeg, image/pjpeg, */*\r\nCookie: IDENTIFIANT=" +
           cookie + "\r\n\r\n\r\n";
}

std::optional<std::string> Between(const std::string& text, const std::string& marker, char end) {
    const size_t start = text.find(marker);
    if (start == std::string::npos) return std::nullopt;
    const size_t from = start + marker.size();
    return text.substr(from, text.find(end, from) - from);
}

std::string LoginForTempId(int http_port, const std::string& login, const std::string& alias,
                           const std::string& room) {
    const auto cookie =
        Between(HttpExchange(http_port, LoginRequest(login, "test")), "IDENTIFIANT=", ';');
    if (!cookie) return {};
    HttpExchange(http_port, ChatPageRequest(*cookie));
    HttpExchange(http_port, ValidationRequest(*cookie, alias, "Lyon", room));
    return Between(HttpExchange(http_port, TempIdRequest(*cookie)), "\"tempid\" value=\"", '"')
        .value_or("");
}

LineClient::LineClient(int port) : fd_(ConnectTo(port)) {}

LineClient::~LineClient() {
    if (fd_ >= 0) close(fd_);
}

void LineClient::Send(const std::string& line) {
    SendRaw(line + "\r\n");
}

void LineClient::SendRaw(const std::string& bytes) {
    if (fd_ >= 0) SendAll(fd_, bytes);
}

std::optional<std::string> LineClient::ReadLine() {
    while (fd_ >= 0) {
        const size_t end = buffer_.find('\n');
        if (end != std::string::npos) {
            std::string line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            return line;
        }
        if (ReceiveSome(fd_, buffer_) <= 0) break;
    }
    return std::nullopt;
}

std::optional<std::string> LineClient::ReadLineStartingWith(const std::string& prefix) {
    while (auto line = ReadLine()) {
        if (line->starts_with(prefix)) return line;
    }
    return std::nullopt;
}

bool LineClient::WaitForClose() {
    while (fd_ >= 0) {
        const ssize_t got = ReceiveSome(fd_, buffer_);
        if (got == 0 || got == -1) return true;
        if (got == kNothingInTime) return false;
    }
    return false;
}

std::string Identify(LineClient& client, const std::string& tempid) {
    if (client.ReadLine() != "100") return {};
    client.Send("0\t0\t" + tempid);
    const auto reply = client.ReadLineStartingWith("0\t");
    if (!reply) return {};
    return reply->substr(2, reply->find('\t', 2) - 2);
}

}  // namespace raw
