#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/tcp_client.h"
#include "session/limited_text.h"
#include "session/session_codes.h"

class TVekReadThread;
class TVekChatThread;
struct TChatReadLine;

// The session component: four HTTP exchanges with the identification server, then one
// long-lived line connection to the chat server. Every event is raised on the main thread;
// every state change and every write happens there too.
class TBabillon {
public:
    using TVekDataAvail = std::function<void(const std::string& data)>;
    using TVekChatCommande =
        std::function<void(const std::string& code, const std::vector<std::string>& params)>;
    using TVekDebugProc = std::function<void(const std::string& text, DebugCategory category)>;
    using TVekErrorProc = std::function<void(TVekError error_code, TVekState state)>;
    using TNotifyEvent = std::function<void()>;

    TBabillon();
    ~TBabillon();
    TBabillon(const TBabillon&) = delete;
    TBabillon& operator=(const TBabillon&) = delete;

    // Properties.
    std::string IDAddress;
    int IDPort = 0;
    std::string ChatAddress;
    int ChatPort = 0;
    net::SocksVersion ProxyHTVersion = net::SocksVersion::svNoSocks;
    std::string HTTPProxyAddress;
    int HTTPProxyPort = 0;
    std::string TCPProxyAddress;
    int TCPProxyPort = 0;
    // SOCKS user name/password, used when SocksAuthentication is set.
    bool SocksAuthentication = false;
    std::string SocksUserName;
    std::string SocksPassword;

    TVekDataAvail OnDataAvailable;
    TVekChatCommande OnChatCommande;
    TNotifyEvent OnConnect;
    TNotifyEvent OnDisconnect;
    TVekDebugProc OnDebug;
    TVekErrorProc OnError;
    // A French text for the user about trouble on the chat connection: the server closed it,
    // or sent a line too long to keep (dropped).
    TVekDataAvail OnChatWarning;
    // The TCP client's own events: after each socket is opened / closed, HTTP steps too.
    TNotifyEvent OnConnected;
    TNotifyEvent OnDisconnected;

    // Session fields (Windows-1252 text, cut to their lengths on assignment).
    TVekState VekState = TVekState::Cookie;
    LimitedText<32> Pseudo;
    LimitedText<32> Alias;
    LimitedText<8> Pass;
    LimitedText<20> ServerId;
    LimitedText<5> Age;
    LimitedText<25> Ville;
    std::uint8_t Sexe = 2;
    LimitedText<30> Salon;
    LimitedText<80> Status{"en ligne"};
    bool Invisible = false;
    std::string Cookie;
    std::string TempID;

    void Connect();
    void Disconnect();
    bool Connected() const;
    void SendLine(std::string_view text);
    void Debug(const std::string& text, DebugCategory category);

    static std::string ErrorText(TVekError error_code);
    static std::string SexCode(std::uint8_t sexe);
    static std::string SexCodeDirect(int value);
    static std::string FlagCode(bool flag);

    // Steps of the machine, public so that tests can drive them one by one.
    bool CheckIdentity();
    void SendCurrentRequest();
    void HandleHttpResponse(const std::string& answer);
    void HandleChatLine(const std::string& line);
    void RaiseError(TVekError error_code, TVekState state);

    // The four login requests; each sends only in its own state (1 to 4), else error 6.
    void SendCookieRequest();
    void SendConfigPageRequest();
    void SendValidationRequest();
    void SendTempIdRequest();

private:
    // Hand-offs from the readers, on the main thread. Each names the connection it was read
    // from and is ignored unless that connection is still the current one.
    friend class TVekReadThread;
    friend class TVekChatThread;
    void DeliverHttpAnswer(const net::Connection* from, const std::string& answer);
    // Raises the events of a batch of lines in order, and drops the rest of it as soon as a
    // handler has disconnected, connected again or destroyed the session.
    void DeliverChatLines(const net::Connection* from, const std::vector<TChatReadLine>& lines);
    void ChatClosedByServer(const net::Connection* from);

    void OpenConnection(const std::string& host, int port, const net::ProxySettings& proxy);
    void CloseConnection();

    struct Impl;
    std::unique_ptr<Impl> impl_;
};
