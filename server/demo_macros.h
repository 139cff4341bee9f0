#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "server/demo_script.h"

namespace babillon::demo {

// The name of the remote macro that a private message body calls, as the client reads it: the
// text after the four code characters, trimmed and lower-cased, begins with "#"
// ("0100 #Version" calls "version"); nullopt when it calls none.
std::optional<std::string> RemoteMacroCall(std::string_view body);

// What the macro `name` of the simulated member `who` says at `now`; empty text when it has no
// such macro.
std::string ExpandMacro(std::string_view name, const Character& who, std::time_t now);

}  // namespace babillon::demo
