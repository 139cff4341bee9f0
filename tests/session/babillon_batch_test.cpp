// The chat reader hands the main thread every whole line it has read ahead in one call: the
// lines of a batch keep their order, a line cut at the end of a batch waits for the rest,
// a handler that leaves the connection gets none of the batch's remaining lines, and quitting
// while a batch waits for the main thread neither hangs nor delivers it.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "login_fixtures.h"
#include "raw_listener.h"
#include "session/babillon.h"
#include "session_recorder.h"

namespace {

using namespace std::chrono_literals;

// A session already in the chat state, aimed at the test's chat server, that notes each line
// by its first field (its code when it has none) and each dropped overlong line as "dropped".
struct ChatRig {
    explicit ChatRig(std::function<void(int fd)> serve) : chat(std::move(serve)) {
        TestMainThread();
        AimAt(session, 1, chat.port());
        session.VekState = TVekState::Chat;
        session.OnChatCommande = [this](const std::string& code,
                                        const std::vector<std::string>& params) {
            trail.push_back(params.empty() ? code : params[0]);
            if (on_line) on_line();
        };
        session.OnDebug = [this](const std::string& text, DebugCategory) {
            if (text.rfind("Ligne trop longue", 0) == 0) trail.emplace_back("dropped");
        };
    }

    bool PumpUntilTrailHas(std::size_t size) {
        return Pump([&] { return trail.size() >= size; });
    }

    RawListener chat;
    TBabillon session;
    std::vector<std::string> trail;
    std::function<void()> on_line;
};

// Blocks the server's side until the test lets it go on.
class Gate {
  public:
    void Open() {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }
    // Bounded, so that a test that fails before opening it still ends.
    void Wait() {
        std::unique_lock lock(mutex_);
        opened_.wait_for(lock, 20s, [this] { return open_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
};

// Until the client goes: a session in the chat state never writes on its own.
void HoldUntilClosed(int fd) {
    RawListener::ReadUntil(fd, "\n");
}

std::string Numbered(int from, int to) {
    std::string lines;
    for (int i = from; i < to; ++i) lines += "70\t" + std::to_string(i) + "\n";
    return lines;
}

// Where two trails part, for a failure message shorter than two long vectors.
std::string FirstDifference(const std::vector<std::string>& got,
                            const std::vector<std::string>& expected) {
    std::size_t i = 0;
    while (i < got.size() && i < expected.size() && got[i] == expected[i]) ++i;
    auto at = [i](const std::vector<std::string>& trail) {
        return i < trail.size() ? "\"" + trail[i] + "\"" : std::string("nothing");
    };
    return "at " + std::to_string(i) + ": got " + at(got) + ", expected " + at(expected);
}

TEST(BabillonBatch, LinesKeepTheirOrderAcrossBatches) {
    // Several read-aheads' worth, with empty lines (no event) among them.
    const std::string stream = Numbered(0, 10000) + "\n\n" + Numbered(10000, 20000) + "\n";
    std::vector<std::string> expected;
    for (int i = 0; i < 20000; ++i) expected.push_back(std::to_string(i));
    struct Case {
        const char* writes;
        std::size_t piece;
    };
    for (const Case c : {Case{"in one write", stream.size()}, Case{"in pieces of 7 bytes", 7},
                         Case{"in pieces of 64 KiB and one byte", 64 * 1024 + 1}}) {
        SCOPED_TRACE(c.writes);
        ChatRig rig([&](int fd) {
            for (std::size_t at = 0; at < stream.size(); at += c.piece) {
                RawListener::SendAll(fd, std::string_view(stream).substr(at, c.piece));
            }
            HoldUntilClosed(fd);
        });
        rig.session.Connect();
        ASSERT_TRUE(rig.PumpUntilTrailHas(expected.size()));
        EXPECT_TRUE(rig.trail == expected) << FirstDifference(rig.trail, expected);
    }
}

TEST(BabillonBatch, AHandlerThatLeavesTheConnectionGetsNoMoreOfItsBatch) {
    struct Case {
        const char* handler;
        std::function<void(TBabillon&)> leave;
        std::vector<std::string> expected;
        bool connected_after;
    };
    const std::vector<Case> cases = {
        {"disconnects", [](TBabillon& s) { s.Disconnect(); }, {"1", "2", "3", "4"}, false},
        {"disconnects and connects again",
         [](TBabillon& s) {
             s.Disconnect();
             s.Connect();
         },
         {"1", "2", "3", "4", "nouvelle"},
         true},
        {"connects again",
         [](TBabillon& s) { s.Connect(); },
         {"1", "2", "3", "4", "nouvelle"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        std::atomic<int> served{0};
        // The first connection's lines come in one write, so that they make one batch.
        ChatRig rig([&](int fd) {
            RawListener::SendAll(fd, served++ == 0 ? Numbered(1, 11) : "70\tnouvelle\n");
            HoldUntilClosed(fd);
        });
        rig.on_line = [&] {
            if (rig.trail.size() == 4) c.leave(rig.session);
        };
        rig.session.Connect();
        ASSERT_TRUE(rig.PumpUntilTrailHas(c.expected.size()));
        TestMainThread().RunUntil([] { return false; }, 100ms);
        EXPECT_EQ(rig.trail, c.expected);
        EXPECT_EQ(rig.session.Connected(), c.connected_after);
    }
}

TEST(BabillonBatch, ALineCutAtTheEndOfABatchWaitsForItsRest) {
    const std::string overlong_half(600 * 1024, 'x');
    struct Case {
        const char* cut;
        std::string first;
        std::string rest;
        std::vector<std::string> before;
        std::vector<std::string> after;
    };
    const std::vector<Case> cases = {
        {"inside a field", "70\tun\n70\tde", "ux\n", {"un"}, {"un", "deux"}},
        {"between CR and LF", "70\tun\n70\tdeux\r", "\n", {"un"}, {"un", "deux\r"}},
        {"inside a UTF-8 sequence", "70\tun\n70\tf\xC3", "\xAAte\n", {"un"}, {"un", "f\xEAte"}},
        {"before an empty line", "70\tun\n", "\n70\tdeux\n", {"un"}, {"un", "deux"}},
        {"before the first LF", "70\tun", "\n", {}, {"un"}},
        {"inside a line that turns out overlong",
         "70\tun\n" + overlong_half,
         overlong_half + "\n70\tdeux\n",
         {"un"},
         {"un", "dropped", "deux"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cut);
        Gate rest_may_go;
        ChatRig rig([&](int fd) {
            RawListener::SendAll(fd, c.first);
            rest_may_go.Wait();
            RawListener::SendAll(fd, c.rest);
            HoldUntilClosed(fd);
        });
        rig.session.Connect();
        ASSERT_TRUE(rig.PumpUntilTrailHas(c.before.size()));
        TestMainThread().RunUntil([] { return false; }, 20ms);
        EXPECT_EQ(rig.trail, c.before);
        rest_may_go.Open();
        ASSERT_TRUE(rig.PumpUntilTrailHas(c.after.size()));
        EXPECT_EQ(rig.trail, c.after);
    }
}

std::size_t ThreadCount() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/task")) {
        ++count;
    }
    return count;
}

// Waits, without running any hand-off, until done() holds; false after the limit.
bool WaitWithoutPumping(const std::function<bool()>& done, std::chrono::seconds limit = 20s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(50us);
    }
    return true;
}

TEST(BabillonBatch, QuittingWhileTheReaderWaitsInItsHandOffNeverHangs) {
    RawListener chat([](int fd) {
        RawListener::SendAll(fd, "100\n" + Numbered(1, 20));
        HoldUntilClosed(fd);
    });
    struct Way {
        const char* name;
        std::function<void(std::unique_ptr<TBabillon>&)> quit;
    };
    const std::vector<Way> ways = {
        {"destroying the session", [](auto& session) { session.reset(); }},
        {"disconnecting, then destroying",
         [](auto& session) {
             session->Disconnect();
             session.reset();
         }},
        {"disconnecting and running on",
         [](auto& session) {
             session->Disconnect();
             TestMainThread().RunPending();
         }},
    };
    TestMainThread();
    const std::size_t threads_before = ThreadCount();
    for (int round = 0; round < 1000; ++round) {
        const Way& way = ways[round % ways.size()];
        SCOPED_TRACE(std::string(way.name) + ", round " + std::to_string(round));
        int lines = 0;
        auto session = std::make_unique<TBabillon>();
        AimAt(*session, 1, chat.port());
        session->VekState = TVekState::Chat;
        session->OnChatCommande = [&lines](const std::string&, const std::vector<std::string>&) {
            ++lines;
        };
        session->Connect();
        ASSERT_TRUE(session->Connected());
        ASSERT_TRUE(WaitWithoutPumping([] { return TestMainThread().PendingCount() > 0; }));

        way.quit(session);
        TestMainThread().RunPending();
        EXPECT_EQ(lines, 0);
        // The reader has let go of its hand-off and ended.
        ASSERT_TRUE(WaitWithoutPumping([&] { return ThreadCount() <= threads_before; }));
        session.reset();
    }
}

}  // namespace
