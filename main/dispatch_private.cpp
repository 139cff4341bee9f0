// Private conversations: texts, their senders' details and notices about the partner.
#include "conversation/form_prive.h"
#include "directory/form_infos.h"
#include "program/chat_windows.h"
#include "main/dispatch_handlers.h"
#include "program/program_state.h"
#include "session/command_codes.h"

namespace {

// A private text for a chat id without a window waits for the server's details about
// its sender ("82"); only the latest such text waits.
void HoldUntilDetails(const DispatchLine& line, bool own) {
    PendingPrivateMessage& pending = line.context.state.PendingPrivate;
    pending.alias = line.Field(2);
    pending.chat_id = line.Field(0);
    pending.body = line.Field(3);
    pending.own = own;
    line.send(UserInfoLine(line.Field(0)));
}

void ShowPrivateText(const DispatchLine& line, bool own) {
    ChatWindows& windows = line.context.windows;
    const int slot = windows.FindPrivateWindow(line.Field(0));
    if (slot == -1) {
        HoldUntilDetails(line, own);
    } else if (Tform_prive* window = windows.PrivateWindow(slot)) {
        window->AppendPrivateText(line.Field(3), own);
    }
}

std::optional<Trace> PrivateText(const DispatchLine& line) {
    const std::string said = line.Field(2) + " [" + line.Field(0) + "] : " + line.Field(3);
    if (IsIgnored(line.context.state, line.Field(0))) {
        return Trace{Ansi(u"IGNORE Texte en privé de ") + said};
    }
    ShowPrivateText(line, false);
    return Trace{Ansi(u"Texte en privé de ") + said};
}

std::optional<Trace> PrivateEcho(const DispatchLine& line) {
    ShowPrivateText(line, true);
    return Trace{Ansi(u"Mon texte dans le privé de ") + line.Field(2) + " [" + line.Field(0) +
                 "] : " + line.Field(3)};
}

std::optional<Trace> UserGone(const DispatchLine& line) {
    ChatWindows& windows = line.context.windows;
    const int slot = windows.FindPrivateWindow(line.Field(0));
    if (slot == -1) return std::nullopt;
    if (Tform_prive* window = windows.PrivateWindow(slot)) window->NotifyGone();
    return Trace{line.Field(0) + Ansi(u" n'est plus connecté")};
}

std::optional<Trace> PrivateRefused(const DispatchLine& line) {
    ChatWindows& windows = line.context.windows;
    const int slot = windows.FindPrivateWindow(line.Field(0));
    if (slot == -1) return std::nullopt;
    if (Tform_prive* window = windows.PrivateWindow(slot)) window->NotifyRefused(line.Field(1));
    return Trace{line.Field(1) + " [" + line.Field(0) + Ansi(u"] n'accèpte pas les privés")};
}

std::optional<Trace> IgnoredBy(const DispatchLine& line) {
    if (line.Field(0) != "6") return Trace{};
    const std::string& chat_id = line.Field(1);
    const std::string& alias = line.Field(2);
    ChatWindows& windows = line.context.windows;
    if (Tform_infos* infos = windows.InfoWindow()) {
        infos->AddInfoLine(Ansi(u"Vous avez ete ignoré par ") + alias);
    }
    const int slot = windows.FindPrivateWindow(chat_id);
    if (slot == -1) return std::nullopt;
    if (Tform_prive* window = windows.PrivateWindow(slot)) window->NotifyIgnored();
    return Trace{Ansi(u"Ignoré par ") + alias + " [" + chat_id + "]"};
}

std::optional<Trace> UserBusy(const DispatchLine& line) {
    ChatWindows& windows = line.context.windows;
    const int slot = windows.FindPrivateWindow(line.Field(0));
    // The busy message is shown like the user's own text, so that it never starts the
    // automatic replies of the private-message modes.
    if (slot == -1) {
        HoldUntilDetails(line, true);
    } else if (Tform_prive* window = windows.PrivateWindow(slot)) {
        window->AppendPrivateText(line.Field(3), true);
        window->NotifyBusy();
    }
    return Trace{Ansi(u"Personne occupé(e) ") + line.Field(2) + " [" + line.Field(0) +
                 "] : " + line.Field(3)};
}

std::optional<Trace> UserInfo(const DispatchLine& line) {
    const std::string& chat_id = line.Field(0);
    PendingPrivateMessage& pending = line.context.state.PendingPrivate;
    ChatWindows& windows = line.context.windows;
    // The pending text is used once: a second answer about the same sender (two texts
    // before the first answer each asked) must not open a second window. When a window for
    // the sender was opened meanwhile, the text goes there.
    if (!chat_id.empty() && pending.chat_id == chat_id) {
        const PendingPrivateMessage text = pending;
        pending = {};
        const int slot = windows.FindPrivateWindow(chat_id);
        if (slot == -1) {
            windows.OpenPrivateWindow(chat_id, text.alias, line.Field(2), line.Field(3),
                                      line.Field(4), text.body, text.own);
        } else if (Tform_prive* window = windows.PrivateWindow(slot)) {
            window->AppendPrivateText(text.body, text.own);
        }
    }
    return Trace{"Informations sur une personne [" + chat_id + "] - Age: " + line.Field(2) +
                 " - Sexe: " + line.Field(3) + " - Ville: " + line.Field(4)};
}

}  // namespace

void AddPrivateHandlers(HandlerTable& table) {
    table[codes::PrivateText] = PrivateText;
    table[codes::PrivateEcho] = PrivateEcho;
    table[codes::UserGone] = UserGone;
    table[codes::PrivateRefused] = PrivateRefused;
    table[codes::IgnoredBy] = IgnoredBy;
    table[codes::UserBusy] = UserBusy;
    table[codes::UserInfo] = UserInfo;
}
