// The simulated members in private conversations.
#include <algorithm>

#include "server/demo.h"
#include "server/demo_macros.h"
#include "server/log.h"
#include "server/text.h"

namespace babillon {
namespace {

// A client that floods the simulated members with private messages gets a few answers only.
constexpr size_t kMaxPendingReplies = 20;

// Macro answers, and the client's answering machine, send "0102" texts on their own. Such a
// text is never answered: an answer to an automatic answer could go back and forth forever.
bool MayBeAutomatic(std::string_view body) {
    return body.starts_with("0102");
}

}  // namespace

void Demo::PrivateReceived(const std::string& bot_id, const std::string& user,
                           const std::string& body, Clock::time_point now) {
    const auto bot =
        std::find_if(bots_.begin(), bots_.end(), [&](const Bot& b) { return b.chatid == bot_id; });
    if (bot == bots_.end() || MayBeAutomatic(body) || bot->ignoring.contains(user)) return;
    const demo::Character& who = *bot->character;
    if (AsciiLower(body).find("ignore-moi") != std::string::npos) {
        Log("demo: ", who.alias, " ignores ", user, " as asked");
        bot->ignoring.insert(user);
        chat_.ActAs(bot_id, "18\t-1\t" + user);
        return;
    }
    if (const auto name = demo::RemoteMacroCall(body)) {
        // Like the client: a known macro is answered at once, an unknown one not at all.
        const std::string expansion = demo::ExpandMacro(
            *name, who, std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()));
        if (!expansion.empty()) Queue({bot_id, user, "0102" + expansion, now});
        return;
    }
    // Busy on the phone: the sender already got the status text from the server.
    if (const Member* self = chat_.FindMember(bot_id); self != nullptr && self->mode == "64") {
        return;
    }
    const Clock::time_point answer_time = now + Seconds(2, 6);
    Queue({bot_id, user, Coded(who.colour, Pick(demo::PrivateReplies())), answer_time});
    if (OneIn(4)) {
        Log("demo: ", who.alias, " will call a macro of ", user);
        Queue({bot_id, user, Coded(who.colour, Pick(demo::RemoteCalls())),
               answer_time + Seconds(1, 3)});
    }
}

void Demo::Queue(Reply reply) {
    if (replies_.size() < kMaxPendingReplies) replies_.push_back(std::move(reply));
}

void Demo::SendDueReplies(Clock::time_point now) {
    std::vector<Reply> due;
    for (auto reply = replies_.begin(); reply != replies_.end();) {
        if (now < reply->when) {
            ++reply;
            continue;
        }
        due.push_back(std::move(*reply));
        reply = replies_.erase(reply);
    }
    // Sent once the list is settled: a message to a simulated member comes back into
    // PrivateReceived, which may queue more.
    for (const Reply& reply : due) chat_.SayPrivately(reply.from, reply.to, reply.body);
}

}  // namespace babillon
