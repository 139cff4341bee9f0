#pragma once

#include <optional>
#include <string>

#include "store/settings.h"

// What the answering machine sends back for a message from a partner: the configured text
// chosen by RepType (0 everybody, 1 friends apart, 2 personal list apart, 3 both), nothing for
// another type. RepPerso entries match the alias whole and exactly.
std::optional<std::string> AnsweringMachineMessage(const TConfig& config, const std::string& alias,
                                                   bool is_friend);

// Whether a coded message body is itself an answering machine's reply.
bool IsAnsweringMachineReply(const std::string& coded_body);

// The "72" line carrying the reply, spoken in black.
std::string AnsweringMachineLine(const std::string& chat_id, const std::string& message);
