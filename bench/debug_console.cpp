// Inbound lines into a shown debug console that holds its limit of lines and follows the end,
// as while the user reads the newest: the trace that every inbound line leaves. The lines come
// in bursts of range(0), one hand-off from the chat reader each, and the event loop runs
// between two bursts, so that what the console leaves for later is measured too.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <string>

#include "directory/form_debug.h"
#include "main/shell_windows.h"

namespace {

constexpr std::uint8_t kChat = 4;

std::string TraceLine(std::size_t n) {
    return "[Chat-70] message de salon n\xB0" + std::to_string(n) + " de Gaston";
}

void BM_LinesIntoAFullConsole(benchmark::State& state) {
    const auto burst = static_cast<std::size_t>(state.range(0));
    ShellWindows windows;
    Tform_debug form(windows.context());
    form.resize(700, 300);
    form.show();
    std::size_t n = 0;
    for (; n < Tform_debug::kKeptLines; ++n) form.Append(TraceLine(n), kChat);
    QApplication::processEvents();
    for (auto _ : state) {
        for (std::size_t i = 0; i < burst; ++i) form.Append(TraceLine(n++), kChat);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * burst));
    state.counters["at_the_end"] = form.list_debug->verticalScrollBar()->value() ==
                                   form.list_debug->verticalScrollBar()->maximum();
}
BENCHMARK(BM_LinesIntoAFullConsole)->Arg(1)->Arg(2)->Arg(20)->Unit(benchmark::kMicrosecond);

}  // namespace
