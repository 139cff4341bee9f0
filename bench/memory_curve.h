#pragma once

#include <QString>
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

// The memory after the first minute against the memory at the end. The conversation views
// and the debug console drop their oldest tenth at a time, so the memory is a saw tooth of a
// few seconds: each side is the highest sample of its minute (the minute after
// `reference_seconds`, and the last minute), the tops of the teeth, whatever the phase of the
// samples.
struct MemoryGrowth {
    double reference_mib = 0;
    double end_mib = 0;
    double percent = 0;
};
MemoryGrowth GrowthAfter(const std::vector<MemorySample>& samples, double reference_seconds);

// One line per sample under a header line; false when the file cannot be written.
bool WriteMemoryCsv(const std::vector<MemorySample>& samples, const QString& path);

// The memory curve as a PNG picture, with a mark at `reference_seconds` and the growth from
// there to the end in its title; false when the picture cannot be written.
bool WriteMemoryPlot(const std::vector<MemorySample>& samples, double reference_seconds,
                     const QString& path);
