#pragma once

#include <string>
#include <vector>

#include "conversation/member_table.h"
#include "directory/notification_sound.h"
#include "directory/standard_window.h"

class BabiRichView;
class CompositionBar;
class QLineEdit;
class QListWidget;
class QPushButton;

// The window of the room the user is in (tab 6).
class Tform_salon : public StandardWindow {
    Q_OBJECT
  public:
    explicit Tform_salon(WindowContext& context, QWidget* parent = nullptr);

    // Caption := room name; empties the member list and the conversation view.
    void EnterRoom(const std::string& display_name);

    // "85" with P0 "-1" (clear) or "0".
    void SetMembers(const std::vector<std::string>& fields, bool clear);
    // "85" with P0 "1".
    void RemoveMembers(const std::vector<std::string>& fields);
    bool UpdateMember(const std::string& chat_id, bool ignored, const std::string& alias,
                      const std::string& status_code, const std::string& age,
                      const std::string& sex, const std::string& town);
    MemberRecord FindMember(const std::string& chat_id) const;
    void RebuildMemberList();

    // "70": a message said in the room; body carries its 4-digit effect/colour prefix.
    void AppendRoomText(const std::string& chat_id, const std::string& alias,
                        const std::string& body);
    // Shows, in arrival order, the texts held while waiting for the member list, and
    // forgets them.
    void ShowHeldTexts();

    // Set when a message mentions the user while the room's tab is not selected.
    bool HasNewText() const { return new_text_; }
    void SetNewText(bool flag) { new_text_ = flag; }
    void SetSoundPlayer(SoundPlayer player);

    BabiRichView* rich_salon;
    QListWidget* list_membres;
    CompositionBar* composition;
    // The composition bar's input line and send button.
    QLineEdit* text_envoi;
    QPushButton* btn_envoyer;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void btn_envoyerClick();
    // A click on a nickname starts a reply to it; with Control held, adds it to the reply.
    void rich_salonJump(const QString& link_text, Qt::KeyboardModifiers modifiers);

    MemberTable members_;
    bool new_text_ = false;
    bool defaults_applied_ = false;
    SoundPlayer play_sound_;
};
