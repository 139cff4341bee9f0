#pragma once

#include <string>
#include <vector>

class Tform_salon;
class Tform_prive;
class Tform_salons;
class Tform_connectes;
class Tform_infos;
class Tform_amis;
class Tform_debug;

// The status bar's panels, left to right, named by their captions; the number is the panel's
// place (its object name is "StatusPanel" + number).
enum class StatusPanel { Alias = 0, Age = 1, Sexe = 2, Ville = 3, Status = 4, Salon = 5 };

// What the inbound dispatcher and the windows need of the main window: the window registry,
// the tab strip, the status bar and the actions on a member. Tform_main implements it; every
// window getter returns nullptr while that window does not exist.
class ChatWindows {
  public:
    virtual ~ChatWindows() = default;

    virtual Tform_debug* DebugWindow() = 0;
    virtual Tform_salons* RoomListWindow() = 0;
    virtual Tform_connectes* SearchWindow() = 0;
    virtual Tform_infos* InfoWindow() = 0;
    virtual Tform_amis* FriendsWindow() = 0;
    virtual Tform_salon* RoomWindow() = 0;
    // The window in that slot of PrivateWindows, nullptr for an empty slot or a bad index.
    virtual Tform_prive* PrivateWindow(int index) = 0;

    virtual int FindPrivateWindow(const std::string& chat_id) = 0;
    virtual int OpenPrivateWindow(const std::string& chat_id, const std::string& alias,
                                  const std::string& age, const std::string& sex,
                                  const std::string& town, const std::string& first_body,
                                  bool own) = 0;
    virtual void OpenStandardWindows() = 0;
    // Flips the chat id in the ignore list, tells the server and updates the room's member.
    virtual void ToggleIgnore(const std::string& chat_id) = 0;
    // Selects the tab of the private window in that slot and brings the window forward.
    virtual void ShowPrivateWindow(int slot) = 0;
    // Once a join is sent: selects the room window's tab without the handler of a tab change
    // (the room keeps its activity mark) and brings the room window forward.
    virtual void ShowRoomWindow() = 0;
    // Empties the room window's conversation, when there is a room window.
    virtual void ClearRoomConversation() = 0;
    // The items of the room list (Windows-1252), in list order; none without the window.
    virtual std::vector<std::string> ListedRooms() = 0;
    // Tells the private window of that chat id, when one is open, that its friend left.
    virtual void NotifyFriendGone(const std::string& chat_id) = 0;
    // Whether the alias is one of the friends list's (exact comparison).
    virtual bool IsFriend(const std::string& alias) = 0;
    // The statistics window of the current room, following its member list; nothing while
    // there is no room window.
    virtual void ShowStatistics() = 0;
    // The configuration dialog on one of its pages (Tform_config's page numbers).
    virtual void OpenConfiguration(int page) = 0;
    // The service's profile and mail pages of a nickname, in browser pages.
    virtual void ShowProfile(const std::string& alias) = 0;
    virtual void ShowMailPage(const std::string& alias) = 0;
    virtual void CloseAllWindows() = 0;
    // Creates the debug window in normal state and adds it to the tab strip with icon 2.
    virtual void CreateDebugWindow() = 0;

    // A status bar panel and the room tab's caption (tab 6). Texts are Windows-1252.
    virtual void SetStatusPanel(StatusPanel panel, const std::string& text) = 0;
    virtual void SetRoomTabCaption(const std::string& caption) = 0;
    // The index of the selected tab of the tab strip, -1 when none.
    virtual int SelectedTab() const = 0;
    // Repaints the tab strip after a window changed its new-text flag.
    virtual void RepaintTabs() = 0;
};
