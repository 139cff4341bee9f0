#include "server/demo_friends.h"

#include <cctype>

#include "server/demo_script.h"
#include "server/log.h"

namespace babillon {

namespace {

// Friends of each sex, so that the list shows every colour.
constexpr int kFriendsPerSex = 3;

}  // namespace

std::string FriendEntry(std::string_view alias) {
    // The account is the alias in lower-case letters and digits, accents taken off.
    static constexpr std::string_view kLatin1Lower = "aaaaaaaceeeeiiiidnooooooouuuuyty";
    std::string account;
    for (std::size_t i = 0; i < alias.size(); ++i) {
        const auto byte = static_cast<unsigned char>(alias[i]);
        if (std::isalnum(byte)) {
            account.push_back(static_cast<char>(std::tolower(byte)));
        } else if (byte == 0xC3 && i + 1 < alias.size()) {
            const auto next = static_cast<unsigned char>(alias[++i]);
            const std::size_t letter = (next & 0x1F);
            if (letter < kLatin1Lower.size()) account.push_back(kLatin1Lower[letter]);
        }
    }
    return std::string(alias) + ":0" + account + "_babillon";
}

std::string FriendRecord(const Member& member) {
    return member.chatid + "\t" + member.alias + "\t\t" + member.age + "\t" +
           ListSexCode(member.sex) + "\t" + member.town + "\t" + member.status_text;
}

DemoFriends::DemoFriends(ChatSide& chat) : chat_(chat) {
    std::map<Sex, int> taken;
    for (const demo::Character& character : demo::Characters()) {
        if (taken[character.sex]++ < kFriendsPerSex) aliases_.emplace(character.alias);
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
        if (const Member* member = chat_.FindMember(chatid))
            present += "\t" + FriendRecord(*member);
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
