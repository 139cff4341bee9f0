#include "conversation/form_salon.h"

#include <QLineEdit>
#include <QShowEvent>

#include "conversation/composition.h"
#include "conversation/composition_bar.h"
#include "conversation/conversation_view.h"
#include "conversation/member_list_view.h"
#include "conversation/message_paragraphs.h"
#include "program/chat_windows.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_rich_view.h"
#include "widgets/hint_window.h"

namespace {

constexpr int kRoomTab = 6;
// A message body starts with two digits of effect and two of colour.
constexpr std::size_t kCodePrefixLength = 4;

}  // namespace

Tform_salon::Tform_salon(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent),
      rich_salon(NewConversationView("rich_salon", context.state.Config, this)),
      composition(new CompositionBar(this)),
      text_envoi(composition->text_envoi),
      btn_envoyer(composition->btn_envoyer),
      list_model_(new MemberListModel(this)),
      hint_(new HintWindow(this)) {
    setObjectName("form_salon");
    BuildLayout();
    BuildPopup();
    ConnectControls();
    SetSortMode('S');
    ShowPlayState();
    RebuildMemberList();
}

Tform_salon::~Tform_salon() = default;

void Tform_salon::SetSoundPlayer(SoundPlayer player) {
    play_sound_ = std::move(player);
}

void Tform_salon::SetLineSender(LineSender send) {
    send_line_ = std::move(send);
}

void Tform_salon::SendLine(const std::string& line) {
    if (send_line_) {
        send_line_(line);
    } else {
        context_.session.SendLine(line);
    }
}

void Tform_salon::EnterRoom(const std::string& display_name) {
    setWindowTitle(FromAnsi(display_name));
    context_.state.RoomCounts.room = display_name;
    members_.Clear();
    RebuildMemberList();
    rich_salon->Clear();
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
    for (const HeldText& text : context_.state.HeldTexts.TakeAll())
        AppendRoomText(text.chat_id, text.alias, text.body);
}

void Tform_salon::showEvent(QShowEvent* event) {
    StandardWindow::showEvent(event);
    if (defaults_applied_) return;
    defaults_applied_ = true;
    composition->ApplyDefaults(context_.state.Config);
    ApplySettings();
}

void Tform_salon::ApplySettings() {
    composition->ApplyFont(context_.state.Config);
    rich_salon->SetScrollback(context_.state.Config.MaxMessages);
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
    for (const std::string& line : result.lines) SendLine(line);
}

void Tform_salon::rich_salonJump(const QString& link_text, Qt::KeyboardModifiers modifiers) {
    if (LinkNickname(ToAnsi(link_text)) == context_.session.Alias.str()) return;
    const QString reply = link_text + QLatin1Char(' ');
    text_envoi->setText(modifiers & Qt::ControlModifier ? reply + text_envoi->text() : reply);
    text_envoi->setFocus();
    text_envoi->end(false);
}
