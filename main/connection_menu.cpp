#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "config/form_config.h"
#include "config/form_connex.h"
#include "conversation/form_prive.h"
#include "conversation/form_salon.h"
#include "main/form_main.h"
#include "main/private_modes.h"
#include "main/tab_images.h"
#include "main/window_registry.h"
#include "program/program_state.h"
#include "widgets/ansi_text.h"

namespace {
const QString kConnectCaption = QStringLiteral("&Connexion");
}  // namespace

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
        registry_->OpenConnexWindow(hooks);
        return;
    }
    Babillon.Disconnect();
    Babillon.VekState = 1;
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
    if (Tform_salon* room = registry_->RoomWindow()) room->ApplySettings();
    for (int slot = 0; slot < registry_->PrivateWindowCount(); ++slot) {
        if (Tform_prive* conversation = registry_->PrivateWindow(slot)) {
            conversation->ApplySettings();
        }
    }
    modes_->RestartIdleWatch();
}

void Tform_main::ConfigurationClick() {
    OpenConfiguration(Tform_config::kPageGeneral);
}
