#include "directory/form_infos.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "conversation/message_html.h"
#include "program/chat_windows.h"

namespace {

constexpr int kInfoTab = 4;

}  // namespace

Tform_infos::Tform_infos(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent), Rich_Infos(new QTextBrowser(this)) {
    setObjectName("form_infos");
    setWindowTitle(QStringLiteral("Infos"));
    Rich_Infos->setObjectName("Rich_Infos");
    Rich_Infos->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(Rich_Infos);
}

void Tform_infos::SetSoundPlayer(SoundPlayer player) {
    play_sound_ = std::move(player);
}

void Tform_infos::AddInfoLine(const std::string& text) {
    Rich_Infos->append(NoticeHtml(text));
    RaiseActivityAlert(context_, context_.windows.SelectedTab() == kInfoTab, new_text_,
                       play_sound_);
}
