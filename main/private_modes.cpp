#include <QAction>
#include <QInputDialog>
#include <QLineEdit>

#include "config/dialog_rules.h"
#include "config/form_config.h"
#include "main/form_main.h"
#include "main/idle_watch.h"
#include "main/private_mode_rules.h"
#include "program/private_mode.h"
#include "program/program_state.h"
#include "widgets/ansi_text.h"

namespace {

// The status keeps 80 characters, "occupé(e) " takes 10 of them.
constexpr int kReasonLength = 70;

}  // namespace

void Tform_main::FonctionnementNormal1Click() {
    ChoosePrivateMode(kModeNormal, {});
}

void Tform_main::Pasdenouveaupriv1Click() {
    ChoosePrivateMode(kModeNoNewPrivate, {});
}

void Tform_main::Occupe1Click() {
    if (state_.Config.PrivateMode == kModeBusy) return;
    ChoosePrivateMode(kModeBusy, AskBusyReason());
}

void Tform_main::Repondeur1Click() {
    ChoosePrivateMode(kModeAnsweringMachine, {});
}

void Tform_main::Configurationdurpondeur1Click() {
    OpenConfiguration(Tform_config::kPageRepondeur);
}

void Tform_main::ChoosePrivateMode(int mode, const std::string& reason, bool send) {
    const int from = state_.Config.PrivateMode;
    if (mode < 0 || mode >= static_cast<int>(PrivateModeItems.size())) return;
    PrivateModeItems[static_cast<std::size_t>(mode)]->setChecked(true);
    if (from == mode) return;
    auto_busy_from_ = -1;
    state_.Config.PrivateMode = mode;
    state_.Busy = mode == kModeBusy;
    if (!send) return;
    const ModeChange change =
        PrivateModeChange(from, mode, Babillon.Status.str(), state_.SavedStatus, reason);
    state_.SavedStatus = change.saved_status;
    for (const std::string& line : change.lines) Babillon.SendLine(line);
}

std::string Tform_main::AskBusyReason() {
    QInputDialog box(this);
    box.setObjectName("InputBox_Raison");
    box.setWindowTitle(QString::fromUtf8("Spécifier la raison"));
    box.setLabelText(QStringLiteral("Raison (laisser vide si aucune)"));
    box.setTextValue(QString());
    if (auto* edit = box.findChild<QLineEdit*>()) edit->setMaxLength(kReasonLength);
    if (box.exec() != QDialog::Accepted) return {};
    return ToAnsi(box.textValue());
}

void Tform_main::SetAutoBusyMinute(int milliseconds) {
    auto_busy_minute_ms_ = milliseconds;
    idle_watch_->Restart();
}

void Tform_main::WatchIdleness() {
    idle_watch_ = std::make_unique<IdleWatch>();
    idle_watch_->Delay = [this] {
        const int minutes = state_.Config.TimeOccupe;
        if (!AutomaticBusyOn(minutes)) return std::chrono::milliseconds(0);
        return std::chrono::milliseconds(static_cast<long long>(minutes) * auto_busy_minute_ms_);
    };
    idle_watch_->OnIdle = [this] { UserIdle(); };
    idle_watch_->OnBack = [this] { UserBack(); };
    idle_watch_->Restart();
}

// Busy as the menu item with an empty reason would make it, unless the user already is.
void Tform_main::UserIdle() {
    const int mode = state_.Config.PrivateMode;
    if (mode == kModeBusy) return;
    if (Babillon.VekState != TVekState::Chat || !Babillon.Connected()) return;
    ChoosePrivateMode(kModeBusy, {});
    auto_busy_from_ = mode;
}

// Back to the mode the automatic busy mode left, as its item would. Without a connection the
// server has forgotten the mode anyway: only our side goes back.
void Tform_main::UserBack() {
    const int from = auto_busy_from_;
    if (from < 0 || state_.Config.PrivateMode != kModeBusy) return;
    const bool connected = Babillon.VekState == TVekState::Chat && Babillon.Connected();
    ChoosePrivateMode(from, {}, connected);
}
