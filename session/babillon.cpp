#include "session/babillon.h"

#include <optional>
#include <utility>

#include "platform/text_trim.h"
#include "session/chat_line.h"
#include "session/http_login.h"
#include "session/vek_threads.h"

namespace {

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

void TBabillon::Debug(const std::string& text, DebugCategory category) {
    if (OnDebug) OnDebug(text, category);
}

void TBabillon::Connect() {
    // The address fields may come from a pasted text: blanks and control characters go.
    IDAddress = platform::TrimBlanks(IDAddress);
    ChatAddress = platform::TrimBlanks(ChatAddress);
    if (IDAddress.empty() || ChatAddress.empty() || !ValidPort(IDPort) || !ValidPort(ChatPort)) {
        // Nothing was opened and nothing changes: the owner only has to show the message.
        if (OnError) OnError(TVekError::NoAddress, VekState);
        return;
    }
    if (OnConnect) OnConnect();
    if (VekState == TVekState::Failed) VekState = TVekState::Cookie;

    // A connection still open belongs to a step that this attempt supersedes.
    if (impl_->connection) {
        if (auto reader = impl_->read_thread.lock()) reader->Terminate();
        CloseConnection();
    }

    const bool chat = VekState == TVekState::Chat;
    const std::string& host = chat ? ChatAddress : IDAddress;
    const int port = chat ? ChatPort : IDPort;
    net::ProxySettings proxy;
    proxy.host = platform::TrimBlanks(chat ? TCPProxyAddress : HTTPProxyAddress);
    proxy.port = chat ? TCPProxyPort : HTTPProxyPort;
    proxy.version = proxy.host.empty() ? net::SocksVersion::svNoSocks : ProxyHTVersion;
    proxy.authentication = SocksAuthentication;
    proxy.username = SocksUserName;
    proxy.password = SocksPassword;

    Debug((chat ? "Connexion au serveur de Chat [" : "Connexion au serveur d'ID [") + host + ":" +
              std::to_string(port) + "]",
          DebugCategory::Standard);
    try {
        OpenConnection(host, port, proxy);
    } catch (const net::SocketError&) {
        RaiseError(TVekError::CannotConnect, VekState);
        return;
    }
    // The owner's OnConnected may already have closed it again.
    if (!Connected()) return;

    if (!chat) {
        Debug("D\xE9marrage du Thread de connexion (HTML)", DebugCategory::Standard);
        auto reader = std::make_shared<TVekReadThread>(*this, impl_->alive, impl_->connection);
        impl_->read_thread = reader;
        reader->Start();
    } else {
        Debug("D\xE9marrage du Thread de connexion (TCP)", DebugCategory::Standard);
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
        DebugCategory::Standard);
    if (auto reader = impl_->read_thread.lock()) reader->Terminate();
    CloseConnection();
    if (OnDisconnect) OnDisconnect();
}

void TBabillon::SendLine(std::string_view text) {
    std::string bytes = VekState == TVekState::Chat ? AnsiToUtf8(text) : std::string(text);
    bytes += "\r\n";
    if (!impl_->connection) {
        Debug("Envoi impossible : pas de connexion au serveur", DebugCategory::Warning);
        return;
    }
    try {
        impl_->connection->Write(bytes);
    } catch (const net::SocketError&) {
        Debug("Envoi impossible : la connexion au serveur est rompue", DebugCategory::Warning);
    }
}

std::string TBabillon::ErrorText(TVekError error_code) {
    switch (error_code) {
        case TVekError::CannotConnect:
            return "Impossible de se connecter au serveur";
        case TVekError::BadPassword:
            return "Mot de passe incorrect";
        case TVekError::Problem3:
            return "Erreur -3";
        case TVekError::Problem4:
            return "Erreur -4";
        case TVekError::BrowserNotice:
            return "Erreur Microsoft";
        case TVekError::WrongState:
            return "Erreur interne : mauvais VekState";
        case TVekError::NoPseudo:
            return "Pseudo non entr\xE9 ou \xE9rron\xE9";
        case TVekError::NoAlias:
            return "Alias non entr\xE9 ou \xE9rron\xE9";
        case TVekError::NoPass:
            return "Pass non entr\xE9 ou \xE9rron\xE9";
        case TVekError::NoAddress:
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
    Debug("V\xE9rification des identifiants ...", DebugCategory::Standard);
    Pseudo = platform::LowerAscii(platform::TrimBlanks(Pseudo.str()));
    Alias = platform::LowerAscii(platform::TrimBlanks(Alias.str()));
    Pass = platform::TrimBlanks(Pass.str());
    if (Pseudo.empty()) {
        RaiseError(TVekError::NoPseudo, VekState);
        return false;
    }
    if (Alias.empty()) {
        Debug("Alias non indiqu\xE9 : utilisation du pseudo", DebugCategory::Warning);
        Alias = Pseudo.str();
    }
    if (Pass.empty()) {
        RaiseError(TVekError::NoPass, VekState);
        return false;
    }
    return true;
}

void TBabillon::SendCurrentRequest() {
    Debug(
        "Connexion eff\xE9"
        "ctu\xE9"
        "e",
        DebugCategory::Ok);
    switch (VekState) {
        case TVekState::Cookie:
            if (CheckIdentity()) SendCookieRequest();
            break;
        case TVekState::ConfigPage:
            SendConfigPageRequest();
            break;
        case TVekState::Validation:
            SendValidationRequest();
            break;
        case TVekState::TempId:
            if (CheckIdentity()) SendTempIdRequest();
            break;
        default:
            break;
    }
}

void TBabillon::SendCookieRequest() {
    if (VekState != TVekState::Cookie) return RaiseError(TVekError::WrongState, VekState);
    Debug("Demande du Cookie ...", DebugCategory::Connex);
    SendLine(http_login::CookieRequest(IDAddress, Pseudo.str(), Pass.str()));
}

void TBabillon::SendConfigPageRequest() {
    if (VekState != TVekState::ConfigPage) return RaiseError(TVekError::WrongState, VekState);
    Debug("Demande de la page de configuration du chat ...", DebugCategory::Connex);
    SendLine(http_login::ConfigPageRequest(IDAddress, Cookie));
}

void TBabillon::SendValidationRequest() {
    if (VekState != TVekState::Validation) return RaiseError(TVekError::WrongState, VekState);
    Debug("Demande de la page de validation du chat ...", DebugCategory::Connex);
    SendLine(http_login::ValidationRequest(ChatAddress, Cookie, Alias.str(), Age.str(), Ville.str(),
                                           Sexe, Invisible, Status.str(), Salon.str()));
}

void TBabillon::SendTempIdRequest() {
    if (VekState != TVekState::TempId) return RaiseError(TVekError::WrongState, VekState);
    Debug("Demande du tempID ...", DebugCategory::Connex);
    SendLine(http_login::TempIdRequest(IDAddress, Cookie, Salon.str()));
}

void TBabillon::HandleHttpResponse(const std::string& answer) {
    if (!Connected()) return;
    switch (VekState) {
        case TVekState::Cookie:
            if (std::optional<TVekError> error = http_login::CheckLoginAnswer(answer)) {
                RaiseError(*error, TVekState::Cookie);
            } else if (std::optional<std::string> cookie = http_login::FindCookie(answer)) {
                Cookie = std::move(*cookie);
                Debug("Cookie re\xE7u : " + Cookie, DebugCategory::Ok);
                VekState = TVekState::ConfigPage;
                Disconnect();
                Connect();
            } else {
                Debug("Pas de cookie IDENTIFIANT dans la r\xE9ponse du serveur d'ID",
                      DebugCategory::Warning);
            }
            break;
        case TVekState::ConfigPage:
            Debug("Page de configuration du Chat re\xE7ue", DebugCategory::Ok);
            VekState = TVekState::Validation;
            Disconnect();
            Connect();
            break;
        case TVekState::Validation:
            Debug("Page de validation du Chat re\xE7ue", DebugCategory::Ok);
            VekState = TVekState::TempId;
            Disconnect();
            Connect();
            break;
        case TVekState::TempId:
            if (http_login::HasBrowserNotice(answer)) {
                RaiseError(TVekError::BrowserNotice, TVekState::TempId);
            } else if (std::optional<std::string> temp_id = http_login::FindTempId(answer)) {
                TempID = std::move(*temp_id);
                Debug("tempID re\xE7u : " + TempID, DebugCategory::Ok);
                VekState = TVekState::Chat;
                Disconnect();
                Connect();
            } else {
                Debug("Pas de tempID dans la r\xE9ponse du serveur d'ID", DebugCategory::Warning);
            }
            break;
        default:
            break;
    }
    if (VekState == TVekState::Failed) {
        Disconnect();
    } else if (OnDataAvailable) {
        OnDataAvailable(answer);
    }
}

void TBabillon::HandleChatLine(const std::string& line) {
    ChatLine split = SplitChatLine(line);
    if (OnChatCommande) OnChatCommande(split.code, split.params);
}

void TBabillon::RaiseError(TVekError error_code, TVekState state) {
    VekState = TVekState::Failed;
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
                DebugCategory::Warning);
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
