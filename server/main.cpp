// babillon-server: the Babillon service on this machine, for the tests and the demo.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <iostream>

#include "server/accounts.h"
#include "server/chat_side.h"
#include "server/crowd.h"
#include "server/search_crowd.h"
#include "server/demo.h"
#include "server/room_directory.h"
#include "server/demo_friends.h"
#include "server/flood.h"
#include "server/http_side.h"
#include "server/log.h"
#include "server/network.h"
#include "server/options.h"
#include "server/rooms.h"
#include "server/soak.h"
#include "server/web_sessions.h"

namespace {

int signal_pipe[2] = {-1, -1};

void OnSignal(int number) {
    const char byte = number == SIGUSR1 ? 'c' : 'q';
    const int saved_errno = errno;
    (void)!write(signal_pipe[1], &byte, 1);
    errno = saved_errno;
}

bool InstallSignals() {
    if (pipe2(signal_pipe, O_NONBLOCK | O_CLOEXEC) != 0) return false;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGINT, SIGUSR1}) {
        if (sigaction(number, &action, nullptr) != 0) return false;
    }
    signal(SIGPIPE, SIG_IGN);
    return true;
}

babillon::Clock::duration Seconds(double seconds) {
    return std::chrono::duration_cast<babillon::Clock::duration>(
        std::chrono::duration<double>(seconds));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace babillon;
    std::string error;
    const std::optional<Options> options = ParseOptions(argc, argv, error);
    if (!options) {
        if (error.empty()) {
            std::cout << kUsage;
            return 0;
        }
        std::cerr << "babillon-server: " << error << "\n\n" << kUsage;
        return 2;
    }
    Accounts accounts;
    if (!options->accounts_file.empty() && !accounts.Load(options->accounts_file, error)) {
        std::cerr << "babillon-server: " << error << '\n';
        return 2;
    }
    if (!InstallSignals()) {
        std::cerr << "babillon-server: cannot set up signal handling\n";
        return 1;
    }

    WebSessions sessions;
    Rooms rooms;
    HttpSide http(accounts, sessions);
    Network network(http);
    const CheckSettings checks{Seconds(options->check_interval), Seconds(options->check_timeout)};
    ChatSide chat(sessions, rooms, network, checks, Clock::now());
    network.AttachChat(chat);
    if (!network.Listen(options->bind_address, options->http_port, options->chat_port, error)) {
        std::cerr << "babillon-server: " << error << '\n';
        return 1;
    }
    if (options->crowd > 0) SeatCrowd(chat, rooms, options->crowd);
    std::optional<Demo> demo;
    std::optional<DemoFriends> friends;
    if (options->demo) {
        SeatRoomDirectory(chat, rooms);
        SeatSearchCrowd(chat, rooms, kDemoSearchCrowd);
        friends.emplace(chat);
        demo.emplace(chat);
        demo->Start(Clock::now());
    }
    std::optional<Soak> soak;
    if (options->soak) {
        if (!friends) friends.emplace(chat);
        soak.emplace(chat, Clock::now());
    }
    std::optional<Flood> flood;
    if (options->flood > 0) {
        flood.emplace(chat, options->flood, Seconds(options->flood_seconds), Clock::now());
    }

    Log("identification site on ", options->bind_address, ":", network.http_port(),
        ", chat server on ", options->bind_address, ":", network.chat_port());
    std::cout << "ready http=" << network.http_port() << " chat=" << network.chat_port()
              << std::endl;

    const auto tick = [&](Clock::time_point now) {
        chat.Tick(now);
        Clock::time_point next = chat.NextDeadline();
        if (demo) next = std::min(next, demo->Run(now));
        if (flood) next = std::min(next, flood->Run(now));
        if (soak) next = std::min(next, soak->Run(now));
        return next;
    };
    const auto check_now = [&](Clock::time_point now) {
        Log("chat: connection check asked for");
        chat.CheckAll(now);
    };
    network.Run(signal_pipe[0], options->exit_with_stdin, tick, check_now);
    Log("stopped");
    return 0;
}
