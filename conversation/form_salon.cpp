#include "conversation/form_salon.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "conversation/message_html.h"
#include "directory/send_key.h"
#include "program/chat_windows.h"
#include "program/ignore_list.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "session/command_codes.h"
#include "widgets/ansi_text.h"

namespace {

constexpr int kRoomTab = 6;

}  // namespace

Tform_salon::Tform_salon(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent),
      rich_salon(new QTextBrowser(this)),
      list_membres(new QListWidget(this)),
      text_envoi(new QLineEdit(this)),
      btn_envoyer(new QPushButton(QStringLiteral("Envoyer"), this)) {
    setObjectName("form_salon");
    rich_salon->setObjectName("rich_salon");
    list_membres->setObjectName("list_membres");
    text_envoi->setObjectName("text_envoi");
    btn_envoyer->setObjectName("btn_envoyer");
    rich_salon->setOpenLinks(false);
    btn_envoyer->setAutoDefault(false);
    text_envoi->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(rich_salon, 3);
    top->addWidget(list_membres, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(text_envoi, 1);
    bottom->addWidget(btn_envoyer);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    connect(btn_envoyer, &QPushButton::clicked, this, &Tform_salon::btn_envoyerClick);
}

void Tform_salon::SetSoundPlayer(SoundPlayer player) {
    play_sound_ = std::move(player);
}

void Tform_salon::EnterRoom(const std::string& display_name) {
    setWindowTitle(FromAnsi(display_name));
    members_.Clear();
    list_membres->clear();
    rich_salon->clear();
}

void Tform_salon::SetMembers(const std::vector<std::string>& fields, bool clear) {
    if (clear) members_.Clear();
    members_.AddGroups(fields,
                       [this](const std::string& key) { return IsIgnored(context_.state, key); });
    RebuildMemberList();
}

void Tform_salon::RemoveMembers(const std::vector<std::string>& fields) {
    members_.Remove(fields);
    RebuildMemberList();
}

bool Tform_salon::UpdateMember(const std::string& chat_id, bool ignored, const std::string& alias,
                               const std::string& status_code, const std::string& age,
                               const std::string& sex, const std::string& town) {
    return members_.Update(chat_id, ignored, alias, status_code, age, sex, town);
}

MemberRecord Tform_salon::FindMember(const std::string& chat_id) const {
    return members_.Find(chat_id);
}

void Tform_salon::RebuildMemberList() {
    list_membres->clear();
    for (const MemberRecord& member : members_.Members()) {
        list_membres->addItem(FromAnsi(MemberListText(member)));
    }
}

void Tform_salon::AppendRoomText(const std::string& chat_id, const std::string& alias,
                                 const std::string& body) {
    if (body.size() < kCodePrefixLength) return;
    const std::string& own = context_.session.Alias.str();
    const bool mention = !own.empty() && (body.find(own, kCodePrefixLength) != std::string::npos ||
                                          alias.find(own) != std::string::npos);
    const MemberRecord sender = members_.Find(chat_id);
    rich_salon->append(MessageHtml(alias, sender.sex.str(), body, mention));
    if (mention) {
        RaiseActivityAlert(context_, context_.windows.SelectedTab() == kRoomTab, new_text_,
                           play_sound_);
    }
}

void Tform_salon::ShowHeldTexts() {
    std::vector<HeldText> held = std::move(context_.state.HeldTexts);
    context_.state.HeldTexts.clear();
    for (const HeldText& text : held) AppendRoomText(text.chat_id, text.alias, text.body);
}

bool Tform_salon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_envoi && IsSendKey(event)) {
        btn_envoyerClick();
        return true;
    }
    return StandardWindow::eventFilter(watched, event);
}

void Tform_salon::btn_envoyerClick() {
    const std::string text = ToAnsi(text_envoi->text());
    if (text.empty()) return;
    text_envoi->clear();
    context_.session.SendLine(RoomTextLine(kPlainSpeech + text));
}
