#include "main/private_mode_rules.h"

#include "program/private_mode.h"
#include "session/command_codes.h"

namespace {

std::string Trimmed(const std::string& text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// The privacy mode the server knows: the answering machine is the client's own business.
const char* ServerMode(int mode) {
    switch (mode) {
        case kModeNoNewPrivate:
            return "2";
        case kModeBusy:
            return "64";
        default:
            return "0";
    }
}

}  // namespace

std::string BusyStatus(const std::string& reason) {
    return "occup\xE9(e) " + Trimmed(reason);
}

ModeChange PrivateModeChange(int from, int to, const std::string& status,
                             const std::string& saved_status, const std::string& reason) {
    ModeChange change{{}, saved_status};
    if (from == to) return change;
    if (to == kModeBusy) {
        change.lines = {PrivacyModeLine(ServerMode(to)), StatusLine(BusyStatus(reason))};
        change.saved_status = status;
        return change;
    }
    // Only leaving busy puts a status back: from any other mode there is none to put back, and
    // the empty SavedStatus would wipe the status the user gave.
    if (from == kModeBusy && status != saved_status) {
        change.lines.push_back(StatusLine(saved_status));
        change.saved_status.clear();
    }
    change.lines.push_back(PrivacyModeLine(ServerMode(to)));
    return change;
}
