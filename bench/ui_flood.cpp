// The whole program against babillon-server, with a heartbeat timer on the UI thread that
// measures the longest stall:
// - a room flood: the flood member says 1,000 lines per second, with emoticons and accents,
//   into the room that Tamaris has entered; 10 s are measured, with the messages the room
//   view showed in them (the view holds only its scrollback) and the process's peak memory;
// - a crowded room: entering a room of 5,000 members whose list comes in pages.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include "program_against_server.h"

namespace {

constexpr int kLinesPerSecond = 1000;
constexpr int kMeasuredSeconds = 10;
// The flood counts from the server's start: the login comes first.
constexpr int kFloodSeconds = kMeasuredSeconds + 5;
constexpr int kCrowd = 5000;
constexpr int kLoginLimitMs = 5000;
constexpr int kCrowdLimitMs = 60000;

// The longest gap between two ticks of a 5 ms timer while the heartbeat lives.
class Heartbeat {
  public:
    Heartbeat() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.elapsed();
            longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
        clock_.start();
        timer_.start();
    }
    qint64 LongestMs() const { return longest_; }
    qint64 ElapsedMs() const { return clock_.elapsed(); }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

// The flood member numbers its lines ("n°123 ..."): the number of the newest one the room view
// shows, 0 before the first.
long long NewestFloodLine(ProgramAgainstServer& program) {
    static const QRegularExpression number(QStringLiteral("n°(\\d+)"));
    Tform_salon* room = program.main().RoomWindow();
    if (room == nullptr) return 0;
    // The newest paragraph can be a notice about the room rather than a line.
    QTextBlock block = room->rich_salon->document()->lastBlock();
    for (int looked = 0; looked < 50 && block.isValid(); ++looked, block = block.previous()) {
        const QRegularExpressionMatch match = number.match(block.text());
        if (match.hasMatch()) return match.captured(1).toLongLong();
    }
    return 0;
}

void BM_RoomFloodThroughTheProgram(benchmark::State& state) {
    for (auto _ : state) {
        ProgramAgainstServer program({"--flood", std::to_string(kLinesPerSecond), "--flood-seconds",
                                      std::to_string(kFloodSeconds)},
                                     "Salon#Flot");
        RunEventsUntil(kLoginLimitMs, [&] { return NewestFloodLine(program) > 0; });
        const long long first = NewestFloodLine(program);
        Heartbeat heartbeat;
        RunEventsUntil(kMeasuredSeconds * 1000, [] { return false; });
        state.counters["messages_shown"] = static_cast<double>(NewestFloodLine(program) - first);
        state.counters["paragraphs_held"] = program.RoomMessages();
        state.counters["longest_stall_ms"] = static_cast<double>(heartbeat.LongestMs());
        state.counters["peak_MiB"] = MemoryMiB("VmHWM");
        state.counters["rss_MiB"] = MemoryMiB("VmRSS");
    }
}
BENCHMARK(BM_RoomFloodThroughTheProgram)->Iterations(1)->Unit(benchmark::kSecond);

void BM_EnterACrowdedRoom(benchmark::State& state) {
    for (auto _ : state) {
        ProgramAgainstServer program({"--crowd", std::to_string(kCrowd)}, "Salon#Foule");
        Heartbeat heartbeat;
        // The crowd and the user.
        RunEventsUntil(kCrowdLimitMs, [&] { return program.RoomMembers() > kCrowd; });
        state.counters["members_listed"] = program.RoomMembers();
        state.counters["seconds_to_full_list"] = heartbeat.ElapsedMs() / 1000.0;
        state.counters["longest_stall_ms"] = static_cast<double>(heartbeat.LongestMs());
    }
}
BENCHMARK(BM_EnterACrowdedRoom)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
