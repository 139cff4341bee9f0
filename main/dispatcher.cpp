#include "main/dispatcher.h"

#include "main/dispatch_handlers.h"
#include "session/babillon.h"

namespace {

const HandlerTable& Handlers() {
    static const HandlerTable table = [] {
        HandlerTable built;
        AddSessionHandlers(built);
        AddRoomHandlers(built);
        AddPrivateHandlers(built);
        AddPeopleHandlers(built);
        return built;
    }();
    return table;
}

Trace UnknownCode(const DispatchLine& line) {
    std::string joined;
    for (const std::string& field : line.fields) joined += " " + field;
    return {"Commande inconnue : " + line.code + " " + joined, DebugCategory::Warning};
}

}  // namespace

Dispatcher::Dispatcher(WindowContext& context, LineSender send)
    : context_(context), send_(std::move(send)) {
    if (!send_) {
        send_ = [this](const std::string& line) { context_.session.SendLine(line); };
    }
}

void Dispatcher::BabillonChatCommande(const std::string& code,
                                      const std::vector<std::string>& params) {
    const DispatchLine line{context_, send_, code, params};
    const auto handler = Handlers().find(code);
    const std::optional<Trace> trace =
        handler == Handlers().end() ? UnknownCode(line) : handler->second(line);
    if (trace) context_.session.Debug("[Chat-" + code + "] " + trace->description, trace->category);
}
