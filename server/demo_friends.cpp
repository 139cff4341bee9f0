#include "server/demo_friends.h"

#include "server/demo_script.h"
#include "server/log.h"

namespace babillon {

namespace {

// One demo character in two is a friend.
constexpr std::size_t kFriendEvery = 2;

}  // namespace

std::string FriendEntry(std::string_view alias) {
    std::string account;
    for (const char c : alias) {
        const auto byte = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) account.push_back(c);
        if (c >= 'A' && c <= 'Z') account.push_back(static_cast<char>(byte - 'A' + 'a'));
    }
    return std::string(alias) + ":0" + account + "_babillon";
}

std::string FriendRecord(const Member& member) {
    return member.chatid + "\t" + member.alias + "\t\t" + member.age + "\t" +
           ListSexCode(member.sex) + "\t" + member.town + "\t" + member.status_text;
}

DemoFriends::DemoFriends(ChatSide& chat) : chat_(chat) {
    const auto characters = demo::Characters();
    for (std::size_t i = 0; i < characters.size(); i += kFriendEvery) {
        aliases_.emplace(characters[i].alias);
    }
    chat_.on_identified = [this](const Member& user) { Identified(user); };
    chat_.on_presence = [this](const Member& member, ChatSide::Presence what) {
        PresenceChanged(member, what);
    };
}

void DemoFriends::Identified(const Member& user) {
    std::string list = "330\t-1";
    for (const std::string& alias : aliases_) list += "\t" + FriendEntry(alias);
    chat_.SendTo(user, std::move(list));
    std::string present = "332\t-1";
    for (const auto& [alias, chatid] : present_) {
        if (const Member* member = chat_.FindMember(chatid)) present += "\t" + FriendRecord(*member);
    }
    Log("demo: ", user.alias, " gets ", aliases_.size(), " friends, ", present_.size(),
        " of them here");
    chat_.SendTo(user, std::move(present));
}

void DemoFriends::PresenceChanged(const Member& member, ChatSide::Presence what) {
    if (member.client || !aliases_.contains(member.alias)) return;
    if (what == ChatSide::Presence::arrived) present_[member.alias] = member.chatid;
    if (what == ChatSide::Presence::left) present_.erase(member.alias);
    for (const Member* user : chat_.Clients()) {
        switch (what) {
            case ChatSide::Presence::arrived:
                chat_.SendTo(*user, "330\t0\t" + FriendEntry(member.alias));
                chat_.SendTo(*user, "332\t0\t" + FriendRecord(member));
                break;
            case ChatSide::Presence::status:
                chat_.SendTo(*user, "332\t0\t" + FriendRecord(member));
                break;
            case ChatSide::Presence::left:
                // The client reads nicknames at P1, P3, ...: the last one needs a field after it.
                chat_.SendTo(*user, "332\t1\t" + member.alias + "\t");
                break;
        }
    }
}

}  // namespace babillon
