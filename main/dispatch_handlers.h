#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "program/dispatch_fields.h"
#include "main/ignore_list.h"
#include "platform/cp1252.h"
#include "session/session_codes.h"

// One inbound line while its handler runs.
struct DispatchLine {
    WindowContext& context;
    const LineSender& send;
    const std::string& code;
    const std::vector<std::string>& fields;

    const std::string& Field(std::size_t index) const { return FieldAt(fields, index); }
};

// The description written after "[Chat-<code>] " and its debug category.
struct Trace {
    std::string description;
    DebugCategory category = DebugCategory::Chat;
};

// A handler returns its trace, or nothing when the line ends without any trace.
using Handler = std::optional<Trace> (*)(const DispatchLine& line);
using HandlerTable = std::unordered_map<std::string_view, Handler>;

void AddSessionHandlers(HandlerTable& table);
void AddRoomHandlers(HandlerTable& table);
void AddPrivateHandlers(HandlerTable& table);
void AddPeopleHandlers(HandlerTable& table);

// Trace texts are written here in UTF-8 and kept in Windows-1252 like every program text.
inline std::string Ansi(std::u16string_view text) {
    return platform::Utf16ToAnsi(text);
}
