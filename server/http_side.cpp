#include "server/http_side.h"

#include "server/log.h"
#include "server/member.h"
#include "server/pages.h"
#include "server/text.h"

namespace babillon {
namespace {

std::string Response(int status, const std::string& body, const std::string& extra_headers = {}) {
    const char* reason = status == 200 ? "OK" : status == 404 ? "Not Found" : "Bad Request";
    return "HTTP/1.0 " + std::to_string(status) + " " + reason +
           "\r\nServer: babillon-server\r\nContent-Type: text/html; charset=windows-1252\r\n" +
           extra_headers + "Content-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace

HttpSide::HttpSide(const Accounts& accounts, WebSessions& sessions)
    : accounts_(accounts), sessions_(sessions) {}

std::string HttpSide::BadRequestResponse() {
    return Response(400, pages::BadRequest());
}

std::string HttpSide::Answer(const HttpRequest& request) {
    const std::string& path = request.path;
    const bool get = request.method == "GET";
    const bool post = request.method == "POST";
    if (post && path == "/scripts/baltop") return Login(request);
    if (get && path == "/Bin/BabiClub/Chat/chat.jsp") return ChatPage(request);
    if (post && path == "/Bin/BabiClub/Chat/valideChat.jsp") return ValidateChat(request);
    if (get && path == "/a.jsp") return TempIdPage(request);
    if (get && path == "/news") return Response(200, pages::News());
    if (get && path == "/scripts/profil") return ProfilePage(request);
    if (get && path == "/cgi-bin/Compose") return ComposePage(request);
    Log("http: ", request.method, " ", path, ": no such page");
    return Response(404, pages::NotFound(path));
}

std::string HttpSide::Login(const HttpRequest& request) {
    // The client puts login and password in as they are, without encoding: decoding would
    // turn a '+' of a password into a blank.
    const auto form = ParseForm(request.body, false);
    const std::string login = AsciiLower(FormValue(form, "LOGIN1"));
    switch (accounts_.Check(login, FormValue(form, "PASSWORD1"))) {
        case LoginOutcome::refused:
            Log("http: login of \"", login, "\" refused");
            return Response(200, pages::LoginRefused());
        case LoginOutcome::problem3:
            Log("http: login of \"", login, "\": problem -3 page");
            return Response(200, pages::Problem(-3));
        case LoginOutcome::problem4:
            Log("http: login of \"", login, "\": problem -4 page");
            return Response(200, pages::Problem(-4));
        case LoginOutcome::accepted:
            break;
    }
    const WebSession& session = sessions_.Open(login);
    Log("http: login of \"", login, "\" accepted, cookie ", session.cookie);
    return Response(200, pages::LoginAccepted(login),
                    "Set-Cookie: IDENTIFIANT=" + session.cookie + "; path=/\r\n");
}

std::string HttpSide::ChatPage(const HttpRequest& request) {
    const WebSession* session = sessions_.FindByCookie(request.SessionCookie());
    if (session == nullptr) {
        Log("http: chat page without a valid cookie");
        return Response(200, pages::NotIdentified());
    }
    Log("http: chat page for \"", session->login, "\"");
    return Response(200, pages::ChatConfiguration(session->login));
}

std::string HttpSide::ValidateChat(const HttpRequest& request) {
    WebSession* session = sessions_.FindByCookie(request.SessionCookie());
    if (session == nullptr) {
        Log("http: chat validation without a valid cookie");
        return Response(200, pages::NotIdentified());
    }
    const auto form = ParseForm(request.body);
    Profile& profile = session->profile;
    const std::string alias = FormValue(form, "nickname");
    profile.alias = CleanField(Cp1252ToUtf8(alias.empty() ? session->login : alias));
    profile.age = CleanField(Cp1252ToUtf8(FormValue(form, "a")));
    profile.town = CleanField(Cp1252ToUtf8(FormValue(form, "c")));
    profile.sex = SexFromProfileCode(FormValue(form, "g"));
    profile.status = CleanField(Cp1252ToUtf8(FormValue(form, "status")));
    std::string room = FormValue(form, "r2");
    if (room.empty()) room = FormValue(form, "room0");
    profile.room = CleanField(Cp1252ToUtf8(room));
    Log("http: chat validated for \"", session->login, "\": alias \"", profile.alias, "\", age \"",
        profile.age, "\", town \"", profile.town, "\", room \"", profile.room, "\"");
    return Response(200, pages::ChatValidated(alias, room));
}

std::string HttpSide::TempIdPage(const HttpRequest& request) {
    WebSession* session = sessions_.FindByCookie(request.SessionCookie());
    if (session == nullptr) {
        Log("http: temporary id asked without a valid cookie");
        return Response(200, pages::NotIdentified());
    }
    if (Accounts::GetsBrowserNotice(session->login)) {
        Log("http: browser notice for \"", session->login, "\"");
        return Response(200, pages::BrowserNotice());
    }
    const std::string& tempid = sessions_.IssueTempId(*session);
    Log("http: temporary id ", tempid, " for \"", session->login, "\"");
    return Response(200, pages::TempId(tempid));
}

std::string HttpSide::ProfilePage(const HttpRequest& request) {
    if (sessions_.FindByCookie(request.SessionCookie()) == nullptr) {
        return Response(200, pages::NotIdentified());
    }
    return Response(200, pages::Profile(FormValue(ParseForm(request.query), "LOGIN")));
}

std::string HttpSide::ComposePage(const HttpRequest& request) {
    if (sessions_.FindByCookie(request.SessionCookie()) == nullptr) {
        return Response(200, pages::NotIdentified());
    }
    return Response(200, pages::Compose(FormValue(ParseForm(request.query), "REPLYTO")));
}

}  // namespace babillon
