#pragma once

#include <string>

#include "server/accounts.h"
#include "server/http_request.h"
#include "server/web_sessions.h"

namespace babillon {

// The identification web site: answers one request with the whole response (HTTP/1.0,
// Content-Length set, the connection closed after it).
class HttpSide {
  public:
    HttpSide(const Accounts& accounts, WebSessions& sessions);

    std::string Answer(const HttpRequest& request);
    static std::string BadRequestResponse();

  private:
    std::string Login(const HttpRequest& request);
    std::string ChatPage(const HttpRequest& request);
    std::string ValidateChat(const HttpRequest& request);
    std::string TempIdPage(const HttpRequest& request);
    std::string ProfilePage(const HttpRequest& request);
    std::string ComposePage(const HttpRequest& request);

    const Accounts& accounts_;
    WebSessions& sessions_;
};

}  // namespace babillon
