#pragma once

#include <optional>
#include <string>
#include <vector>

#include "conversation/member_table.h"
#include "program/line_sender.h"
#include "program/notification_sound.h"
#include "program/standard_window.h"

class BabiRichView;
class CompositionBar;
class HintWindow;
class MemberListModel;
class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QToolButton;

// The window of the room the user is in (tab 6): the conversation, the member list with its
// counts and actions, and the composition bar.
class Tform_salon : public StandardWindow {
    Q_OBJECT
  public:
    explicit Tform_salon(WindowContext& context, QWidget* parent = nullptr);
    ~Tform_salon() override;

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
    // Lists the table anew, shows the counts and, when the room holds more members than one
    // answer of the server carries, asks it for the rest ("85").
    void RebuildMemberList();

    // "70": a message said in the room; body carries its 4-digit effect/colour prefix.
    void AppendRoomText(const std::string& chat_id, const std::string& alias,
                        const std::string& body);
    // Shows, in arrival order, the texts held while waiting for the member list, and
    // forgets them.
    void ShowHeldTexts();

    // Takes the settings again: the input font and the scrollback. Done on first show, after
    // the boxes took their defaults, and again when the configuration dialog stored new
    // values; the boxes then keep the user's current choice.
    void ApplySettings();

    // Set when a message mentions the user while the room's tab is not selected.
    bool HasNewText() const { return new_text_; }
    void SetNewText(bool flag) { new_text_ = flag; }
    void SetSoundPlayer(SoundPlayer player);
    // Where the window's own lines go; the session by default.
    void SetLineSender(LineSender send);

    BabiRichView* rich_salon;
    QListView* list_membres;
    QLabel* panel_header_membres;
    CompositionBar* composition;
    // The composition bar's input line and send button.
    QLineEdit* text_envoi;
    QPushButton* btn_envoyer;

    QPushButton* btn_pv;
    QPushButton* btn_mail;
    QPushButton* btn_profil;
    QPushButton* btn_ignorer;
    QToolButton* btn_tri_sexe;
    QToolButton* btn_tri_nom;
    QToolButton* btn_tri_age;
    QToolButton* btn_play;
    QToolButton* FlatButton1;
    QToolButton* FlatButton2;
    QToolButton* FlatButton3;
    QToolButton* FlatButton4;
    QToolButton* FlatButton6;
    QMenu* popup;

  signals:
    // The member list and the room counts were built anew.
    void MembersRebuilt();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    void ConnectControls();
    void BuildPopup();
    void SendLine(const std::string& line);

    void btn_envoyerClick();
    // A click on a nickname starts a reply to it; with Control held, adds it to the reply.
    void rich_salonJump(const QString& link_text, Qt::KeyboardModifiers modifiers);
    void rich_salonRVMouseMove(const QString& tag, const QPoint& global_pos);

    // The member of the selected entry; none when no entry is selected.
    std::optional<MemberRecord> SelectedMember() const;
    std::optional<MemberRecord> PopupMember() const;
    // The actions on a member, from the buttons, a double click and the context menu.
    void OpenPrivate(const MemberRecord& member);
    void ShowMail(const MemberRecord& member);
    void ShowProfile(const MemberRecord& member);
    void ToggleIgnore(const MemberRecord& member);
    // The input line becomes "nickname> ", before its text for TalkToAlso.
    void TalkToAlone(const MemberRecord& member);
    void TalkToAlso(const MemberRecord& member);
    void SetSortMode(char mode);
    void ShowPlayState();

    MemberTable members_;
    MemberListModel* list_model_;
    HintWindow* hint_;
    // The entry under the last right click, for the context menu.
    int popup_index_ = -1;
    bool new_text_ = false;
    bool defaults_applied_ = false;
    SoundPlayer play_sound_;
    LineSender send_line_;
};
