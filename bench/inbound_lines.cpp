// Inbound chat lines per second over loopback: through the session (read, hand-off to the
// main thread, split, UTF-8 conversion, event with a handler that does nothing), beside a
// plain recv loop over the same bytes as the floor.

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "net/queued_main_thread.h"
#include "session/babillon.h"

namespace {

constexpr int kLinesPerBurst = 10000;

// A room message as the server relays it: sender, alias and a coded text with accents.
const std::string kLine =
    "70\tgaston-12\t0\tGaston\t0101Salut \xC3\xA0 tous, \xC3\xA7"
    "a va ? On se retrouve "
    "\xC3\xA0 la f\xC3\xAAte ce soir, apr\xC3\xA8s le d\xC3\xAEner :-)\n";

// Accepts one connection and writes a burst of lines into it each time it is asked to.
class LineSender {
  public:
    LineSender() {
        listen_fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(listen_fd_, 1) != 0 ||
            getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            throw std::runtime_error("cannot listen on loopback");
        }
        port_ = ntohs(address.sin_port);
        for (int i = 0; i < kLinesPerBurst; ++i) burst_ += kLine;
        thread_ = std::thread([this] { Run(); });
    }

    ~LineSender() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        asked_.notify_all();
        shutdown(listen_fd_, SHUT_RDWR);
        thread_.join();
        close(listen_fd_);
    }

    int port() const { return port_; }

    void SendBurst() {
        {
            std::lock_guard lock(mutex_);
            ++bursts_;
        }
        asked_.notify_all();
    }

  private:
    void Run() {
        const int fd = accept(listen_fd_, nullptr, nullptr);
        if (fd < 0) return;
        for (;;) {
            {
                std::unique_lock lock(mutex_);
                asked_.wait(lock, [this] { return stopping_ || bursts_ > 0; });
                if (stopping_) break;
                --bursts_;
            }
            const char* data = burst_.data();
            std::size_t left = burst_.size();
            while (left > 0) {
                const ssize_t sent = send(fd, data, left, MSG_NOSIGNAL);
                if (sent <= 0) break;
                data += sent;
                left -= static_cast<std::size_t>(sent);
            }
        }
        close(fd);
    }

    int listen_fd_ = -1;
    int port_ = 0;
    std::string burst_;
    std::mutex mutex_;
    std::condition_variable asked_;
    int bursts_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};

net::QueuedMainThread& MainThread() {
    static net::QueuedMainThread* main_thread = [] {
        auto* created = new net::QueuedMainThread;
        net::InstallMainThread(created);
        return created;
    }();
    return *main_thread;
}

void BM_SessionInboundLines(benchmark::State& state) {
    MainThread();
    LineSender sender;
    TBabillon session;
    long long received = 0;
    session.OnChatCommande = [&received](const std::string&, const std::vector<std::string>&) {
        ++received;
    };
    session.IDAddress = "127.0.0.1";
    session.IDPort = 1;
    session.ChatAddress = "127.0.0.1";
    session.ChatPort = sender.port();
    session.VekState = TVekState::Chat;
    session.Connect();
    if (!session.Connected()) {
        state.SkipWithError("the session did not connect");
        return;
    }
    long long expected = 0;
    for (auto _ : state) {
        expected += kLinesPerBurst;
        sender.SendBurst();
        if (!MainThread().RunUntil([&] { return received == expected; }, std::chrono::minutes(5))) {
            state.SkipWithError("lines went missing");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kLinesPerBurst);
    state.SetBytesProcessed(state.iterations() * kLinesPerBurst *
                            static_cast<long long>(kLine.size()));
}

void BM_RawRecvLines(benchmark::State& state) {
    LineSender sender;
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(sender.port()));
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        state.SkipWithError("cannot connect");
        close(fd);
        return;
    }
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        sender.SendBurst();
        long long lines = 0;
        while (lines < kLinesPerBurst) {
            const ssize_t got = recv(fd, buffer.data(), buffer.size(), 0);
            if (got <= 0) {
                state.SkipWithError("connection lost");
                close(fd);
                return;
            }
            for (ssize_t i = 0; i < got; ++i) lines += buffer[i] == '\n';
        }
    }
    close(fd);
    state.SetItemsProcessed(state.iterations() * kLinesPerBurst);
    state.SetBytesProcessed(state.iterations() * kLinesPerBurst *
                            static_cast<long long>(kLine.size()));
}

}  // namespace

BENCHMARK(BM_RawRecvLines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SessionInboundLines)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
