#pragma once

// A private nginx on loopback for one test: its own prefix, configuration, logs and pid file
// in a temporary directory, serving the locations the test gives it. Usage:
//
//     NginxServer web({"location = /a.jsp { return 200 'x'; }"});
//     connect to 127.0.0.1:web.port()
//
// Every connection is closed after its answer (keepalive_timeout 0). A server that does not
// start throws std::runtime_error naming its error log, which the message includes.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

class NginxServer {
  public:
    explicit NginxServer(const std::vector<std::string>& locations) {
        char pattern[] = "/tmp/tamaris-nginx-XXXXXX";
        if (mkdtemp(pattern) == nullptr) throw std::runtime_error("nginx: no temporary directory");
        dir_ = pattern;
        port_ = FreePort();
        WriteConfig(locations);
        Start();
    }

    ~NginxServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            int status = 0;
            waitpid(pid_, &status, 0);
        }
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    NginxServer(const NginxServer&) = delete;
    NginxServer& operator=(const NginxServer&) = delete;

    int port() const { return port_; }

    std::string ErrorLog() const { return ReadFile(dir_ + "/error.log"); }

  private:
    static constexpr int kStartLimitSeconds = 20;

    static int FreePort() {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        bind(fd, reinterpret_cast<sockaddr*>(&address), size);
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
        close(fd);
        return ntohs(address.sin_port);
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void WriteConfig(const std::vector<std::string>& locations) const {
        std::ofstream conf(dir_ + "/nginx.conf");
        conf << "worker_processes 1;\n"
             << "pid " << dir_ << "/nginx.pid;\n"
             << "lock_file " << dir_ << "/nginx.lock;\n"
             << "error_log " << dir_ << "/error.log info;\n"
             << "events { worker_connections 64; }\n"
             << "http {\n"
             << "  access_log " << dir_ << "/access.log;\n";
        for (const char* temp : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"}) {
            conf << "  " << temp << "_temp_path " << dir_ << "/" << temp << ";\n";
        }
        conf << "  keepalive_timeout 0;\n"
             << "  default_type text/html;\n"
             << "  server {\n"
             << "    listen 127.0.0.1:" << port_ << ";\n";
        for (const std::string& location : locations) conf << "    " << location << "\n";
        conf << "  }\n}\n";
    }

    void Start() {
        std::vector<std::string> args = {"/usr/sbin/nginx",    "-p", dir_ + "/",          "-c",
                                         dir_ + "/nginx.conf", "-e", dir_ + "/error.log", "-g",
                                         "daemon off;"};
        std::vector<char*> argv;
        for (auto& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
            throw std::runtime_error("nginx: cannot start /usr/sbin/nginx");
        }
        const auto give_up =
            std::chrono::steady_clock::now() + std::chrono::seconds(kStartLimitSeconds);
        while (!Listening()) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                throw std::runtime_error("nginx ended at start-up:\n" + ErrorLog());
            }
            if (std::chrono::steady_clock::now() > give_up) {
                throw std::runtime_error("nginx does not listen:\n" + ErrorLog());
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    bool Listening() const {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port_));
        const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        close(fd);
        return ok;
    }

    std::string dir_;
    int port_ = 0;
    pid_t pid_ = -1;
};
