#pragma once

#include <map>
#include <random>
#include <string>
#include <string_view>

namespace babillon {

enum class Sex { woman, man, unknown };

// What the chat validation form says about the user, already in UTF-8 for the chat side.
struct Profile {
    std::string alias;
    std::string age;
    std::string town;
    std::string status = "en ligne";
    std::string room;
    Sex sex = Sex::unknown;
};

// One logged-in account: the IDENTIFIANT cookie, the temporary id for the chat server, and
// the chat id it got on its first chat connection (kept for reconnections).
struct WebSession {
    std::string login;
    std::string cookie;
    std::string tempid;
    std::string chatid;
    Profile profile;
};

class WebSessions {
  public:
    WebSessions();

    WebSession& Open(std::string_view login);
    WebSession* FindByCookie(std::string_view cookie);
    WebSession* FindByTempId(std::string_view tempid);
    // A fresh temporary id for the session; the previous one stops being valid.
    const std::string& IssueTempId(WebSession& session);

  private:
    std::string NewToken(size_t length);

    std::map<std::string, WebSession, std::less<>> by_cookie_;
    std::mt19937_64 random_;
};

}  // namespace babillon
