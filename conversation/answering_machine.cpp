#include "conversation/answering_machine.h"

#include <algorithm>

#include "session/command_codes.h"

namespace {

const std::string kReplyMark = "[R\xE9pondeur] ";
// Effect "01" (Parler), colour "02".
const std::string kReplyCodes = "0102";
constexpr std::size_t kCodePrefixLength = 4;

}  // namespace

std::optional<std::string> AnsweringMachineMessage(const TConfig& config, const std::string& alias,
                                                   bool is_friend) {
    const auto& personal = config.RepPerso;
    const bool listed = std::find(personal.begin(), personal.end(), alias) != personal.end();
    switch (config.RepType) {
        case 0:
            return config.RepMsgGeneral;
        case 1:
            return is_friend ? config.RepMsgAmis : config.RepMsgGeneral;
        case 2:
            return listed ? config.RepMsgPerso : config.RepMsgGeneral;
        case 3:
            if (listed) return config.RepMsgPerso;
            return is_friend ? config.RepMsgAmis : config.RepMsgGeneral;
        default:
            return std::nullopt;
    }
}

bool IsAnsweringMachineReply(const std::string& coded_body) {
    return coded_body.size() >= kCodePrefixLength &&
           coded_body.compare(kCodePrefixLength, kReplyMark.size(), kReplyMark) == 0;
}

std::string AnsweringMachineLine(const std::string& chat_id, const std::string& message) {
    return PrivateTextLine(chat_id, kReplyCodes + kReplyMark + message);
}
