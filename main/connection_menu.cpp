#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "config/form_config.h"
#include "config/form_connex.h"
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "main/form_main.h"
#include "main/idle_watch.h"
#include "main/tab_images.h"
#include "program/program_state.h"
#include "widgets/ansi_text.h"

namespace {
constexpr int kIconConnexion = 0;
const QString kConnectCaption = QStringLiteral("&Connexion");
}  // namespace

Tform_connex* Tform_main::ConnexWindow() {
    return form_connex;
}

void Tform_main::SM_ConnexionClick() {
    if (SM_Connexion->text() == kConnectCaption) {
        ConnexHooks hooks;
        hooks.enable_connection_entry = [this](bool enabled) { SM_Connexion->setEnabled(enabled); };
        hooks.set_connection_caption = [this](const QString& caption) {
            SM_Connexion->setText(caption);
        };
        hooks.open_connection_settings = [this] {
            OpenConfiguration(Tform_config::kPageConnexion);
        };
        auto* form = new Tform_connex(Babillon, state_, hooks);
        form_connex = form;
        AddTabWindow(AddChild(form, kIconConnexion), kIconConnexion);
        return;
    }
    Babillon.Disconnect();
    Babillon.VekState = TVekState::Cookie;
    CloseAllWindows();
    CreateDebugWindow();
}

void Tform_main::OpenConfiguration(int page) {
    if (!form_config) {
        form_config = new Tform_config(state_, this);
        connect(form_config, &Tform_config::SettingsSaved, this, &Tform_main::TakeNewSettings);
    }
    RunConfigDialog(form_config, state_, page, this);
}

void Tform_main::TakeNewSettings() {
    mdi_->setBackground(QBrush(BackgroundImage(FromAnsi(state_.Config.Image))));
    if (Tform_salon* room = RoomWindow()) room->ApplySettings();
    for (const QPointer<Tform_prive>& conversation : PrivateWindows) {
        if (conversation) conversation->ApplySettings();
    }
    idle_watch_->Restart();
}

void Tform_main::ConfigurationClick() {
    OpenConfiguration(Tform_config::kPageGeneral);
}
