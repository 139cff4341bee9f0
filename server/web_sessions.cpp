#include "server/web_sessions.h"

namespace babillon {

WebSessions::WebSessions() : random_(std::random_device{}()) {}

WebSession& WebSessions::Open(std::string_view login) {
    std::string cookie;
    do {
        cookie = NewToken(24);
    } while (by_cookie_.contains(cookie));
    WebSession& session = by_cookie_[cookie];
    session.login = std::string(login);
    session.cookie = cookie;
    session.profile.alias = session.login;
    return session;
}

WebSession* WebSessions::FindByCookie(std::string_view cookie) {
    const auto found = by_cookie_.find(cookie);
    return found == by_cookie_.end() ? nullptr : &found->second;
}

WebSession* WebSessions::FindByTempId(std::string_view tempid) {
    if (tempid.empty()) return nullptr;
    for (auto& [cookie, session] : by_cookie_) {
        if (session.tempid == tempid) return &session;
    }
    return nullptr;
}

const std::string& WebSessions::IssueTempId(WebSession& session) {
    std::string tempid;
    do {
        tempid = NewToken(16);
    } while (FindByTempId(tempid) != nullptr);
    session.tempid = tempid;
    return session.tempid;
}

std::string WebSessions::NewToken(size_t length) {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::uniform_int_distribution<size_t> pick(0, sizeof(kDigits) - 2);
    std::string token;
    for (size_t i = 0; i < length; ++i) token.push_back(kDigits[pick(random_)]);
    return token;
}

}  // namespace babillon
