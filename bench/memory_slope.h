#pragma once

#include <vector>

// One sample of the soak: the process's memory and what the program holds at that moment.
struct MemorySample {
    double seconds = 0;  // since the soak began
    double rss_mib = 0;
    int room_paragraphs = 0;
    int room_members = 0;
    int private_windows = 0;  // open now
    int private_slots = 0;    // ever opened
    int debug_lines = 0;
};

// The lowest sample of one minute.
struct MinuteLow {
    double seconds = 0;
    double rss_mib = 0;
};

// How fast the memory grows once the room view and the debug console are full. Both drop their
// oldest tenth at a time, so the memory is a saw tooth of a few seconds: the tops depend on the
// phase of the samples, the bottoms (just after a drop) are what a leak lifts. From the first
// sample by which both have dropped lines, the lowest sample of each whole minute, and the
// least-squares line through them.
struct MemorySlope {
    double full_seconds = -1;     // when both were full; negative: never
    std::vector<MinuteLow> lows;  // one per whole minute from full_seconds
    double mib_per_hour = 0;      // of the line through `lows`; 0 with fewer than two
    double intercept_mib = 0;     // of that line at full_seconds
};
MemorySlope SlopeWhenFull(const std::vector<MemorySample>& samples);
