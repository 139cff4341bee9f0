#include "server/options.h"

#include <charconv>
#include <string_view>

namespace babillon {

const char* const kUsage = R"(Usage: babillon-server [options]

Plays the Babillon service on this machine: the identification web site and the chat server.
Once both listen it prints "ready http=<port> chat=<port>" on stdout; it logs to stderr.
SIGTERM or SIGINT end it; SIGUSR1 sends the connection check "667" to every chat client now.

Options:
  --http-port N         port of the identification web site (default 8080; 0: any free port)
  --chat-port N         port of the chat server (default 6666; 0: any free port)
  --bind ADDR           IPv4 address to listen on (default 127.0.0.1)
  --accounts FILE       accounts, one "login password" per line (default: test / test)
  --check-interval S    seconds between two "667" checks (default 60; 0: never)
  --check-timeout S     seconds a client has to answer "667" before it is dropped
                        (default 30; 0: nobody is dropped)
  --demo                a few simulated members sit in the rooms and talk
  --flood N             a simulated member in every room that holds a client says N room
                        lines per second (1 to 10000), evenly spread over each second, each
                        line about 100 bytes with emoticons and accents; for measuring the
                        client under load. A client that does not read is dropped.
  --flood-seconds S     the flood ends after S seconds (default 0: it never ends)
  --crowd N             N silent simulated members (1 to 10000) sit in the public room
                        "Salon Foule" (Salon#Foule#0), with nicknames with accents, ages,
                        towns, men, women and members of unsaid sex, one in seven busy;
                        for measuring the client when it enters a big room
  --soak                a long, busy session in every room that holds a client: 200 room
                        lines per second with emoticons and effects, members coming and going
                        all the time, members opening private conversations with the client,
                        friends arriving, changing their status and leaving; for watching the
                        client's memory over a long run. Not meant together with --demo.
  --exit-with-stdin     end when standard input closes (used by the tests)
  --help                this text

Accounts for tests, whatever the accounts file says, with any password:
  probleme3, probleme4  login answers the page "Un probl&eacute;me -3 (-4) est survenu"
  microsoft             login works; the temporary id page holds the browser notice
                        "Unfortunately, Microsoft has added ..."
)";

namespace {

bool ParsePort(std::string_view text, int& port) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    return error == std::errc() && end == text.data() + text.size() && port >= 0 && port <= 65535;
}

bool ParseCount(std::string_view text, int& count) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc() && end == text.data() + text.size() && count >= 1 && count <= 10000;
}

bool ParseSeconds(std::string_view text, double& seconds) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    return error == std::errc() && end == text.data() + text.size() && seconds >= 0 &&
           seconds <= 86400;
}

}  // namespace

std::optional<Options> ParseOptions(int argc, char** argv, std::string& error) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--help" || name == "-h") {
            error.clear();
            return std::nullopt;
        }
        if (name == "--demo") {
            options.demo = true;
            continue;
        }
        if (name == "--soak") {
            options.soak = true;
            continue;
        }
        if (name == "--exit-with-stdin") {
            options.exit_with_stdin = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = std::string(name) + " needs a value";
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        bool valid = true;
        if (name == "--http-port") {
            valid = ParsePort(value, options.http_port);
        } else if (name == "--chat-port") {
            valid = ParsePort(value, options.chat_port);
        } else if (name == "--bind") {
            options.bind_address = value;
        } else if (name == "--accounts") {
            options.accounts_file = value;
        } else if (name == "--check-interval") {
            valid = ParseSeconds(value, options.check_interval);
        } else if (name == "--check-timeout") {
            valid = ParseSeconds(value, options.check_timeout);
        } else if (name == "--flood") {
            valid = ParseCount(value, options.flood);
        } else if (name == "--flood-seconds") {
            valid = ParseSeconds(value, options.flood_seconds);
        } else if (name == "--crowd") {
            valid = ParseCount(value, options.crowd);
        } else {
            error = "unknown option " + std::string(name);
            return std::nullopt;
        }
        if (!valid) {
            error = "bad value \"" + std::string(value) + "\" for " + std::string(name);
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace babillon
