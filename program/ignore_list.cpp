#include "program/ignore_list.h"

#include <algorithm>

#include "program/program_state.h"

bool IsIgnored(const ProgramState& state, const std::string& chat_id) {
    // A removed entry leaves a blank slot, which names nobody.
    if (chat_id.empty()) return false;
    const auto& list = state.IgnoreList;
    return std::find(list.begin(), list.end(), chat_id) != list.end();
}
