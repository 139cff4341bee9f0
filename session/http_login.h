#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "session/session_codes.h"

// The four requests of the login on the identification server and the examination of its
// answers. Requests are Windows-1252 text without their final CRLF, which SendLine adds.
namespace http_login {

// Letters and digits are kept, a space becomes '+', every other byte becomes %XX.
std::string UrlEncode(std::string_view text);

std::string CookieRequest(std::string_view id_address, std::string_view pseudo,
                          std::string_view pass);
std::string ConfigPageRequest(std::string_view id_address, std::string_view cookie);
std::string ValidationRequest(std::string_view chat_address, std::string_view cookie,
                              std::string_view alias, std::string_view age, std::string_view ville,
                              std::uint8_t sexe, bool invisible, std::string_view status,
                              std::string_view salon);
std::string TempIdRequest(std::string_view id_address, std::string_view cookie,
                          std::string_view salon);

// The session error of a login answer that holds one of the failure texts (checked in this
// order: bad login or password, problem -3, problem -4); nothing for any other answer.
std::optional<TVekError> CheckLoginAnswer(std::string_view answer);

// The IDENTIFIANT cookie of the login answer; nullopt when the answer sets none. An empty
// value when no ';' ends it within 100 characters.
std::optional<std::string> FindCookie(std::string_view answer);

// True when the identifier answer is the page telling that the browser is not supported.
bool HasBrowserNotice(std::string_view answer);

// The temporary identifier of the identifier answer (at most 200 characters), up to its
// closing quote; nullopt when the answer carries none.
std::optional<std::string> FindTempId(std::string_view answer);

}  // namespace http_login
