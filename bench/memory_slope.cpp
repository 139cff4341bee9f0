#include "memory_slope.h"

#include <algorithm>

namespace {

constexpr double kMinute = 60;
constexpr double kHour = 3600;

// When the count first went down from one sample to the next; negative: never.
template <typename Count>
double FirstDrop(const std::vector<MemorySample>& samples, Count count) {
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (count(samples[i]) < count(samples[i - 1])) return samples[i].seconds;
    }
    return -1;
}

}  // namespace

MemorySlope SlopeWhenFull(const std::vector<MemorySample>& samples) {
    MemorySlope slope;
    const double room = FirstDrop(samples, [](const MemorySample& s) { return s.room_paragraphs; });
    const double debug = FirstDrop(samples, [](const MemorySample& s) { return s.debug_lines; });
    if (room < 0 || debug < 0) return slope;
    slope.full_seconds = std::max(room, debug);

    const double end = samples.back().seconds;
    for (double from = slope.full_seconds; from + kMinute <= end; from += kMinute) {
        MinuteLow low;
        bool found = false;
        for (const MemorySample& s : samples) {
            if (s.seconds < from || s.seconds >= from + kMinute) continue;
            if (!found || s.rss_mib < low.rss_mib) low = {s.seconds, s.rss_mib};
            found = true;
        }
        if (found) slope.lows.push_back(low);
    }
    if (slope.lows.size() < 2) return slope;

    double mean_x = 0;
    double mean_y = 0;
    for (const MinuteLow& low : slope.lows) {
        mean_x += low.seconds;
        mean_y += low.rss_mib;
    }
    mean_x /= static_cast<double>(slope.lows.size());
    mean_y /= static_cast<double>(slope.lows.size());
    double covariance = 0;
    double variance = 0;
    for (const MinuteLow& low : slope.lows) {
        covariance += (low.seconds - mean_x) * (low.rss_mib - mean_y);
        variance += (low.seconds - mean_x) * (low.seconds - mean_x);
    }
    if (variance <= 0) return slope;
    const double per_second = covariance / variance;
    slope.mib_per_hour = per_second * kHour;
    slope.intercept_mib = mean_y + per_second * (slope.full_seconds - mean_x);
    return slope;
}
