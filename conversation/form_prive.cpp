#include "conversation/form_prive.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "conversation/message_html.h"
#include "directory/send_key.h"
#include "program/chat_windows.h"
#include "session/babillon.h"
#include "session/command_codes.h"
#include "widgets/ansi_text.h"

Tform_prive::Tform_prive(WindowContext& context, QWidget* parent)
    : QWidget(parent),
      rich_prive(new QTextBrowser(this)),
      text_envoi(new QLineEdit(this)),
      btn_envoyer(new QPushButton(QStringLiteral("Envoyer"), this)),
      context_(context) {
    setObjectName("form_prive");
    rich_prive->setObjectName("rich_prive");
    text_envoi->setObjectName("text_envoi");
    btn_envoyer->setObjectName("btn_envoyer");
    rich_prive->setOpenLinks(false);
    btn_envoyer->setAutoDefault(false);
    text_envoi->installEventFilter(this);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(text_envoi, 1);
    bottom->addWidget(btn_envoyer);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(rich_prive, 1);
    layout->addLayout(bottom);

    connect(btn_envoyer, &QPushButton::clicked, this, &Tform_prive::btn_envoyerClick);
}

void Tform_prive::SetSoundPlayer(SoundPlayer player) {
    play_sound_ = std::move(player);
}

void Tform_prive::SetPartner(const std::string& chat_id, const std::string& alias,
                             const std::string& age, const std::string& sex,
                             const std::string& town) {
    chat_id_ = chat_id;
    alias_ = alias;
    age_ = age;
    sex_ = sex;
    town_ = town;
    setWindowTitle(FromAnsi(alias_));
}

void Tform_prive::AppendPrivateText(const std::string& body, bool own) {
    if (own) {
        const TBabillon& session = context_.session;
        rich_prive->append(
            MessageHtml(session.Alias, TBabillon::SexCodeDirect(session.Sexe), body, true));
        return;
    }
    rich_prive->append(MessageHtml(alias_, sex_, body, false));
    RaiseActivityAlert(context_, context_.windows.SelectedTab() == tab_index_, new_text_,
                       play_sound_);
}

void Tform_prive::AddNotice(const std::string& text) {
    rich_prive->append(NoticeHtml(text));
}

void Tform_prive::NotifyBusy() {
    AddNotice(alias_.str() + " est actuellement occupe(e)");
}

void Tform_prive::NotifyRefused(const std::string& alias) {
    AddNotice(alias + " n'acc\xE8pte pas les priv\xE9s");
}

void Tform_prive::NotifyGone() {
    AddNotice(alias_.str() + " n'est plus connect\xE9(e)");
}

void Tform_prive::NotifyFriendGone() {
    AddNotice("Votre ami(e) " + alias_.str() + " n'est plus connect\xE9(e)");
}

void Tform_prive::NotifyIgnored() {
    AddNotice(alias_.str() + " vous a ignor\xE9");
}

bool Tform_prive::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_envoi && IsSendKey(event)) {
        btn_envoyerClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Tform_prive::btn_envoyerClick() {
    const std::string text = ToAnsi(text_envoi->text());
    if (text.empty()) return;
    text_envoi->clear();
    context_.session.SendLine(PrivateTextLine(chat_id_.str(), kPlainSpeech + text));
}
