#pragma once

#include <QString>
#include <vector>

#include "memory_slope.h"

// One line per sample under a header line; false when the file cannot be written.
bool WriteMemoryCsv(const std::vector<MemorySample>& samples, const QString& path);

// The memory curve as a PNG picture, with a mark where the views were full, the lowest sample
// of each minute from there, their line and its slope in the title; false when the picture
// cannot be written.
bool WriteMemoryPlot(const std::vector<MemorySample>& samples, const MemorySlope& slope,
                     const QString& path);
