#include "program/notification_sound.h"

#include <QGuiApplication>
#include <QSoundEffect>
#include <QUrl>

#include "program/chat_windows.h"
#include "program/program_state.h"
#include "widgets/ansi_text.h"

void PlayNotificationSound(const std::string& file) {
    if (file.empty()) return;
    // One effect for the whole program, owned by the application object: a new sound
    // replaces the one still playing.
    static QSoundEffect* effect = new QSoundEffect(QCoreApplication::instance());
    effect->setSource(QUrl::fromLocalFile(FromAnsi(file)));
    effect->play();
}

void RaiseActivityAlert(WindowContext& context, bool tab_selected, bool& new_text,
                        const SoundPlayer& play) {
    const TConfig& config = context.state.Config;
    bool sound = config.ActivSon;
    if (!tab_selected) {
        new_text = true;
        context.windows.RepaintTabs();
    } else {
        sound = sound && QGuiApplication::applicationState() != Qt::ApplicationActive;
    }
    if (!sound) return;
    if (play) {
        play(config.Son);
    } else {
        PlayNotificationSound(config.Son);
    }
}
