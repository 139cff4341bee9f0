#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "raw_listener.h"
#include "session/babillon.h"

// An identification server made of fixed answers: each connection gets its request read
// and kept, then the next answer, then the close that ends an HTTP/1.0 answer.
class ScriptedHttpServer {
  public:
    explicit ScriptedHttpServer(std::vector<std::string> answers)
        : answers_(std::move(answers)), listener_([this](int fd) { Serve(fd); }) {}

    int port() const { return listener_.port(); }

    std::vector<std::string> requests() {
        std::lock_guard lock(mutex_);
        return requests_;
    }

  private:
    void Serve(int fd) {
        std::string request = RawListener::ReadHttpRequest(fd);
        std::string answer;
        {
            std::lock_guard lock(mutex_);
            const std::size_t index = requests_.size();
            requests_.push_back(std::move(request));
            if (index < answers_.size()) answer = answers_[index];
        }
        RawListener::SendAll(fd, answer);
    }

    std::mutex mutex_;
    std::vector<std::string> requests_;
    const std::vector<std::string> answers_;
    RawListener listener_;
};

// The four answers of a login that goes through: cookie, chat page, validation, identifier.
inline std::vector<std::string> GoodLoginAnswers(const std::string& cookie,
                                                 const std::string& temp_id) {
    return {
        "HTTP/1.0 200 OK\r\nSet-Cookie: IDENTIFIANT=" + cookie + "; path=/\r\n\r\n<html>ok</html>",
        "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n<html>chat</html>",
        "HTTP/1.1 200 OK\r\n\r\n<html>valid\xE9</html>",
        "HTTP/1.0 200 OK\r\n\r\n<param name=\"tempid\" value=\"" + temp_id + "\">",
    };
}

inline void AimAt(TBabillon& session, int id_port, int chat_port) {
    session.IDAddress = "127.0.0.1";
    session.IDPort = id_port;
    session.ChatAddress = "127.0.0.1";
    session.ChatPort = chat_port;
}

// What a session reports from Connect in state 1 to its chat connection being open, when every
// step goes through and an alias is given.
inline std::vector<std::string> LoginTrail(int id_port, int chat_port, const std::string& cookie,
                                           const std::string& temp_id) {
    const std::string id_server =
        "0|Connexion au serveur d'ID [127.0.0.1:" + std::to_string(id_port) + "]";
    const std::vector<std::string> open_http = {"connect", id_server, "connected",
                                                "0|D\xE9marrage du Thread de connexion (HTML)",
                                                "1|Connexion eff\xE9"
                                                "ctu\xE9"
                                                "e"};
    const std::vector<std::string> close = {
        "0|D\xE9"
        "connexion du serveur",
        "disconnected", "disconnect"};
    std::vector<std::string> trail;
    auto add = [&trail](const std::vector<std::string>& part) {
        trail.insert(trail.end(), part.begin(), part.end());
    };
    add(open_http);
    add({"0|V\xE9rification des identifiants ...", "3|Demande du Cookie ...",
         "1|Cookie re\xE7u : " + cookie});
    add(close);
    add(open_http);
    add({"3|Demande de la page de configuration du chat ...", "data",
         "1|Page de configuration du Chat re\xE7ue"});
    add(close);
    add(open_http);
    add({"3|Demande de la page de validation du chat ...", "data",
         "1|Page de validation du Chat re\xE7ue"});
    add(close);
    add(open_http);
    add({"0|V\xE9rification des identifiants ...", "3|Demande du tempID ...", "data",
         "1|tempID re\xE7u : " + temp_id});
    add(close);
    add({"connect", "0|Connexion au serveur de Chat [127.0.0.1:" + std::to_string(chat_port) + "]",
         "connected", "0|D\xE9marrage du Thread de connexion (TCP)",
         "1|Connexion eff\xE9"
         "ctu\xE9"
         "e",
         "data"});
    return trail;
}
