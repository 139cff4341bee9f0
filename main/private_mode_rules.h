#pragma once

#include <string>
#include <vector>

// What choosing a private-message mode sends, given the mode it leaves, the user's status
// text now and the status saved when busy was chosen.
struct ModeChange {
    std::vector<std::string> lines;
    // SavedStatus afterwards.
    std::string saved_status;
};

// Choosing the current mode again sends nothing. Busy saves the status and sends the reason,
// trimmed of surrounding blanks. Leaving busy first puts the saved status back when the
// current one differs; then every mode but busy tells the server its privacy mode.
ModeChange PrivateModeChange(int from, int to, const std::string& status,
                             const std::string& saved_status, const std::string& reason);

// The status text of busy mode for a reason.
std::string BusyStatus(const std::string& reason);
