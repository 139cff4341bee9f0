#include "session/babillon.h"

#include <optional>
#include <utility>

#include "session/chat_line.h"
#include "session/http_login.h"
#include "session/vek_threads.h"

namespace {

// Spaces and control characters at both ends go, as the address fields may come from a
// pasted text.
std::string Trimmed(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool ValidPort(int port) {
    return port > 0 && port <= 65535;
}

}  // namespace

struct TBabillon::Impl {
    // Readers hold a weak reference to this token; the session drops it when it is
    // destroyed, so a hand-off that was already on its way does nothing.
    std::shared_ptr<const int> alive = std::make_shared<const int>(0);
    std::shared_ptr<net::Connection> connection;
    // A reader frees itself when it ends; these only tell whether it is still there.
    std::weak_ptr<TVekReadThread> read_thread;
    std::weak_ptr<TVekChatThread> chat_thread;
};

TBabillon::TBabillon() : impl_(std::make_unique<Impl>()) {}

TBabillon::~TBabillon() {
    impl_->alive.reset();
    if (auto reader = impl_->read_thread.lock()) reader->Terminate();
    if (auto reader = impl_->chat_thread.lock()) reader->Terminate();
    if (impl_->connection) impl_->connection->Close();
}

bool TBabillon::Connected() const {
    return impl_->connection != nullptr;
}

void TBabillon::Debug(const std::string& text, std::uint8_t category) {
    if (OnDebug) OnDebug(text, category);
}

void TBabillon::Connect() {
    IDAddress = Trimmed(IDAddress);
    ChatAddress = Trimmed(ChatAddress);
    if (IDAddress.empty() || ChatAddress.empty() || !ValidPort(IDPort) || !ValidPort(ChatPort)) {
        // Nothing was opened and nothing changes: the owner only has to show the message.
        if (OnError) OnError(10, VekState);
        return;
    }
    if (OnConnect) OnConnect();
    if (VekState == 0) VekState = 1;

    // A connection still open belongs to a step that this attempt supersedes.
    if (impl_->connection) {
        if (auto reader = impl_->read_thread.lock()) reader->Terminate();
        CloseConnection();
    }

    const bool chat = VekState == 5;
    const std::string& host = chat ? ChatAddress : IDAddress;
    const int port = chat ? ChatPort : IDPort;
    net::ProxySettings proxy;
    proxy.host = Trimmed(chat ? TCPProxyAddress : HTTPProxyAddress);
    proxy.port = chat ? TCPProxyPort : HTTPProxyPort;
    proxy.version = proxy.host.empty() ? net::SocksVersion::svNoSocks : ProxyHTVersion;
    proxy.authentication = SocksAuthentication;
    proxy.username = SocksUserName;
    proxy.password = SocksPassword;

    Debug((chat ? "Connexion au serveur de Chat [" : "Connexion au serveur d'ID [") + host + ":" +
              std::to_string(port) + "]",
          0);
    try {
        OpenConnection(host, port, proxy);
    } catch (const net::SocketError&) {
        RaiseError(1, VekState);
        return;
    }
    // The owner's OnConnected may already have closed it again.
    if (!Connected()) return;

    if (!chat) {
        Debug("D\xE9marrage du Thread de connexion (HTML)", 0);
        auto reader = std::make_shared<TVekReadThread>(*this, impl_->alive, impl_->connection);
        impl_->read_thread = reader;
        reader->Start();
    } else {
        Debug("D\xE9marrage du Thread de connexion (TCP)", 0);
        auto reader = std::make_shared<TVekChatThread>(*this, impl_->alive, impl_->connection);
        impl_->chat_thread = reader;
        reader->Start();
    }
    SendCurrentRequest();
}

void TBabillon::OpenConnection(const std::string& host, int port, const net::ProxySettings& proxy) {
    impl_->connection = net::ConnectTcp(host, port, proxy);
    if (OnConnected) OnConnected();
}

void TBabillon::CloseConnection() {
    if (!impl_->connection) return;
    impl_->connection->Close();
    impl_->connection.reset();
    if (OnDisconnected) OnDisconnected();
}

void TBabillon::Disconnect() {
    Debug(
        "D\xE9"
        "connexion du serveur",
        0);
    if (auto reader = impl_->read_thread.lock()) reader->Terminate();
    CloseConnection();
    if (OnDisconnect) OnDisconnect();
}

void TBabillon::SendLine(std::string_view text) {
    std::string bytes = VekState == 5 ? AnsiToUtf8(text) : std::string(text);
    bytes += "\r\n";
    if (!impl_->connection) {
        Debug("Envoi impossible : pas de connexion au serveur", 2);
        return;
    }
    try {
        impl_->connection->Write(bytes);
    } catch (const net::SocketError&) {
        Debug("Envoi impossible : la connexion au serveur est rompue", 2);
    }
}

std::string TBabillon::ErrorText(std::uint8_t error_code) {
    switch (error_code) {
        case 1:
            return "Impossible de se connecter au serveur";
        case 2:
            return "Mot de passe incorrect";
        case 3:
            return "Erreur -3";
        case 4:
            return "Erreur -4";
        case 5:
            return "Erreur Microsoft";
        case 6:
            return "Erreur interne : mauvais VekState";
        case 7:
            return "Pseudo non entr\xE9 ou \xE9rron\xE9";
        case 8:
            return "Alias non entr\xE9 ou \xE9rron\xE9";
        case 9:
            return "Pass non entr\xE9 ou \xE9rron\xE9";
        case 10:
            return "Adresse/Ports non entr\xE9 ou \xE9rron\xE9";
        default:
            // An unknown code still deserves a message rather than an empty box.
            return "Erreur Inconnue";
    }
}

std::string TBabillon::SexCode(std::uint8_t sexe) {
    return sexe == 0 ? "1" : sexe == 1 ? "0" : "-1";
}

std::string TBabillon::SexCodeDirect(int value) {
    return value == 0 ? "0" : value == 1 ? "1" : "-1";
}

std::string TBabillon::FlagCode(bool flag) {
    return flag ? "1" : "0";
}

bool TBabillon::CheckIdentity() {
    Debug("V\xE9rification des identifiants ...", 0);
    Pseudo = LowerAscii(Trimmed(Pseudo.str()));
    Alias = LowerAscii(Trimmed(Alias.str()));
    Pass = Trimmed(Pass.str());
    if (Pseudo.empty()) {
        RaiseError(7, VekState);
        return false;
    }
    if (Alias.empty()) {
        Debug("Alias non indiqu\xE9 : utilisation du pseudo", 2);
        Alias = Pseudo.str();
    }
    if (Pass.empty()) {
        RaiseError(9, VekState);
        return false;
    }
    return true;
}

void TBabillon::SendCurrentRequest() {
    Debug(
        "Connexion eff\xE9"
        "ctu\xE9"
        "e",
        1);
    switch (VekState) {
        case 1:
            if (CheckIdentity()) SendCookieRequest();
            break;
        case 2:
            SendConfigPageRequest();
            break;
        case 3:
            SendValidationRequest();
            break;
        case 4:
            if (CheckIdentity()) SendTempIdRequest();
            break;
        default:
            break;
    }
}

void TBabillon::SendCookieRequest() {
    if (VekState != 1) return RaiseError(6, VekState);
    Debug("Demande du Cookie ...", 3);
    SendLine(http_login::CookieRequest(IDAddress, Pseudo.str(), Pass.str()));
}

void TBabillon::SendConfigPageRequest() {
    if (VekState != 2) return RaiseError(6, VekState);
    Debug("Demande de la page de configuration du chat ...", 3);
    SendLine(http_login::ConfigPageRequest(IDAddress, Cookie));
}

void TBabillon::SendValidationRequest() {
    if (VekState != 3) return RaiseError(6, VekState);
    Debug("Demande de la page de validation du chat ...", 3);
    SendLine(http_login::ValidationRequest(ChatAddress, Cookie, Alias.str(), Age.str(), Ville.str(),
                                           Sexe, Invisible, Status.str(), Salon.str()));
}

void TBabillon::SendTempIdRequest() {
    if (VekState != 4) return RaiseError(6, VekState);
    Debug("Demande du tempID ...", 3);
    SendLine(http_login::TempIdRequest(IDAddress, Cookie, Salon.str()));
}

void TBabillon::HandleHttpResponse(const std::string& answer) {
    if (!Connected()) return;
    switch (VekState) {
        case 1:
            if (std::uint8_t error = http_login::CheckLoginAnswer(answer); error != 0) {
                RaiseError(error, 1);
            } else if (std::optional<std::string> cookie = http_login::FindCookie(answer)) {
                Cookie = std::move(*cookie);
                Debug("Cookie re\xE7u : " + Cookie, 1);
                VekState = 2;
                Disconnect();
                Connect();
            } else {
                Debug("Pas de cookie IDENTIFIANT dans la r\xE9ponse du serveur d'ID", 2);
            }
            break;
        case 2:
            Debug("Page de configuration du Chat re\xE7ue", 1);
            VekState = 3;
            Disconnect();
            Connect();
            break;
        case 3:
            Debug("Page de validation du Chat re\xE7ue", 1);
            VekState = 4;
            Disconnect();
            Connect();
            break;
        case 4:
            if (http_login::HasBrowserNotice(answer)) {
                RaiseError(5, 4);
            } else if (std::optional<std::string> temp_id = http_login::FindTempId(answer)) {
                TempID = std::move(*temp_id);
                Debug("tempID re\xE7u : " + TempID, 1);
                VekState = 5;
                Disconnect();
                Connect();
            } else {
                Debug("Pas de tempID dans la r\xE9ponse du serveur d'ID", 2);
            }
            break;
        default:
            break;
    }
    if (VekState == 0) {
        Disconnect();
    } else if (OnDataAvailable) {
        OnDataAvailable(answer);
    }
}

void TBabillon::HandleChatLine(const std::string& line) {
    ChatLine split = SplitChatLine(line);
    if (OnChatCommande) OnChatCommande(split.code, split.params);
}

void TBabillon::RaiseError(std::uint8_t error_code, std::uint8_t state) {
    VekState = 0;
    Disconnect();
    if (OnError) OnError(error_code, state);
}

void TBabillon::DeliverHttpAnswer(const net::Connection* from, const std::string& answer) {
    if (impl_->connection.get() != from) return;
    HandleHttpResponse(answer);
}

void TBabillon::DeliverChatLines(const net::Connection* from,
                                 const std::vector<TChatReadLine>& lines) {
    // Held apart from the session, so that it can be asked after a handler destroyed it.
    const std::weak_ptr<const int> alive = impl_->alive;
    for (const TChatReadLine& line : lines) {
        if (alive.expired() || impl_->connection.get() != from) return;
        if (line.dropped) {
            Debug(
                "Ligne trop longue ignor\xE9"
                "e (plus de " +
                    std::to_string(kChatLineLimit) + " octets)",
                2);
            if (OnChatWarning) {
                OnChatWarning(
                    "Le serveur de Chat a envoy\xE9 une ligne trop longue ; elle est ignor\xE9"
                    "e.");
            }
        } else {
            HandleChatLine(line.text);
        }
    }
}

void TBabillon::ChatClosedByServer(const net::Connection* from) {
    if (impl_->connection.get() != from) return;
    CloseConnection();
    if (OnChatWarning) OnChatWarning("La connexion au serveur de Chat a \xE9t\xE9 ferm\xE9"
                                     "e par le serveur.");
}
