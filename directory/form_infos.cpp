#include "directory/form_infos.h"

#include <QVBoxLayout>

#include "conversation/conversation_view.h"
#include "conversation/message_paragraphs.h"
#include "program/chat_windows.h"
#include "program/program_state.h"

namespace {

constexpr int kInfoTab = 4;

}  // namespace

Tform_infos::Tform_infos(WindowContext& context, QWidget* parent)
    : StandardWindow(context, parent),
      Rich_Infos(NewConversationView("Rich_Infos", context.state.Config, this)) {
    setObjectName("form_infos");
    setWindowTitle(QStringLiteral("Infos"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(Rich_Infos);
}

void Tform_infos::SetSoundPlayer(SoundPlayer player) {
    play_sound_ = std::move(player);
}

void Tform_infos::AddInfoLine(const std::string& text) {
    Rich_Infos->AppendParagraph(NoticeParagraph(text));
    RaiseActivityAlert(context_, context_.windows.SelectedTab() == kInfoTab, new_text_,
                       play_sound_);
}
