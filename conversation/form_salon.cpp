#include "conversation/form_salon.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "conversation/composition.h"
#include "conversation/composition_bar.h"
#include "conversation/conversation_view.h"
#include "conversation/message_paragraphs.h"
#include "program/chat_windows.h"
#include "program/ignore_list.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_rich_view.h"

namespace {

constexpr int kRoomTab = 6;
// A message body starts with two digits of effect and two of colour.
constexpr std::size_t kCodePrefixLength = 4;

}  // namespace

Tform_salon::Tform_salon(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent),
      rich_salon(NewConversationView("rich_salon", context.state.Config, this)),
      list_membres(new QListWidget(this)),
      composition(new CompositionBar(this)),
      text_envoi(composition->text_envoi),
      btn_envoyer(composition->btn_envoyer) {
    setObjectName("form_salon");
    list_membres->setObjectName("list_membres");

    auto* top = new QHBoxLayout;
    top->addWidget(rich_salon, 3);
    top->addWidget(list_membres, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top, 1);
    layout->addWidget(composition);

    connect(composition, &CompositionBar::SendRequested, this, &Tform_salon::btn_envoyerClick);
    connect(rich_salon, &BabiRichView::HotLinkClicked, this,
            [this](const QString& text, const QString&, Qt::KeyboardModifiers modifiers) {
                rich_salonJump(text, modifiers);
            });
}

void Tform_salon::SetSoundPlayer(SoundPlayer player) {
    play_sound_ = std::move(player);
}

void Tform_salon::EnterRoom(const std::string& display_name) {
    setWindowTitle(FromAnsi(display_name));
    members_.Clear();
    list_membres->clear();
    rich_salon->Clear();
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
    rich_salon->AppendParagraph(RoomMessageParagraph(members_.Find(chat_id), alias, body, mention));
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

void Tform_salon::showEvent(QShowEvent* event) {
    StandardWindow::showEvent(event);
    if (defaults_applied_) return;
    defaults_applied_ = true;
    composition->ApplyDefaults(context_.state.Config.DefColor, context_.state.Config.DefTaille);
}

void Tform_salon::btn_envoyerClick() {
    const SendResult result = RoomSendLines(ToAnsi(composition->Text()), composition->Codes(),
                                            context_.state.Config.LongPhraseCut);
    text_envoi->setFocus();
    if (result.keep_text) {
        if (!result.refusal.empty()) rich_salon->AppendParagraph(NoticeParagraph(result.refusal));
        return;
    }
    text_envoi->clear();
    for (const std::string& line : result.lines) context_.session.SendLine(line);
}

void Tform_salon::rich_salonJump(const QString& link_text, Qt::KeyboardModifiers modifiers) {
    if (LinkNickname(ToAnsi(link_text)) == context_.session.Alias.str()) return;
    const QString reply = link_text + QLatin1Char(' ');
    text_envoi->setText(modifiers & Qt::ControlModifier ? reply + text_envoi->text() : reply);
    text_envoi->setFocus();
    text_envoi->end(false);
}
