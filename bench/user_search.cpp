// A search answer of 50 and 500 people, for either sex (three sorted groups) and for one sex,
// filled into the shown search window and drawn; the longest single fill is reported, since
// the whole answer arrives in one line and is handled in one step of the UI thread.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "directory/form_connectes.h"
#include "main/shell_windows.h"
#include "widgets/babi_list_box.h"

namespace {

std::vector<std::string> Reply(int people, bool one_sex) {
    const char* sexes[] = {"0", "1", "-1"};
    std::vector<std::string> fields{std::to_string(people) + ":-2:" + (one_sex ? "0" : "-2")};
    for (int n = 0; n < people; ++n) {
        const std::string number = std::to_string(n);
        fields.insert(fields.end(),
                      {"membre-" + number, "Pseudo" + std::to_string(n * 7919 % 100000), "0",
                       std::to_string(18 + n % 50)});
        if (!one_sex) fields.push_back(sexes[n % 3]);
        fields.insert(fields.end(),
                      {"Ville num\xE9ro " + number, "Salon#" + std::to_string(n % 40), "0"});
    }
    return fields;
}

struct ShownSearch {
    ShownSearch() {
        windows.OpenStandardWindows();
        form = windows.SearchWindow();
        form->resize(900, 600);
        form->show();
        // A window draws only once the platform has exposed it.
        while (!form->windowHandle() || !form->windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    ShellWindows windows;
    Tform_connectes* form;
};

void FillAndPaint(benchmark::State& state, bool one_sex) {
    ShownSearch shown;
    const std::vector<std::string> fields = Reply(static_cast<int>(state.range(0)), one_sex);
    double longest_ms = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (one_sex) {
            shown.form->FillUserResultsOneSex(fields, "0");
        } else {
            shown.form->FillUserResults(fields);
        }
        shown.form->list_rech->viewport()->repaint();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        longest_ms = std::max(longest_ms, took.count());
    }
    state.counters["longest_step_ms"] = longest_ms;
}

void BM_SearchResultEitherSex(benchmark::State& state) {
    FillAndPaint(state, false);
}
BENCHMARK(BM_SearchResultEitherSex)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_SearchResultOneSex(benchmark::State& state) {
    FillAndPaint(state, true);
}
BENCHMARK(BM_SearchResultOneSex)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace
