#pragma once

#include <string>

#include "program/ignore_list.h"
#include "program/line_sender.h"
#include "program/window_context.h"

// Both also update the member in the room window's member table when it is there.
void AddIgnore(WindowContext& context, const std::string& chat_id);
void RemoveIgnore(WindowContext& context, const std::string& chat_id);
// Remembers the chat id as LastIgnoreTarget, flips it and tells the server ("18").
void ToggleIgnore(WindowContext& context, const std::string& chat_id, const LineSender& send);
void ToggleIgnore(WindowContext& context, const std::string& chat_id);
