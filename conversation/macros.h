#pragma once

#include <optional>
#include <string>

#include "store/macro_store.h"

// The expansion of a macro name: the built-ins "date", "time" and "version", else the text
// of the table's first macro of that lower-cased name, trimmed; an unknown name gives "".
std::string ExpandMacro(const MacroTable& table, const std::string& name);

// The answer to a remote call: a private message from the partner whose body (the text after
// the four code characters), trimmed and lower-cased, begins with "#" asks for the macro
// named by the rest. Returns the expansion to send back with kMacroCodes (see
// PrivateMacroLines), or nothing.
std::optional<std::string> RemoteMacroAnswer(const MacroTable& table, const std::string& coded_body,
                                             bool own);
