#include "conversation/form_prive.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "config/form_config.h"
#include "conversation/active_conversation.h"
#include "conversation/answering_machine.h"
#include "conversation/composition.h"
#include "conversation/composition_bar.h"
#include "conversation/conversation_output.h"
#include "conversation/conversation_view.h"
#include "conversation/macros.h"
#include "conversation/message_paragraphs.h"
#include "conversation/partner_panel.h"
#include "program/chat_windows.h"
#include "program/private_mode.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "widgets/ansi_text.h"
#include "widgets/babi_rich_view.h"
#include "widgets/hint_window.h"
#include "widgets/windows_colour.h"

namespace {

// The tint of the partner's details over a nickname, by the colour word of its tag.
QColor HintTint(const QString& colour_word) {
    if (colour_word == QLatin1String("rose")) return FromWindowsColour(0xC0C0FF);
    if (colour_word == QLatin1String("bleu")) return FromWindowsColour(0xFFC000);
    return FromWindowsColour(0xC0FFFF);
}

// An automatic answer too long for one line is not sent; the debug console says so.
std::string UnsentAnswerTrace(const std::string& alias, std::size_t length) {
    return ToAnsi(
        QString::fromUtf8("Réponse à la macro demandée par %1 non envoyée : %2 "
                          "caractères pour %3 au plus")
            .arg(FromAnsi(alias), QString::number(length), QString::number(kMaxPhraseLength)));
}

}  // namespace

Tform_prive::Tform_prive(WindowContext& context, QWidget* parent)
    : QWidget(parent),
      rich_prive(NewConversationView("rich_prive", context.state.Config, this)),
      composition(new CompositionBar(this)),
      partner(new PartnerPanel(this)),
      text_envoi(composition->text_envoi),
      btn_envoyer(composition->btn_envoyer),
      btn_play(nullptr),
      btn_close(nullptr),
      context_(context),
      hint_(new HintWindow(this)) {
    setObjectName("form_prive");

    auto* conversation = new QVBoxLayout;
    conversation->setSpacing(2);
    conversation->addWidget(BuildToolBar());
    conversation->addWidget(rich_prive, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(conversation, 1);
    top->addWidget(partner);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top, 1);
    layout->addWidget(composition);
    setFocusProxy(text_envoi);

    connect(composition, &CompositionBar::SendRequested, this, &Tform_prive::btn_envoyerClick);
    connect(partner->btn_profil, &QPushButton::clicked, this,
            [this] { context_.windows.ShowProfile(alias_); });
    connect(partner->btn_mail, &QPushButton::clicked, this,
            [this] { context_.windows.ShowMailPage(alias_); });
    connect(partner->btn_ignorer, &QPushButton::clicked, this,
            [this] { context_.windows.ToggleIgnore(chat_id_); });
    connect(partner->FlatButton5, &QPushButton::clicked, this, &Tform_prive::btn_closeClick);
    connect(rich_prive, &BabiRichView::HotLinkHovered, this,
            [this](const QString&, const QString& tag, const QPoint& global_pos) {
                rich_priveRVMouseMove(tag, global_pos);
            });
    connect(rich_prive, &BabiRichView::HotLinkLeft, hint_, &QWidget::hide);
}

QToolButton* Tform_prive::NewToolButton(const char* name, const QString& caption) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(caption);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QWidget* Tform_prive::BuildToolBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName("barre_outils");
    btn_play = NewToolButton("btn_play", QStringLiteral("Pause / Lecture"));
    btn_play->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    btn_close = NewToolButton("btn_close", QString::fromUtf8("Fermer la fenêtre"));
    btn_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    QToolButton* print = NewToolButton("FlatButton2", QStringLiteral("Imprimer"));
    QToolButton* save = NewToolButton("FlatButton3", QStringLiteral("Exporter"));
    QToolButton* macros =
        NewToolButton("FlatButton4", QString::fromUtf8("Insérer Macro / EasyPhrase"));
    QToolButton* smiley = NewToolButton("FlatButton1", QString::fromUtf8("Insérer un smiley"));
    smiley->setEnabled(false);

    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (QToolButton* button : {btn_play, print, save, macros, smiley}) layout->addWidget(button);
    layout->addStretch(1);
    layout->addWidget(btn_close);

    connect(btn_play, &QToolButton::clicked, this, &Tform_prive::btn_playClick);
    connect(btn_close, &QToolButton::clicked, this, &Tform_prive::btn_closeClick);
    ConnectPrintButton(print, *rich_prive, ConversationKind::Private, this);
    connect(save, &QToolButton::clicked, this,
            [this] { ExportConversationView(*rich_prive, windowTitle(), this); });
    connect(macros, &QToolButton::clicked, this,
            [this] { context_.windows.OpenConfiguration(Tform_config::kPageEasyPhrases); });
    return bar;
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
    partner->SetPartner(alias_, age_, sex_, town_);
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
    RaiseActivityAlert(context_, IsActiveConversation(), new_text_, play_sound_);
    AnswerMachineReply(body);
}

void Tform_prive::AnswerRemoteMacro(const std::string& body) {
    const std::optional<std::string> answer = RemoteMacroAnswer(context_.state.Macros, body, false);
    if (!answer) return;
    const std::optional<std::string> line = MacroAnswerLine(*answer, chat_id_.str());
    if (!line) {
        context_.session.Debug(UnsentAnswerTrace(alias_, answer->size()), DebugCategory::Warning);
        return;
    }
    context_.session.SendLine(*line);
}

void Tform_prive::AnswerMachineReply(const std::string& body) {
    const TConfig& config = context_.state.Config;
    if (config.PrivateMode != kModeAnsweringMachine) return;
    // Two answering machines would otherwise answer each other for ever.
    if (IsAnsweringMachineReply(body)) return;
    const std::optional<std::string> message =
        AnsweringMachineMessage(config, alias_, context_.windows.IsFriend(alias_));
    if (message) context_.session.SendLine(AnsweringMachineLine(chat_id_, *message));
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
    AddNotice("\rVotre ami(e) " + alias_.str() + " n'est plus connect\xE9(e)");
}

void Tform_prive::NotifyIgnored() {
    AddNotice(alias_.str() + " vous a ignor\xE9");
}

bool Tform_prive::IsActiveConversation() const {
    return ::IsActiveConversation(*this);
}

void Tform_prive::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (defaults_applied_) return;
    defaults_applied_ = true;
    composition->ApplyDefaults(context_.state.Config);
    ApplySettings();
}

void Tform_prive::ApplySettings() {
    composition->ApplyFont(context_.state.Config);
    rich_prive->SetScrollback(context_.state.Config.MaxMessages);
}

bool Tform_prive::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange) FollowSubWindow();
    if (event->type() == QEvent::WindowActivate && isWindow()) Activated();
    return QWidget::event(event);
}

// Inside the main window the MDI child, not this widget, is what becomes active.
void Tform_prive::FollowSubWindow() {
    auto* window = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (window == sub_window_) return;
    if (sub_window_) disconnect(sub_window_, nullptr, this, nullptr);
    sub_window_ = window;
    if (!window) return;
    connect(window, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates old_state, Qt::WindowStates new_state) {
                if (new_state.testFlag(Qt::WindowActive) && !old_state.testFlag(Qt::WindowActive)) {
                    Activated();
                }
            });
}

void Tform_prive::Activated() {
    text_envoi->setFocus();
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

void Tform_prive::btn_playClick() {
    const bool on = !rich_prive->AutoScroll();
    rich_prive->SetAutoScroll(on);
    btn_play->setIcon(style()->standardIcon(on ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

// The main window's registry empties the slot and drops the tab when the window goes.
void Tform_prive::btn_closeClick() {
    if (sub_window_) {
        sub_window_->close();
    } else {
        close();
    }
}

void Tform_prive::rich_priveRVMouseMove(const QString& tag, const QPoint& global_pos) {
    hint_->hide();
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) return;
    if (context_.windows.PrivateWindow(slot_index_) != this || !IsActiveConversation()) return;
    const qsizetype hash = tag.indexOf(QLatin1Char('#'));
    if (hash < 0) return;
    hint_->ShowHint(tag.mid(hash + 1), HintTint(tag.left(hash)), global_pos);
}
