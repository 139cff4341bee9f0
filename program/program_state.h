#pragma once

#include <string>
#include <vector>

#include "config/identity_record.h"
#include "config/macro_store.h"
#include "config/settings.h"
#include "session/limited_text.h"

// A room text that arrived before the room's member list: shown once the list is there.
struct HeldText {
    LimitedText<32> alias;
    LimitedText<20> chat_id;
    std::string body;
};

// The private message that waits for the "82" answer about its sender.
struct PendingPrivateMessage {
    LimitedText<32> alias;
    LimitedText<20> chat_id;
    std::string body;
    bool own = false;
};

// Program-wide state that ties lines and windows together. One object, owned by the
// application and handed to the windows and the dispatcher that need it.
struct ProgramState {
    TConfig Config;
    IdentityRecord LastIdentity;
    // The user's own macros from macros.vek; the built-in ones are not in it.
    MacroTable Macros;

    std::string ForcedRoom;
    bool ForcedRoomHop = false;
    PendingPrivateMessage PendingPrivate;
    // Chat ids the user ignores; a removed one leaves a blank slot.
    std::vector<std::string> IgnoreList;
    std::string LastIgnoreTarget;

    // The room window's waiting-for-members flag and the texts held meanwhile.
    bool WaitingForMembers = false;
    std::vector<HeldText> HeldTexts;

    // Busy mode and the status saved when it was chosen.
    bool Busy = false;
    std::string SavedStatus;

    int LastSelectedIndex = -1;
    int TabRowCount = 1;
};
