// Answers of the identification server: the examination must neither crash nor read past
// the answer, must agree with a plain lower-cased search, and must keep the cookie and the
// temporary identifier within their spans.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "session/http_login.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool Contains(std::string_view haystack, std::string_view needle) {
    return haystack.find(needle) != std::string_view::npos;
}

void CheckLogin(std::string_view answer, std::string_view lowered) {
    std::optional<TVekError> expected;
    if (Contains(lowered, "mauvais login ou mot de passe")) {
        expected = TVekError::BadPassword;
    } else if (Contains(lowered, "un probl&eacute;me -3 est survenu")) {
        expected = TVekError::Problem3;
    } else if (Contains(lowered, "un probl&eacute;me -4 est survenu")) {
        expected = TVekError::Problem4;
    }
    Require(http_login::CheckLoginAnswer(answer) == expected);
    Require(http_login::HasBrowserNotice(answer) ==
            Contains(lowered, "unfortunately, microsoft has added"));
}

// The value found must be the text right after the first marker, cut at the stop character.
void CheckValue(std::string_view answer, std::string_view marker,
                const std::optional<std::string>& value, std::size_t span, char stop) {
    const std::size_t pos = answer.find(marker);
    Require(value.has_value() == (pos != std::string_view::npos));
    if (!value) return;
    Require(value->size() <= span);
    Require(value->find(stop) == std::string::npos);
    Require(answer.substr(pos + marker.size()).starts_with(*value));
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    std::abort();  // lower-case or non-hexadecimal digit
}

// Only letters, digits, '+' and upper-case %XX come out, and they decode to the input.
void CheckUrlEncode(std::string_view text) {
    const std::string encoded = http_login::UrlEncode(text);
    std::string decoded;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '+') {
            decoded.push_back(' ');
        } else if (c == '%') {
            Require(i + 2 < encoded.size());
            decoded.push_back(
                static_cast<char>(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2])));
            i += 2;
        } else {
            Require((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
            decoded.push_back(c);
        }
    }
    Require(decoded == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view answer(reinterpret_cast<const char*>(data), size);
    const std::string lowered = LowerAscii(answer);
    CheckLogin(answer, lowered);
    const std::optional<std::string> cookie = http_login::FindCookie(answer);
    CheckValue(answer, "IDENTIFIANT=", cookie, 100, ';');
    // Without a ';' within the span the cookie is empty.
    if (cookie && !cookie->empty()) {
        const std::size_t after = answer.find("IDENTIFIANT=") + 12 + cookie->size();
        Require(after < answer.size() && answer[after] == ';');
    }
    CheckValue(answer, "\"tempid\" value=\"", http_login::FindTempId(answer), 200, '"');
    CheckUrlEncode(answer);
    return 0;
}
