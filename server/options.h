#pragma once

#include <optional>
#include <string>

namespace babillon {

struct Options {
    std::string bind_address = "127.0.0.1";
    int http_port = 8080;
    int chat_port = 6666;
    std::string accounts_file;  // empty: the one account test / test
    double check_interval = 60;
    double check_timeout = 30;
    bool demo = false;
    int flood = 0;             // room lines per second to every room with a client; 0: none
    double flood_seconds = 0;  // 0: the flood never ends
    int crowd = 0;             // silent simulated members in the crowd room; 0: none
    bool soak = false;
    bool exit_with_stdin = false;
};

extern const char* const kUsage;

// The options of the command line, or nullopt with `error` set (empty error: help asked).
std::optional<Options> ParseOptions(int argc, char** argv, std::string& error);

}  // namespace babillon
