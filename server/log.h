#pragma once

#include <iostream>
#include <sstream>
#include <string>

namespace babillon {

// One line on stderr per thing the server does, so that a failing test shows the story.
template <typename... Parts>
void Log(const Parts&... parts) {
    std::ostringstream line;
    line << "[babillon-server] ";
    (line << ... << parts);
    line << '\n';
    std::cerr << line.str() << std::flush;
}

}  // namespace babillon
