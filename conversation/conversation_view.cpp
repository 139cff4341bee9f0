#include "conversation/conversation_view.h"

#include "conversation/chat_styles.h"
#include "conversation/emoticon_pictures.h"
#include "store/settings.h"

const RichStyleSheet& ChatStyleSheet() {
    static const RichStyleSheet styles = MakeChatStyleSheet();
    return styles;
}

BabiRichView* NewConversationView(const char* object_name, const TConfig& config, QWidget* parent) {
    auto* view = new BabiRichView(ChatStyleSheet(), parent);
    view->setObjectName(object_name);
    view->SetPictureSource([](const QString& key) { return CachedPicture(key); });
    view->SetScrollback(config.MaxMessages);
    return view;
}
