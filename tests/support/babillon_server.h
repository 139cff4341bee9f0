#pragma once

// Starts babillon-server for one test (or one test suite), on ports picked by the system, and
// stops it again. Usage:
//
//     BabillonServer server({"--check-interval", "0"});
//     connect to 127.0.0.1:server.http_port() and 127.0.0.1:server.chat_port()
//
// A server that does not start (missing binary, bad arguments, no "ready" line within the
// start-up limit) throws std::runtime_error with the reason, which fails the test with that
// text. The server's log goes to this process's stderr, so a failing test shows it. The
// server watches its standard input and ends when this process goes away, even after a crash.

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

class BabillonServer {
  public:
    explicit BabillonServer(std::vector<std::string> extra_args = {}) {
        Start(std::move(extra_args));
    }
    ~BabillonServer() { Stop(); }
    BabillonServer(const BabillonServer&) = delete;
    BabillonServer& operator=(const BabillonServer&) = delete;

    int http_port() const { return http_port_; }
    int chat_port() const { return chat_port_; }
    pid_t pid() const { return pid_; }

    // Sends "667" to every chat client now (SIGUSR1), whatever --check-interval says.
    void SendCheckNow() const {
        if (pid_ > 0) kill(pid_, SIGUSR1);
    }

    // Ends the server with SIGTERM and returns its exit status as waitpid gives it (-1 when
    // it was not running). A server that does not end within 10 s is killed.
    int Stop() {
        if (pid_ <= 0) return -1;
        kill(pid_, SIGTERM);
        int status = -1;
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > give_up) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        pid_ = -1;
        CloseFd(stdin_write_);
        return status;
    }

  private:
    static constexpr int kStartLimitSeconds = 30;

    void Start(std::vector<std::string> extra_args) {
        std::vector<std::string> args = {BABILLON_SERVER_PATH, "--http-port", "0",
                                         "--chat-port",        "0",           "--exit-with-stdin"};
        args.insert(args.end(), extra_args.begin(), extra_args.end());
        std::vector<char*> argv;
        for (auto& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);

        int out_pipe[2];
        int in_pipe[2];
        if (pipe(out_pipe) != 0) throw std::runtime_error("babillon-server: pipe() failed");
        if (pipe(in_pipe) != 0) {
            close(out_pipe[0]);
            close(out_pipe[1]);
            throw std::runtime_error("babillon-server: pipe() failed");
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in_pipe[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out_pipe[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, in_pipe[1]);
        posix_spawn_file_actions_addclose(&actions, out_pipe[0]);
        const int spawn_error =
            posix_spawn(&pid_, args[0].c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(in_pipe[0]);
        close(out_pipe[1]);
        stdin_write_ = in_pipe[1];
        if (spawn_error != 0) {
            pid_ = -1;
            close(out_pipe[0]);
            CloseFd(stdin_write_);
            throw std::runtime_error("babillon-server: cannot start " + args[0]);
        }
        std::string ready;
        const bool got_line = ReadLine(out_pipe[0], ready);
        close(out_pipe[0]);
        if (!got_line ||
            std::sscanf(ready.c_str(), "ready http=%d chat=%d", &http_port_, &chat_port_) != 2) {
            Stop();
            throw std::runtime_error("babillon-server did not report ready (got \"" + ready +
                                     "\"); see its log above");
        }
    }

    static bool ReadLine(int fd, std::string& line) {
        const auto give_up =
            std::chrono::steady_clock::now() + std::chrono::seconds(kStartLimitSeconds);
        while (std::chrono::steady_clock::now() < give_up) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            char c;
            if (read(fd, &c, 1) != 1) return false;
            if (c == '\n') return true;
            line.push_back(c);
        }
        return false;
    }

    static void CloseFd(int& fd) {
        if (fd >= 0) close(fd);
        fd = -1;
    }

    pid_t pid_ = -1;
    int stdin_write_ = -1;
    int http_port_ = 0;
    int chat_port_ = 0;
};
