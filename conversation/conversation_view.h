#pragma once

#include "widgets/babi_rich_view.h"

struct TConfig;

// style_chat: the one style sheet of every conversation view, made on first use.
const RichStyleSheet& ChatStyleSheet();

// A conversation view over style_chat, drawing emoticons and special pictures from the shared
// cache, keeping as many messages as the settings say.
BabiRichView* NewConversationView(const char* object_name, const TConfig& config, QWidget* parent);
