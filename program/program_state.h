#pragma once

#include <string>
#include <vector>

#include "program/held_texts.h"
#include "session/limited_text.h"
#include "store/identity_record.h"
#include "store/macro_store.h"
#include "store/settings.h"

// The private message that waits for the "82" answer about its sender.
struct PendingPrivateMessage {
    LimitedText<32> alias;
    LimitedText<20> chat_id;
    std::string body;
    bool own = false;
};

// The current room and the numbers of its member list, for the statistics window.
struct RoomCounts {
    std::string room;
    int entries = 0;  // ignored members included
    int men = 0;
    int women = 0;
    int unknown = 0;
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
    HeldTextQueue HeldTexts;

    // Busy mode and the status saved when it was chosen.
    bool Busy = false;
    std::string SavedStatus;

    ::RoomCounts RoomCounts;
    // The member list's sort button: 'S' sex, 'N' name, 'A' age. The list keeps its order by
    // sex group then nickname whichever is chosen.
    char SortMode = 'S';

    // The entry that an owner-drawn list last drew selected.
    int LastSelectedIndex = -1;
    int TabRowCount = 1;
};
