#include "conversation/form_prive.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "conversation/composition.h"
#include "conversation/composition_bar.h"
#include "conversation/conversation_view.h"
#include "conversation/macros.h"
#include "conversation/message_paragraphs.h"
#include "program/chat_windows.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_rich_view.h"

Tform_prive::Tform_prive(WindowContext& context, QWidget* parent)
    : QWidget(parent),
      rich_prive(NewConversationView("rich_prive", context.state.Config, this)),
      composition(new CompositionBar(this)),
      text_envoi(composition->text_envoi),
      btn_envoyer(composition->btn_envoyer),
      context_(context) {
    setObjectName("form_prive");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(rich_prive, 1);
    layout->addWidget(composition);

    connect(composition, &CompositionBar::SendRequested, this, &Tform_prive::btn_envoyerClick);
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
        const std::string sex = TBabillon::SexCodeDirect(session.Sexe);
        rich_prive->AppendParagraph(PrivateMessageParagraph(
            session.Alias, sex, PrivateLinkTag(session.Age, sex, session.Ville), body, true));
        return;
    }
    AnswerRemoteMacro(body);
    rich_prive->AppendParagraph(
        PrivateMessageParagraph(alias_, sex_, PrivateLinkTag(age_, sex_, town_), body, false));
    RaiseActivityAlert(context_, context_.windows.SelectedTab() == tab_index_, new_text_,
                       play_sound_);
}

void Tform_prive::AnswerRemoteMacro(const std::string& body) {
    const std::optional<std::string> answer = RemoteMacroAnswer(context_.state.Macros, body, false);
    if (!answer) return;
    SendLines(
        PrivateMacroLines(*answer, chat_id_.str(), context_.state.Config.LongPhraseCut).lines);
}

void Tform_prive::SendLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) context_.session.SendLine(line);
}

void Tform_prive::AddNotice(const std::string& text) {
    rich_prive->AppendParagraph(NoticeParagraph(text));
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

void Tform_prive::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (defaults_applied_) return;
    defaults_applied_ = true;
    composition->ApplyDefaults(context_.state.Config.DefColor, context_.state.Config.DefTaille);
}

void Tform_prive::btn_envoyerClick() {
    const MacroTable& macros = context_.state.Macros;
    const SendResult result =
        PrivateSendLines(ToAnsi(composition->Text()), chat_id_.str(), composition->Codes(),
                         context_.state.Config.LongPhraseCut,
                         [&macros](const std::string& name) { return ExpandMacro(macros, name); });
    if (result.keep_text) {
        if (!result.refusal.empty()) AddNotice(result.refusal);
        return;
    }
    text_envoi->clear();
    text_envoi->setFocus();
    SendLines(result.lines);
}
