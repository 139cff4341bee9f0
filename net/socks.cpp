#include "net/socks.h"

#include <arpa/inet.h>

#include <utility>

namespace net::socks {

namespace {

constexpr std::uint8_t kSocks4Version = 0x04;
constexpr std::uint8_t kSocks4Granted = 90;
constexpr std::uint8_t kSocks5Version = 0x05;
constexpr std::uint8_t kPasswordVersion = 0x01;
constexpr std::uint8_t kConnect = 0x01;
constexpr std::uint8_t kNoAcceptableMethod = 0xFF;
constexpr std::uint8_t kAtypIpv4 = 0x01;
constexpr std::uint8_t kAtypName = 0x03;
constexpr std::uint8_t kAtypIpv6 = 0x04;
constexpr std::size_t kMaxField = 255;

std::uint8_t At(std::string_view bytes, std::size_t i) {
    return static_cast<std::uint8_t>(bytes[i]);
}

void AppendPort(std::string* out, std::uint16_t port) {
    out->push_back(static_cast<char>(port >> 8));
    out->push_back(static_cast<char>(port & 0xFF));
}

void AppendNulTerminated(std::string* out, std::string_view text, const char* what) {
    if (text.find('\0') != std::string_view::npos) {
        throw SocketError(std::string("proxy SOCKS : ") + what + " contient un octet nul");
    }
    out->append(text);
    out->push_back('\0');
}

// A length-prefixed field of SOCKS 5 and its password sub-negotiation.
void AppendShortField(std::string* out, std::string_view text, const char* what) {
    if (text.size() > kMaxField) {
        throw SocketError(std::string("proxy SOCKS : ") + what + " de plus de 255 octets");
    }
    out->push_back(static_cast<char>(text.size()));
    out->append(text);
}

Reply NeedMore(std::size_t size) {
    return {Reply::Status::kNeedMore, size, {}};
}
Reply Complete(std::size_t size) {
    return {Reply::Status::kComplete, size, {}};
}
Reply Failed(std::string why) {
    return {Reply::Status::kFailed, 0, "proxy SOCKS : " + std::move(why)};
}

std::string Socks4Refusal(std::uint8_t code) {
    switch (code) {
        case 91:
            return "demande refus\xE9"
                   "e ou en \xE9"
                   "chec (91)";
        case 92:
            return "serveur identd injoignable (92)";
        case 93:
            return "utilisateur refus\xE9 par identd (93)";
        default:
            return "r\xE9ponse SOCKS 4 inconnue (" + std::to_string(code) + ")";
    }
}

std::string Socks5Refusal(std::uint8_t code) {
    switch (code) {
        case 1:
            return "\xE9"
                   "chec g\xE9n\xE9ral du serveur (1)";
        case 2:
            return "connexion interdite par les r\xE8gles du serveur (2)";
        case 3:
            return "r\xE9seau injoignable (3)";
        case 4:
            return "h\xF4te injoignable (4)";
        case 5:
            return "connexion refus\xE9"
                   "e par l'h\xF4te (5)";
        case 6:
            return "TTL expir\xE9 (6)";
        case 7:
            return "commande non prise en charge (7)";
        case 8:
            return "type d'adresse non pris en charge (8)";
        default:
            return "refus SOCKS 5 inconnu (" + std::to_string(code) + ")";
    }
}

}  // namespace

std::string Socks4Request(const std::array<std::uint8_t, 4>& address, std::uint16_t port,
                          std::string_view user_id) {
    std::string out{static_cast<char>(kSocks4Version), static_cast<char>(kConnect)};
    AppendPort(&out, port);
    for (std::uint8_t byte : address) out.push_back(static_cast<char>(byte));
    AppendNulTerminated(&out, user_id, "l'identifiant");
    return out;
}

std::string Socks4aRequest(std::string_view host, std::uint16_t port, std::string_view user_id) {
    if (host.empty()) throw SocketError("proxy SOCKS : nom d'h\xF4te vide");
    std::string out = Socks4Request({0, 0, 0, 1}, port, user_id);
    AppendNulTerminated(&out, host, "le nom d'h\xF4te");
    return out;
}

Reply ParseSocks4Reply(std::string_view bytes) {
    if (bytes.empty()) return NeedMore(8);
    if (At(bytes, 0) != 0x00)
        return Failed(
            "r\xE9ponse SOCKS 4 mal form\xE9"
            "e");
    if (bytes.size() < 2) return NeedMore(8);
    if (At(bytes, 1) != kSocks4Granted) return Failed(Socks4Refusal(At(bytes, 1)));
    if (bytes.size() < 8) return NeedMore(8);
    return Complete(8);
}

std::string Socks5Greeting(bool authentication) {
    std::string out{static_cast<char>(kSocks5Version)};
    if (authentication) {
        out += {2, static_cast<char>(kNoAuthentication), static_cast<char>(kUserPassword)};
    } else {
        out += {1, static_cast<char>(kNoAuthentication)};
    }
    return out;
}

Reply ParseSocks5Choice(std::string_view bytes, bool authentication, std::uint8_t* method) {
    if (bytes.empty()) return NeedMore(2);
    if (At(bytes, 0) != kSocks5Version)
        return Failed(
            "r\xE9ponse SOCKS 5 mal form\xE9"
            "e");
    if (bytes.size() < 2) return NeedMore(2);
    const std::uint8_t chosen = At(bytes, 1);
    if (chosen == kNoAcceptableMethod) {
        return Failed(authentication ? "aucune m\xE9thode d'authentification accept\xE9"
                                       "e"
                                     : "le serveur exige une authentification");
    }
    if (chosen != kNoAuthentication && !(authentication && chosen == kUserPassword)) {
        return Failed(
            "m\xE9thode d'authentification non propos\xE9"
            "e (" +
            std::to_string(chosen) + ")");
    }
    *method = chosen;
    return Complete(2);
}

std::string Socks5PasswordRequest(std::string_view user, std::string_view password) {
    std::string out{static_cast<char>(kPasswordVersion)};
    AppendShortField(&out, user, "nom d'utilisateur");
    AppendShortField(&out, password, "mot de passe");
    return out;
}

Reply ParseSocks5PasswordReply(std::string_view bytes) {
    if (bytes.empty()) return NeedMore(2);
    if (At(bytes, 0) != kPasswordVersion) {
        return Failed(
            "r\xE9ponse d'authentification mal form\xE9"
            "e");
    }
    if (bytes.size() < 2) return NeedMore(2);
    if (At(bytes, 1) != 0) {
        return Failed("utilisateur ou mot de passe refus\xE9 (" + std::to_string(At(bytes, 1)) +
                      ")");
    }
    return Complete(2);
}

std::string Socks5ConnectRequest(std::string_view host, std::uint16_t port) {
    std::string out{static_cast<char>(kSocks5Version), static_cast<char>(kConnect), 0};
    const std::string text(host);
    unsigned char address[16];
    if (inet_pton(AF_INET, text.c_str(), address) == 1) {
        out.push_back(static_cast<char>(kAtypIpv4));
        out.append(reinterpret_cast<const char*>(address), 4);
    } else if (inet_pton(AF_INET6, text.c_str(), address) == 1) {
        out.push_back(static_cast<char>(kAtypIpv6));
        out.append(reinterpret_cast<const char*>(address), 16);
    } else {
        if (host.empty()) throw SocketError("proxy SOCKS : nom d'h\xF4te vide");
        out.push_back(static_cast<char>(kAtypName));
        AppendShortField(&out, host, "nom d'h\xF4te");
    }
    AppendPort(&out, port);
    return out;
}

Reply ParseSocks5ConnectReply(std::string_view bytes) {
    if (bytes.empty()) return NeedMore(4);
    if (At(bytes, 0) != kSocks5Version)
        return Failed(
            "r\xE9ponse SOCKS 5 mal form\xE9"
            "e");
    if (bytes.size() < 2) return NeedMore(4);
    if (At(bytes, 1) != 0) return Failed(Socks5Refusal(At(bytes, 1)));
    if (bytes.size() < 4) return NeedMore(4);
    std::size_t size = 0;
    switch (At(bytes, 3)) {
        case kAtypIpv4:
            size = 4 + 4 + 2;
            break;
        case kAtypIpv6:
            size = 4 + 16 + 2;
            break;
        case kAtypName:
            if (bytes.size() < 5) return NeedMore(5);
            size = 5 + At(bytes, 4) + 2;
            break;
        default:
            return Failed("type d'adresse inconnu dans la r\xE9ponse (" +
                          std::to_string(At(bytes, 3)) + ")");
    }
    if (bytes.size() < size) return NeedMore(size);
    return Complete(size);
}

Handshake::Handshake(const ProxySettings& proxy, std::string host, std::uint16_t port,
                     const std::array<std::uint8_t, 4>& ipv4)
    : proxy_(proxy), host_(std::move(host)), port_(port), ipv4_(ipv4) {}

std::string Handshake::Begin() {
    const std::string_view user_id =
        proxy_.authentication ? std::string_view(proxy_.username) : std::string_view();
    switch (proxy_.version) {
        case SocksVersion::svSocks4:
            stage_ = Stage::kSocks4Reply;
            return Socks4Request(ipv4_, port_, user_id);
        case SocksVersion::svSocks4A:
            stage_ = Stage::kSocks4Reply;
            return Socks4aRequest(host_, port_, user_id);
        case SocksVersion::svSocks5:
            // Fail on an impossible request before anything is sent to the proxy.
            Socks5ConnectRequest(host_, port_);
            if (proxy_.authentication) Socks5PasswordRequest(proxy_.username, proxy_.password);
            stage_ = Stage::kChoice;
            return Socks5Greeting(proxy_.authentication);
        case SocksVersion::svNoSocks:
            break;
    }
    stage_ = Stage::kDone;
    return {};
}

Reply Handshake::Answer(std::string_view bytes, std::string* next) {
    next->clear();
    Reply reply;
    switch (stage_) {
        case Stage::kSocks4Reply:
            reply = ParseSocks4Reply(bytes);
            if (reply.status == Reply::Status::kComplete) stage_ = Stage::kDone;
            break;
        case Stage::kChoice: {
            std::uint8_t method = kNoAuthentication;
            reply = ParseSocks5Choice(bytes, proxy_.authentication, &method);
            if (reply.status != Reply::Status::kComplete) break;
            if (method == kUserPassword) {
                stage_ = Stage::kPasswordReply;
                *next = Socks5PasswordRequest(proxy_.username, proxy_.password);
            } else {
                stage_ = Stage::kConnectReply;
                *next = Socks5ConnectRequest(host_, port_);
            }
            break;
        }
        case Stage::kPasswordReply:
            reply = ParseSocks5PasswordReply(bytes);
            if (reply.status != Reply::Status::kComplete) break;
            stage_ = Stage::kConnectReply;
            *next = Socks5ConnectRequest(host_, port_);
            break;
        case Stage::kConnectReply:
            reply = ParseSocks5ConnectReply(bytes);
            if (reply.status == Reply::Status::kComplete) stage_ = Stage::kDone;
            break;
        case Stage::kDone:
        case Stage::kFailed:
            return Failed("r\xE9ponse inattendue");
    }
    if (reply.status == Reply::Status::kFailed) stage_ = Stage::kFailed;
    return reply;
}

}  // namespace net::socks
