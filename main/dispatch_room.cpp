// The room the user is in: entering it, its texts, its members and the room lists.
#include "conversation/form_salon.h"
#include "directory/form_salons.h"
#include "main/dispatch_handlers.h"
#include "program/chat_windows.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "session/command_codes.h"
#include "session/room_names.h"

namespace {

std::optional<Trace> EnterRoom(const DispatchLine& line) {
    ProgramState& state = line.context.state;
    const std::string& room = line.Field(1);
    if (!state.ForcedRoom.empty()) {
        // While the server places the user anywhere but the wanted room, alternate between
        // the waiting room (the private room named after the user) and the wanted room.
        if (room != state.ForcedRoom) {
            if (state.ForcedRoomHop) {
                state.ForcedRoomHop = false;
                line.send(JoinRoomLine(state.ForcedRoom, "0"));
            } else {
                state.ForcedRoomHop = true;
                line.send(JoinRoomLine(line.context.session.Alias.str(), "1"));
            }
            return std::nullopt;
        }
        state.ForcedRoom.clear();
        state.ForcedRoomHop = false;
    }
    const std::string name = RoomDisplayName(room);
    ChatWindows& windows = line.context.windows;
    windows.SetStatusPanel(StatusPanel::Salon, "Salon : " + name);
    windows.SetRoomTabCaption(name);
    if (Tform_salon* window = windows.RoomWindow()) {
        state.WaitingForMembers = true;
        // Texts held for the room we are leaving do not belong to this one.
        state.HeldTexts.clear();
        window->EnterRoom(name);
    }
    line.send(MemberListLine());
    return Trace{Ansi(u"Entrée dans le salon : ") + name};
}

std::optional<Trace> RoomText(const DispatchLine& line) {
    const std::string& chat_id = line.Field(0);
    const std::string& alias = line.Field(2);
    const std::string& body = line.Field(3);
    const std::string said = "[" + alias + "/" + chat_id + "] : " + body;
    if (IsIgnored(line.context.state, chat_id)) {
        return Trace{"IGNORE : Texte dans le salon de " + said};
    }
    if (Tform_salon* room = line.context.windows.RoomWindow()) {
        ProgramState& state = line.context.state;
        if (state.WaitingForMembers) {
            if (state.HeldTexts.Hold({LimitedText<32>(alias), LimitedText<20>(chat_id), body})) {
                line.context.session.Debug(
                    Ansi(u"Toujours pas de liste des membres : les plus anciens textes du salon "
                         u"en attente sont oubliés"),
                    DebugCategory::Warning);
            }
        } else {
            room->AppendRoomText(chat_id, alias, body);
        }
    }
    return Trace{"Texte dans le salon de " + said};
}

std::optional<Trace> MemberList(const DispatchLine& line) {
    const std::string& sub_code = line.Field(0);
    Tform_salon* room = line.context.windows.RoomWindow();
    if (sub_code == "-1") {
        if (room != nullptr) {
            room->SetMembers(line.fields, true);
            if (line.context.state.WaitingForMembers) {
                line.context.state.WaitingForMembers = false;
                room->ShowHeldTexts();
            }
        }
        return Trace{
            Ansi(u"(-1) Réinitialisation de la liste des membres et ajout éventuel de membres")};
    }
    if (sub_code == "0") {
        if (room != nullptr) room->SetMembers(line.fields, false);
        return Trace{"(0) Liste des membres du salon"};
    }
    if (sub_code == "1") {
        if (room != nullptr) room->RemoveMembers(line.fields);
        return Trace{Ansi(u"(1) Départ de membres du salon")};
    }
    return Trace{};
}

std::optional<Trace> RoomList(const DispatchLine& line) {
    if (Tform_salons* rooms = line.context.windows.RoomListWindow()) {
        rooms->FillRoomList(line.fields);
    }
    return Trace{Ansi(u"Récéption de la liste des salons")};
}

}  // namespace

void AddRoomHandlers(HandlerTable& table) {
    table[codes::EnterRoom] = EnterRoom;
    table[codes::EnterRoomAlt] = EnterRoom;
    table[codes::RoomText] = RoomText;
    table[codes::MemberList] = MemberList;
    table[codes::PublicRoomList] = RoomList;
    table[codes::PermanentRoomList] = RoomList;
}
