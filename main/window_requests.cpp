// What the directory windows ask of the other windows, through the main window.
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "directory/form_salons.h"
#include "main/form_main.h"
#include "widgets/babi_rich_view.h"

void Tform_main::ClearRoomConversation() {
    if (form_salon) form_salon->rich_salon->Clear();
}

std::vector<std::string> Tform_main::ListedRooms() {
    return form_salons ? form_salons->RoomItems() : std::vector<std::string>{};
}

void Tform_main::NotifyFriendGone(const std::string& chat_id) {
    if (Tform_prive* window = PrivateWindow(FindPrivateWindow(chat_id))) {
        window->NotifyFriendGone();
    }
}
