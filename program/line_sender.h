#pragma once

#include <functional>
#include <string>

// Sends one chat line; the session's SendLine in the program, a recorder in tests.
using LineSender = std::function<void(const std::string& line)>;
