// The room list with 2,000 rooms: the whole list arriving in one "90" line (items built,
// sorted and drawn), and a wildcard search over it (every display name matched, the results
// window opened and drawn). Each iteration is one step of the UI thread; the longest is
// reported.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "directory/form_salons.h"
#include "directory/form_salons_rech.h"
#include "main/shell_windows.h"
#include "widgets/babi_list_box.h"

namespace {

std::vector<std::string> RoomFields(int rooms) {
    const char* words[] = {"Caf\xE9", "Salon", "Amis", "Nuit", "R\xEAves", "Jeux", "Paris"};
    std::vector<std::string> fields;
    for (int n = 0; n < rooms; ++n) {
        fields.push_back(std::string(words[n % 7]) + "#" + words[(n / 7) % 7] + "#" +
                         std::to_string(n % 5));
        fields.push_back(n % 3 == 0 ? "2" : "0");
        fields.push_back(
            "Cr\xE9"
            "ateur" +
            std::to_string(n));
        fields.push_back(std::to_string(n * 37 % 150));
    }
    fields.push_back(std::to_string(rooms));
    return fields;
}

struct ShownRoomList {
    ShownRoomList() {
        windows.OpenStandardWindows();
        form = windows.RoomListWindow();
        form->SetLineSender([](const std::string&) {});
        form->resize(900, 600);
        form->show();
        while (!form->windowHandle() || !form->windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    ShellWindows windows;
    Tform_salons* form;
};

double Milliseconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void BM_FillRoomListAndPaint(benchmark::State& state) {
    ShownRoomList shown;
    const std::vector<std::string> fields = RoomFields(static_cast<int>(state.range(0)));
    double longest_ms = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        shown.form->FillRoomList(fields);
        shown.form->list_dessalons->viewport()->repaint();
        longest_ms = std::max(longest_ms, Milliseconds(start));
    }
    state.counters["longest_step_ms"] = longest_ms;
}
BENCHMARK(BM_FillRoomListAndPaint)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_WildcardSearchAndResults(benchmark::State& state) {
    ShownRoomList shown;
    shown.form->FillRoomList(RoomFields(static_cast<int>(state.range(0))));
    shown.form->text_rech->setText(QStringLiteral("*a?s*"));
    double longest_ms = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        shown.form->btn_rech->click();
        Tform_salons_rech* results = shown.form->SearchResults();
        results->list_rechsalons->viewport()->repaint();
        longest_ms = std::max(longest_ms, Milliseconds(start));
        state.PauseTiming();
        state.counters["found"] = results->list_rechsalons->count();
        delete results;
        state.ResumeTiming();
    }
    state.counters["longest_step_ms"] = longest_ms;
}
BENCHMARK(BM_WildcardSearchAndResults)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
