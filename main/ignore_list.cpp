#include "main/ignore_list.h"

#include <algorithm>

#include "conversation/form_salon.h"
#include "program/chat_windows.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "session/command_codes.h"

namespace {

// The room window's member keeps its details; only its ignored state changes.
void UpdateRoomMember(WindowContext& context, const std::string& chat_id, bool ignored) {
    Tform_salon* room = context.windows.RoomWindow();
    if (room == nullptr) return;
    const MemberRecord member = room->FindMember(chat_id);
    const std::string status_code = member.status == "1" ? "64" : "0";
    if (room->UpdateMember(chat_id, ignored, member.nickname, status_code, member.age, member.sex,
                           member.town)) {
        room->RebuildMemberList();
    }
}

}  // namespace

void AddIgnore(WindowContext& context, const std::string& chat_id) {
    context.state.IgnoreList.push_back(chat_id);
    UpdateRoomMember(context, chat_id, true);
}

void RemoveIgnore(WindowContext& context, const std::string& chat_id) {
    auto& list = context.state.IgnoreList;
    auto found = std::find(list.begin(), list.end(), chat_id);
    if (found == list.end()) return;
    found->clear();
    UpdateRoomMember(context, chat_id, false);
}

void ToggleIgnore(WindowContext& context, const std::string& chat_id, const LineSender& send) {
    context.state.LastIgnoreTarget = chat_id;
    if (!IsIgnored(context.state, chat_id)) {
        AddIgnore(context, chat_id);
        send(IgnoreLine(chat_id));
    } else {
        RemoveIgnore(context, chat_id);
        send(UnignoreLine(chat_id));
    }
}

void ToggleIgnore(WindowContext& context, const std::string& chat_id) {
    ToggleIgnore(context, chat_id,
                 [&context](const std::string& line) { context.session.SendLine(line); });
}
