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

// The sample taken at or just after `seconds`; the last one when the run was shorter.
const MemorySample& SampleAt(const std::vector<MemorySample>& samples, double seconds);

// One line per sample under a header line; false when the file cannot be written.
bool WriteMemoryCsv(const std::vector<MemorySample>& samples, const QString& path);

// The memory curve as a PNG picture, with a mark at `reference_seconds` and the growth from
// there to the end in its title; false when the picture cannot be written.
bool WriteMemoryPlot(const std::vector<MemorySample>& samples, double reference_seconds,
                     const QString& path);
