#pragma once

#include <string>
#include <vector>

#include "directory/standard_window.h"
#include "session/limited_text.h"

class QLabel;
class QLineEdit;
class QListWidget;

struct FriendRecord {
    LimitedText<32> account;
    LimitedText<32> nickname;
    // Empty until the first information record, "null" once the friend has left.
    LimitedText<20> chat_id;
    LimitedText<5> age;
    LimitedText<25> town;
    LimitedText<2> sex;
    LimitedText<80> status;
};

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

    const std::vector<FriendRecord>& Friends() const { return friends_; }
    bool HasNewText() const { return new_text_; }
    void SetNewText(bool flag) { new_text_ = flag; }

    QListWidget* list_amis;
    QLabel* lbl_etat;
    QLineEdit* text_etat;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void RebuildFriendsList();
    void SendStatus();

    std::vector<FriendRecord> friends_;
    bool new_text_ = false;
};
