// Other people: the ignore confirmations, search results and friends.
#include "directory/form_amis.h"
#include "directory/form_connectes.h"
#include "program/chat_windows.h"
#include "main/dispatch_handlers.h"
#include "program/program_state.h"
#include "session/command_codes.h"

namespace {

std::optional<Trace> IgnoreConfirmed(const DispatchLine& line) {
    if (line.Field(0) != "-1") return Trace{};
    if (line.fields.size() == 1) {
        const std::string target = line.context.state.LastIgnoreTarget;
        RemoveIgnore(line.context, target);
        return Trace{Ansi(u"Personne autorisée : ") + target};
    }
    if (line.fields.size() == 2) {
        AddIgnore(line.context, line.Field(1));
        return Trace{Ansi(u"Personne ignorée : ") + line.Field(1)};
    }
    return Trace{};
}

// The third ":"-separated part of the result header names the searched sex.
std::string SearchCriterion(const std::string& header) {
    const std::size_t first = header.find(':');
    if (first == std::string::npos) return {};
    const std::size_t second = header.find(':', first + 1);
    if (second == std::string::npos) return {};
    return header.substr(second + 1);
}

std::optional<Trace> SearchResults(const DispatchLine& line) {
    if (Tform_connectes* search = line.context.windows.SearchWindow()) {
        const std::string criterion = SearchCriterion(line.Field(0));
        const bool results = line.fields.size() > 1;
        if (results && criterion == "-2") {
            search->FillUserResults(line.fields);
        } else if (results && (criterion == "-1" || criterion == "0" || criterion == "1")) {
            search->FillUserResultsOneSex(line.fields, criterion);
        } else {
            search->ShowNoResult();
        }
    }
    return Trace{Ansi(u"Récéption de la liste des personnes connectées")};
}

std::optional<Trace> FriendsList(const DispatchLine& line) {
    Tform_amis* friends = line.context.windows.FriendsWindow();
    Trace trace;
    if (line.Field(0) == "-1") {
        trace.description =
            Ansi(u"(-1) Réinitialisation de la liste d'amis et ajout éventuel d'amis");
        if (friends != nullptr) friends->AddFriends(line.fields, true);
    }
    if (line.Field(0) == "0" && friends != nullptr) {
        trace.description = Ansi(u"(0) Arrivé d'un ami");
        friends->AddFriends(line.fields, false);
    }
    return trace;
}

std::optional<Trace> FriendsPresence(const DispatchLine& line) {
    Tform_amis* friends = line.context.windows.FriendsWindow();
    if (friends == nullptr) return Trace{};
    const std::string& sub_code = line.Field(0);
    if (sub_code == "0" || sub_code == "-1") {
        friends->UpdateFriendInfo(line.fields);
        return Trace{Ansi(u"(0/-1) Informations sur les amis connectés")};
    }
    if (sub_code == "1") {
        friends->MarkFriendsGone(line.fields);
        return Trace{Ansi(u"(1) Départ d'un ami")};
    }
    return Trace{};
}

}  // namespace

void AddPeopleHandlers(HandlerTable& table) {
    table[codes::Ignore] = IgnoreConfirmed;
    table[codes::SearchByNickname] = SearchResults;
    table[codes::SearchByTown] = SearchResults;
    table[codes::FriendsList] = FriendsList;
    table[codes::FriendsPresence] = FriendsPresence;
}
