#pragma once

#include <functional>
#include <string>

// Plays a sound file without waiting. Windows hold one of these so that tests can watch
// what would be played.
using SoundPlayer = std::function<void(const std::string& file)>;

void PlayNotificationSound(const std::string& file);
