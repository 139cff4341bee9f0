#pragma once

#include <functional>
#include <string>

#include "program/window_context.h"

// Plays a sound file without waiting. Windows hold one of these so that tests can watch
// what would be played.
using SoundPlayer = std::function<void(const std::string& file)>;

void PlayNotificationSound(const std::string& file);

// News for a window whose tab is not the selected one: flag it, repaint the tab strip and
// play the notification sound when ActivSon is set. When its tab is selected but the
// application is in the background, only the sound plays.
void RaiseActivityAlert(WindowContext& context, bool tab_selected, bool& new_text,
                        const SoundPlayer& play);
