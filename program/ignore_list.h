#pragma once

#include <string>

struct ProgramState;

// The ignore list is ProgramState::IgnoreList: exact, case-sensitive chat ids; removing one
// blanks its slot, the array never shrinks.
bool IsIgnored(const ProgramState& state, const std::string& chat_id);
