// The session against servers that misbehave: memory stays bounded, the owner hears of it,
// and a new login goes through afterwards.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <string>

#include "login_fixtures.h"
#include "raw_listener.h"
#include "session/babillon.h"
#include "session/vek_threads.h"
#include "session_recorder.h"

namespace {

// The peak resident size of this process so far, in bytes.
std::size_t PeakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            std::size_t kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

struct HostileRig {
    explicit HostileRig(std::function<void(int fd)> chat_side)
        : http(GoodLoginAnswers("c00k1e", "T-1")), chat(std::move(chat_side)) {
        AimAt(session, http.port(), chat.port());
        session.Pseudo = "jean";
        session.Alias = "Jeannot";
        session.Pass = "secret";
        session.OnChatWarning = [this](const std::string& text) { warnings.push_back(text); };
    }

    bool ReachChat() {
        session.Connect();
        return Pump(
            [this] { return session.VekState == TVekState::Chat && recorder.HasLine("100"); });
    }

    ScriptedHttpServer http;
    RawListener chat;
    TBabillon session;
    SessionRecorder recorder{session};
    std::vector<std::string> warnings;
};

TEST(HostileChatServer, OneHundredMegabytesWithoutLineFeedKeepMemoryBounded) {
    constexpr int kChunks = 1600;
    std::atomic<int> chunks_sent{0};
    HostileRig rig([&](int fd) {
        RawListener::SendAll(fd, "100\n");
        const std::string chunk(64 * 1024, 'x');
        for (; chunks_sent < kChunks; ++chunks_sent) RawListener::SendAll(fd, chunk);
        RawListener::SendAll(fd, "\n70\tid\t\tbob\t0101fin\n");
        RawListener::ReadUntil(fd, "\n\n");
    });
    const std::size_t peak_before = PeakResidentBytes();
    ASSERT_TRUE(rig.ReachChat());
    ASSERT_TRUE(Pump([&] { return !rig.warnings.empty(); }));
    // Told after the limit, long before the end of the flood.
    EXPECT_LT(chunks_sent.load(), kChunks / 2);
    EXPECT_NE(rig.warnings[0].find("trop longue"), std::string::npos);
    ASSERT_TRUE(Pump([&] { return rig.recorder.HasLine("70"); }, std::chrono::seconds(120)));
    EXPECT_EQ(rig.recorder.lines.back().params,
              (std::vector<std::string>{"id", "", "bob", "0101fin"}));
    EXPECT_EQ(rig.warnings.size(), 1u);
    EXPECT_TRUE(rig.session.Connected());
    // A few line buffers at most, not the hundred megabytes sent. AddressSanitizer holds freed
    // buffers in quarantine for a while, so its builds get more room.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    constexpr std::size_t kLineBuffers = 32;
#else
    constexpr std::size_t kLineBuffers = 8;
#endif
    EXPECT_LT(PeakResidentBytes() - peak_before, kLineBuffers * kChatLineLimit);
}

TEST(HostileChatServer, AServerThatStallsCanBeLeftAndTheSessionLogsInAgain) {
    // First the identification server stalls on the first step, then the chat server stalls
    // after its welcome; each time the user leaves and starts again.
    HostileRig rig([](int fd) {
        RawListener::SendAll(fd, "100\n");
        RawListener::ReadUntil(fd, "\n\n");
    });
    RawListener stalling_http([](int fd) { RawListener::ReadUntil(fd, "\n\n\n"); });
    rig.session.IDPort = stalling_http.port();
    rig.session.Connect();
    ASSERT_TRUE(Pump([&] { return stalling_http.accepted() == 1; }));
    EXPECT_EQ(rig.session.VekState, TVekState::Cookie);
    rig.session.Disconnect();
    EXPECT_FALSE(rig.session.Connected());

    rig.session.IDPort = rig.http.port();
    ASSERT_TRUE(rig.ReachChat());
    rig.session.Disconnect();
    rig.session.VekState = TVekState::Cookie;
    EXPECT_TRUE(rig.warnings.empty());
    EXPECT_FALSE(rig.session.Connected());
}

}  // namespace
