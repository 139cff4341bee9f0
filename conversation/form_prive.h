#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "program/notification_sound.h"
#include "program/window_context.h"
#include "session/limited_text.h"

class BabiRichView;
class CompositionBar;
class HintWindow;
class PartnerPanel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QToolButton;

// One private conversation with a partner: the conversation view with its tool buttons, the
// partner panel at the right and the composition bar at the bottom.
class Tform_prive : public QWidget {
    Q_OBJECT
  public:
    explicit Tform_prive(WindowContext& context, QWidget* parent = nullptr);

    // Stores the partner (cut to 20, 35, 5, 1, 25 characters); caption := alias.
    void SetPartner(const std::string& chat_id, const std::string& alias, const std::string& age,
                    const std::string& sex, const std::string& town);
    const std::string& ChatId() const { return chat_id_; }
    const std::string& Alias() const { return alias_; }
    const std::string& Age() const { return age_; }
    const std::string& Sex() const { return sex_; }
    const std::string& Town() const { return town_; }

    // Slot in the main window's PrivateWindows, and tab index in the tab strip.
    int SlotIndex() const { return slot_index_; }
    void SetSlotIndex(int index) { slot_index_ = index; }
    int TabIndex() const { return tab_index_; }
    void SetTabIndex(int index) { tab_index_ = index; }

    bool HasNewText() const { return new_text_; }
    void SetNewText(bool flag) { new_text_ = flag; }
    void SetSoundPlayer(SoundPlayer player);

    // own: the user's own message as echoed by the server. A partner's remote macro call is
    // answered before the message is shown; the answering machine replies after it.
    void AppendPrivateText(const std::string& body, bool own);
    void NotifyBusy();
    void NotifyRefused(const std::string& alias);
    void NotifyGone();
    void NotifyFriendGone();
    void NotifyIgnored();

    // Takes the settings again: the input font and the scrollback. Done on first show, after
    // the boxes took their defaults, and again when the configuration dialog stored new
    // values; the boxes then keep the user's current choice.
    void ApplySettings();

    // The active MDI child inside the main window, the active window when on its own.
    bool IsActiveConversation() const;
    HintWindow* Hint() const { return hint_; }

    BabiRichView* rich_prive;
    CompositionBar* composition;
    PartnerPanel* partner;
    // The composition bar's input line and send button.
    QLineEdit* text_envoi;
    QPushButton* btn_envoyer;
    QToolButton* btn_play;
    QToolButton* btn_close;

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QToolButton* NewToolButton(const char* name, const QString& caption);
    QWidget* BuildToolBar();
    void AddNotice(const std::string& text);
    void AnswerRemoteMacro(const std::string& body);
    void AnswerMachineReply(const std::string& body);
    void SendLines(const std::vector<std::string>& lines);
    void FollowSubWindow();
    void Activated();

    void btn_envoyerClick();
    void btn_playClick();
    void btn_closeClick();
    void rich_priveRVMouseMove(const QString& tag, const QPoint& global_pos);

    WindowContext& context_;
    HintWindow* hint_;
    QPointer<QMdiSubWindow> sub_window_;
    LimitedText<20> chat_id_;
    LimitedText<35> alias_;
    LimitedText<5> age_;
    LimitedText<1> sex_;
    LimitedText<25> town_;
    int slot_index_ = -1;
    int tab_index_ = -1;
    bool new_text_ = false;
    bool defaults_applied_ = false;
    SoundPlayer play_sound_;
};
