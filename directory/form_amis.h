#pragma once

#include <optional>
#include <string>
#include <vector>

#include "directory/friend_list.h"
#include "directory/popup_target.h"
#include "program/notification_sound.h"
#include "program/standard_window.h"

class BabiListBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// The friends list: friends as the server reports them, and the user's own status text.
class Tform_amis : public StandardWindow {
    Q_OBJECT
  public:
    explicit Tform_amis(WindowContext& context, QWidget* parent = nullptr);

    // "330": entries "nickname:...0account" from P1 on; reset empties the list first.
    void AddFriends(const std::vector<std::string>& fields, bool reset);
    // "332" with P0 "0"/"-1": records of seven fields from P1 on.
    void UpdateFriendInfo(const std::vector<std::string>& fields);
    // "332" with P0 "1": nicknames at P1, P3, ... of friends who left.
    void MarkFriendsGone(const std::vector<std::string>& fields);

    void SetStatusLabel(const std::string& text);
    std::string StatusInput() const;
    void SetStatusInput(const std::string& text);

    const FriendList& Friends() const { return friends_; }
    bool HasNewText() const { return new_text_; }
    void SetNewText(bool flag) { new_text_ = flag; }
    void SetSoundPlayer(SoundPlayer player);

    BabiListBox* list_amis;
    QLabel* lbl_etat;
    QLineEdit* text_etat;
    QPushButton* btn_pv;
    QPushButton* btn_ignorer;
    QPushButton* btn_profil;
    QPushButton* btn_mail;
    QMenu* popup;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildContactPane();
    void BuildPopup();
    void RebuildFriendsList();
    void SignalFriendsNews();
    void SendStatus();

    std::optional<FriendRecord> SelectedFriend() const;
    std::optional<FriendRecord> PopupFriend() const;
    void OpenPrivate(const FriendRecord& record);
    void ToggleIgnore(const FriendRecord& record);

    FriendList friends_;
    // The friend under the last right click, for the context menu.
    PopupTarget popup_target_;
    bool new_text_ = false;
    SoundPlayer play_sound_;
};
