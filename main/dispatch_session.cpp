// The connection itself: identification, failure, welcome, checks, mode and status.
#include "directory/form_amis.h"
#include "directory/form_connectes.h"
#include "program/chat_windows.h"
#include "main/dispatch_handlers.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "session/command_codes.h"

namespace {

std::string SexLetter(std::uint8_t sexe) {
    if (sexe == 0) return "F";
    if (sexe == 1) return "H";
    return "I";
}

std::optional<Trace> Identification(const DispatchLine& line) {
    TBabillon& session = line.context.session;
    ChatWindows& windows = line.context.windows;
    const TConfig& config = line.context.state.Config;
    session.ServerId = line.Field(0);
    line.send(
        ProfileLine(session.Age.str(), TBabillon::SexCode(session.Sexe), session.Ville.str()));
    windows.SetStatusPanel(StatusPanel::Alias, "Alias : " + session.Alias.str());
    windows.SetStatusPanel(StatusPanel::Age, "Age : " + session.Age.str());
    windows.SetStatusPanel(StatusPanel::Sexe, "Sexe : " + SexLetter(session.Sexe));
    windows.SetStatusPanel(StatusPanel::Ville, "Ville : " + session.Ville.str());
    windows.SetStatusPanel(StatusPanel::Status, "Status : " + session.Status.str());
    if (Tform_amis* friends = windows.FriendsWindow()) friends->SetStatusLabel(session.Status);
    if (!config.DoNothing)
        line.send(config.ListPerm ? PermanentRoomListLine() : PublicRoomListLine());
    line.send(JoinRoomLine(session.Salon.str(), "1"));
    return Trace{"Identifiants personnels : " + line.Field(0) + " / " + line.Field(1) + " / " +
                 line.Field(2)};
}

std::optional<Trace> ConnectionRefused(const DispatchLine& line) {
    if (line.context.session.Connected()) line.context.session.Disconnect();
    line.context.windows.CloseAllWindows();
    line.context.windows.CreateDebugWindow();
    return Trace{
        "Une erreur est survenue lors de la tentative de connexion, tentez de vous "
        "reconnecter",
        DebugCategory::Error};
}

std::optional<Trace> PrivacyMode(const DispatchLine& line) {
    return Trace{"Changement de mode : " + line.Field(0)};
}

std::optional<Trace> Status(const DispatchLine& line) {
    const std::string& status = line.Field(0);
    line.context.session.Status = status;
    if (Tform_amis* friends = line.context.windows.FriendsWindow()) friends->SetStatusLabel(status);
    line.context.windows.SetStatusPanel(StatusPanel::Status, "Status : " + status);
    return Trace{"Changement de status : " + status};
}

std::optional<Trace> Welcome(const DispatchLine& line) {
    line.send(TempIdLine(line.context.session.TempID));
    line.context.windows.OpenStandardWindows();
    return Trace{Ansi(u"Commande de bienvenue reçue ; Envoi du tempID ; Ouverture des fenêtres")};
}

std::optional<Trace> ConnectedCount(const DispatchLine& line) {
    if (Tform_connectes* search = line.context.windows.SearchWindow()) {
        search->SetConnectedCount(line.Field(0));
    }
    return Trace{Ansi(u"Récéption du nombre de connectés : ") + line.Field(0)};
}

std::optional<Trace> ConnectionCheck(const DispatchLine& line) {
    line.send(ConnectionCheckLine());
    return Trace{Ansi(u"Vérification de la connexion ; Renvoi de la commande 667")};
}

}  // namespace

void AddSessionHandlers(HandlerTable& table) {
    table[codes::Identification] = Identification;
    table[codes::ConnectionRefused] = ConnectionRefused;
    table[codes::PrivacyMode] = PrivacyMode;
    table[codes::Status] = Status;
    table[codes::Welcome] = Welcome;
    table[codes::ConnectedCount] = ConnectedCount;
    table[codes::ConnectionCheck] = ConnectionCheck;
}
