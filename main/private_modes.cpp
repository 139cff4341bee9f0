#include "main/private_modes.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>

#include "config/dialog_rules.h"
#include "config/form_config.h"
#include "main/idle_watch.h"
#include "main/private_mode_rules.h"
#include "program/chat_windows.h"
#include "program/private_mode.h"
#include "program/program_state.h"
#include "session/babillon.h"
#include "widgets/ansi_text.h"

namespace {

constexpr std::uint8_t kChatState = 5;
// The status keeps 80 characters, "occupé(e) " takes 10 of them.
constexpr int kReasonLength = 70;

}  // namespace

PrivateModes::PrivateModes(WindowContext& context, QWidget* parent)
    : context_(context), parent_(parent), idle_watch_(std::make_unique<IdleWatch>()) {
    idle_watch_->Delay = [this] {
        const int minutes = context_.state.Config.TimeOccupe;
        if (!AutomaticBusyOn(minutes)) return std::chrono::milliseconds(0);
        return std::chrono::milliseconds(static_cast<long long>(minutes) * auto_busy_minute_ms_);
    };
    idle_watch_->OnIdle = [this] { UserIdle(); };
    idle_watch_->OnBack = [this] { UserBack(); };
    idle_watch_->Restart();
}

PrivateModes::~PrivateModes() = default;

void PrivateModes::FillMenu(QMenu* menu) {
    auto* modes = new QActionGroup(menu);
    modes->setExclusive(true);
    struct ModeItem {
        const char* name;
        const char* caption;
        void (PrivateModes::*handler)();
    };
    const std::array<ModeItem, 4> items = {{
        {"FonctionnementNormal1", "Fonctionnement Normal",
         &PrivateModes::FonctionnementNormal1Click},
        {"Pasdenouveaupriv1", "Pas de nouveau privé", &PrivateModes::Pasdenouveaupriv1Click},
        {"Occupe1", "Occupé(e) ...", &PrivateModes::Occupe1Click},
        {"Repondeur1", "Répondeur", &PrivateModes::Repondeur1Click},
    }};
    for (std::size_t mode = 0; mode < items.size(); ++mode) {
        QAction* action = menu->addAction(items[mode].caption);
        action->setObjectName(items[mode].name);
        action->setCheckable(true);
        modes->addAction(action);
        const auto handler = items[mode].handler;
        QObject::connect(action, &QAction::triggered, action, [this, handler] { (this->*handler)(); });
        items_[mode] = action;
    }
    items_[kModeNormal]->setChecked(true);
    menu->addSeparator();
    QAction* configuration = menu->addAction("Configuration du répondeur ...");
    configuration->setObjectName("Configurationdurpondeur1");
    QObject::connect(configuration, &QAction::triggered, configuration,
                     [this] { Configurationdurpondeur1Click(); });
}

void PrivateModes::FonctionnementNormal1Click() {
    Choose(kModeNormal);
}

void PrivateModes::Pasdenouveaupriv1Click() {
    Choose(kModeNoNewPrivate);
}

// Busy from the moment it is chosen: while the reason is asked, the answering machine is
// already off.
void PrivateModes::Occupe1Click() {
    const int from = context_.state.Config.PrivateMode;
    if (!Enter(kModeBusy)) return;
    const std::string reason = AskBusyReason();
    Tell(from, kModeBusy, reason);
}

void PrivateModes::Repondeur1Click() {
    Choose(kModeAnsweringMachine);
}

void PrivateModes::Configurationdurpondeur1Click() {
    context_.windows.OpenConfiguration(Tform_config::kPageRepondeur);
}

bool PrivateModes::Enter(int mode) {
    if (mode < 0 || mode >= static_cast<int>(items_.size())) return false;
    items_[static_cast<std::size_t>(mode)]->setChecked(true);
    if (context_.state.Config.PrivateMode == mode) return false;
    auto_busy_from_ = -1;
    context_.state.Config.PrivateMode = mode;
    context_.state.Busy = mode == kModeBusy;
    return true;
}

void PrivateModes::Tell(int from, int to, const std::string& reason) {
    TBabillon& session = context_.session;
    const ModeChange change =
        PrivateModeChange(from, to, session.Status.str(), context_.state.SavedStatus, reason);
    context_.state.SavedStatus = change.saved_status;
    for (const std::string& line : change.lines) session.SendLine(line);
}

void PrivateModes::Choose(int mode, bool send) {
    const int from = context_.state.Config.PrivateMode;
    if (Enter(mode) && send) Tell(from, mode, {});
}

std::string PrivateModes::AskBusyReason() {
    QInputDialog box(parent_);
    box.setObjectName("InputBox_Raison");
    box.setWindowTitle(QString::fromUtf8("Spécifier la raison"));
    box.setLabelText(QStringLiteral("Raison (laisser vide si aucune)"));
    box.setTextValue(QString());
    if (auto* edit = box.findChild<QLineEdit*>()) edit->setMaxLength(kReasonLength);
    if (box.exec() != QDialog::Accepted) return {};
    return ToAnsi(box.textValue());
}

void PrivateModes::RestartIdleWatch() {
    idle_watch_->Restart();
}

void PrivateModes::SetAutoBusyMinute(int milliseconds) {
    auto_busy_minute_ms_ = milliseconds;
    idle_watch_->Restart();
}

// Busy as the menu item with an empty reason would make it, unless the user already is.
void PrivateModes::UserIdle() {
    const int mode = context_.state.Config.PrivateMode;
    if (mode == kModeBusy) return;
    const TBabillon& session = context_.session;
    if (session.VekState != kChatState || !session.Connected()) return;
    Choose(kModeBusy);
    auto_busy_from_ = mode;
}

// Back to the mode the automatic busy mode left, as its item would. Without a connection the
// server has forgotten the mode anyway: only our side goes back.
void PrivateModes::UserBack() {
    const int from = auto_busy_from_;
    if (from < 0 || context_.state.Config.PrivateMode != kModeBusy) return;
    const TBabillon& session = context_.session;
    const bool connected = session.VekState == kChatState && session.Connected();
    Choose(from, connected);
}
