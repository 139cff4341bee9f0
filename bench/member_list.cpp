// The room's member list at 35, 500 and 5,000 members: one member changing its nickname (a
// rebuild of the whole list, then a repaint of the shown list), the whole list arriving again in
// one line, and a whole room arriving seven members a line as the server sends it, with the
// longest single line reported.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QListView>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "conversation/form_salon.h"
#include "main/shell_windows.h"

namespace {

constexpr std::size_t kMembersPerLine = 7;

std::vector<std::string> Group(int n) {
    const std::string number = std::to_string(n);
    const char* sexes[] = {"0", "1", "-1"};
    return {"membre-" + number,
            "",
            "Pseudo" + std::to_string(n * 7919 % 100000),
            n % 11 == 0 ? "64" : "0",
            std::to_string(18 + n % 50),
            sexes[n % 3],
            "Ville num\xE9ro " + number};
}

// The lines of a full list: "-1" first, then "0".
std::vector<std::vector<std::string>> ListLines(int members) {
    std::vector<std::vector<std::string>> lines;
    for (int n = 0; n < members; ++n) {
        if (n % kMembersPerLine == 0) lines.push_back({lines.empty() ? "-1" : "0"});
        const std::vector<std::string> group = Group(n);
        lines.back().insert(lines.back().end(), group.begin(), group.end());
    }
    return lines;
}

// Counts the paint events of a widget, to show that a repaint did draw.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

struct ShownRoom {
    ShownRoom() {
        windows.OpenStandardWindows();
        room = windows.RoomWindow();
        room->SetLineSender([](const std::string&) {});
        room->resize(900, 600);
        room->show();
        // A window draws only once the platform has exposed it.
        while (!room->windowHandle() || !room->windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    ShellWindows windows;
    Tform_salon* room;
};

void BM_MemberChangesRebuildAndPaint(benchmark::State& state) {
    ShownRoom shown;
    const int members = static_cast<int>(state.range(0));
    for (const auto& line : ListLines(members)) shown.room->SetMembers(line, line[0] == "-1");
    int change = 0;
    PaintCounter counter(shown.room->list_membres->viewport());
    for (auto _ : state) {
        std::vector<std::string> line{"0"};
        std::vector<std::string> group = Group(change % members);
        group[2] = "Renommé" + std::to_string(change++);
        line.insert(line.end(), group.begin(), group.end());
        shown.room->SetMembers(line, false);
        shown.room->list_membres->viewport()->repaint();
    }
    state.counters["paints_per_change"] =
        static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_MemberChangesRebuildAndPaint)
    ->Arg(35)
    ->Arg(500)
    ->Arg(5000)
    ->Unit(benchmark::kMicrosecond);

// The whole list again in one "-1" line: every entry built, sorted and drawn anew.
void BM_FullListRebuildAndPaint(benchmark::State& state) {
    ShownRoom shown;
    std::vector<std::string> line{"-1"};
    for (int n = 0; n < state.range(0); ++n) {
        const std::vector<std::string> group = Group(n);
        line.insert(line.end(), group.begin(), group.end());
    }
    for (auto _ : state) {
        shown.room->SetMembers(line, true);
        shown.room->list_membres->viewport()->repaint();
    }
}
BENCHMARK(BM_FullListRebuildAndPaint)->Arg(35)->Arg(500)->Arg(5000)->Unit(benchmark::kMicrosecond);

void BM_EnterRoomInLines(benchmark::State& state) {
    ShownRoom shown;
    const auto lines = ListLines(static_cast<int>(state.range(0)));
    double longest_ms = 0;
    for (auto _ : state) {
        for (const auto& line : lines) {
            const auto start = std::chrono::steady_clock::now();
            shown.room->SetMembers(line, line[0] == "-1");
            shown.room->list_membres->viewport()->repaint();
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            longest_ms = std::max(longest_ms, took.count());
        }
    }
    state.counters["longest_line_ms"] = longest_ms;
}
BENCHMARK(BM_EnterRoomInLines)->Arg(500)->Arg(5000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
