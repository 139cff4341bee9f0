// The soak's measure on made-up sessions: views that fill, then drop their oldest tenth at a
// time, over a memory that grows with what they hold and, in some, with a steady leak.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/memory_slope.h"

namespace {

constexpr int kLimit = 10000;
constexpr double kSampleSeconds = 2;

// Adds `per_sample` lines and drops the oldest down to the limit once a tenth more is held.
int Held(int held, int per_sample, int limit) {
    held += per_sample;
    if (limit > 0 && held > limit + limit / 10) held = limit;
    return held;
}

std::vector<MemorySample> Session(double minutes, double leak_mib_per_minute, int limit) {
    std::vector<MemorySample> samples;
    MemorySample s;
    for (double t = 0; t <= minutes * 60; t += kSampleSeconds) {
        s.seconds = t;
        s.rss_mib = 100 + 0.004 * (s.room_paragraphs + s.debug_lines) +
                    leak_mib_per_minute * t / 60;
        samples.push_back(s);
        s.room_paragraphs = Held(s.room_paragraphs, 400, limit);
        s.debug_lines = Held(s.debug_lines, 530, limit);
    }
    return samples;
}

TEST(MemorySlopeTest, LowestSampleOfEachMinuteOnceBothViewsAreFull) {
    struct Case {
        std::string name;
        double minutes;
        double leak_mib_per_minute;
        int limit;
        bool full;
        std::size_t minutes_fitted;
        double mib_per_hour;
    };
    const std::vector<Case> cases = {
        {"a steady leak of 1.2 MiB a minute", 12, 1.2, kLimit, true, 11, 72},
        {"no leak, the saw tooth only", 12, 0, kLimit, true, 11, 0},
        {"a leak of 2 MiB an hour", 12, 2.0 / 60, kLimit, true, 11, 2},
        {"two minutes", 2, 1.2, kLimit, true, 1, 0},
        {"views that keep everything", 12, 0, 0, false, 0, 0},
    };
    for (const Case& c : cases) {
        const MemorySlope slope = SlopeWhenFull(Session(c.minutes, c.leak_mib_per_minute, c.limit));
        // The room view drops at 56 s, the debug console at 42 s.
        EXPECT_EQ(slope.full_seconds, c.full ? 56 : -1) << c.name;
        EXPECT_EQ(slope.lows.size(), c.minutes_fitted) << c.name;
        EXPECT_NEAR(slope.mib_per_hour, c.mib_per_hour, 0.5) << c.name;
    }
}

}  // namespace
