// What the windows and the dispatcher ask of the main window: mostly its window registry.
#include "auxiliary/form_stats.h"
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "directory/form_amis.h"
#include "directory/form_salons.h"
#include "main/form_main.h"
#include "main/ignore_list.h"
#include "main/window_registry.h"
#include "widgets/babi_rich_view.h"

Tform_debug* Tform_main::DebugWindow() {
    return registry_->DebugWindow();
}
Tform_salons* Tform_main::RoomListWindow() {
    return registry_->RoomListWindow();
}
Tform_connectes* Tform_main::SearchWindow() {
    return registry_->SearchWindow();
}
Tform_infos* Tform_main::InfoWindow() {
    return registry_->InfoWindow();
}
Tform_amis* Tform_main::FriendsWindow() {
    return registry_->FriendsWindow();
}
Tform_salon* Tform_main::RoomWindow() {
    return registry_->RoomWindow();
}
Tform_prive* Tform_main::PrivateWindow(int index) {
    return registry_->PrivateWindow(index);
}
Tform_browser* Tform_main::NewsWindow() {
    return registry_->NewsWindow();
}
Tform_connex* Tform_main::ConnexWindow() {
    return registry_->ConnexWindow();
}
int Tform_main::PrivateWindowCount() const {
    return registry_->PrivateWindowCount();
}
int Tform_main::BrowserPageCount() const {
    return registry_->BrowserPageCount();
}
Tform_browser* Tform_main::BrowserPage(int index) const {
    return registry_->BrowserPage(index);
}

int Tform_main::FindPrivateWindow(const std::string& chat_id) {
    return registry_->FindPrivateWindow(chat_id);
}

int Tform_main::OpenPrivateWindow(const std::string& chat_id, const std::string& alias,
                                  const std::string& age, const std::string& sex,
                                  const std::string& town, const std::string& first_body,
                                  bool own) {
    return registry_->OpenPrivateWindow(chat_id, alias, age, sex, town, first_body, own);
}

void Tform_main::OpenStandardWindows() {
    registry_->OpenStandardWindows();
}

// The statistics follow the room window, which goes with the others.
void Tform_main::CloseAllWindows() {
    if (form_stats) form_stats->close();
    registry_->CloseAllWindows();
}

void Tform_main::CreateDebugWindow() {
    registry_->CreateDebugWindow();
}

void Tform_main::ShowPrivateWindow(int slot) {
    registry_->ShowPrivateWindow(slot);
}

void Tform_main::ShowRoomWindow() {
    registry_->ShowRoomWindow();
}

void Tform_main::ClearRoomConversation() {
    if (Tform_salon* room = registry_->RoomWindow()) room->rich_salon->Clear();
}

std::vector<std::string> Tform_main::ListedRooms() {
    Tform_salons* room_list = registry_->RoomListWindow();
    return room_list ? room_list->RoomItems() : std::vector<std::string>{};
}

void Tform_main::NotifyFriendGone(const std::string& chat_id) {
    if (Tform_prive* window = registry_->PrivateWindow(registry_->FindPrivateWindow(chat_id))) {
        window->NotifyFriendGone();
    }
}

void Tform_main::ShowProfile(const std::string& alias) {
    registry_->ShowProfile(alias);
}

void Tform_main::ShowMailPage(const std::string& alias) {
    registry_->ShowMailPage(alias);
}

bool Tform_main::IsFriend(const std::string& alias) {
    Tform_amis* friends_window = registry_->FriendsWindow();
    return friends_window && friends_window->Friends().HasNickname(alias);
}

void Tform_main::ToggleIgnore(const std::string& chat_id) {
    ::ToggleIgnore(context_, chat_id);
}
