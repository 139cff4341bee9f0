// The friends window at scale: a whole friends list arriving in one "330" line of 20,000,
// 40,000 and 100,000 entries, then, for 5,000 friends, their information records in one
// "332" line and all of them leaving in one "332" line. Each line is one step of the UI
// thread (the list rebuilt and drawn); the longest step is reported.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "directory/form_amis.h"
#include "main/shell_windows.h"
#include "widgets/babi_list_box.h"

namespace {

std::string Nickname(int n) {
    return "Ami" + std::to_string(n * 7919 % 1000003);
}

// "nickname:<digits>0account", as the server writes a friend.
std::vector<std::string> FriendsLine(int friends) {
    std::vector<std::string> fields{"-1"};
    fields.reserve(friends + 1);
    for (int n = 0; n < friends; ++n)
        fields.push_back(Nickname(n) + ":120compte" + std::to_string(n));
    return fields;
}

std::vector<std::string> InformationLine(int friends) {
    const char* sexes[] = {"0", "1", "-1"};
    std::vector<std::string> fields{"0"};
    for (int n = 0; n < friends; ++n) {
        fields.insert(fields.end(),
                      {"ami-" + std::to_string(n), Nickname(n), "", std::to_string(18 + n % 50),
                       sexes[n % 3], "Ville num\xE9ro " + std::to_string(n), "en ligne"});
    }
    return fields;
}

std::vector<std::string> DepartureLine(int friends) {
    std::vector<std::string> fields{"1"};
    for (int n = 0; n < friends; ++n) fields.insert(fields.end(), {Nickname(n), ""});
    return fields;
}

struct ShownFriends {
    ShownFriends() {
        windows.OpenStandardWindows();
        form = windows.FriendsWindow();
        form->SetSoundPlayer([](const std::string&) {});
        form->resize(900, 600);
        form->show();
        while (!form->windowHandle() || !form->windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    ShellWindows windows;
    Tform_amis* form;
};

double Milliseconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void BM_FriendsListArrives(benchmark::State& state) {
    ShownFriends shown;
    const std::vector<std::string> line = FriendsLine(static_cast<int>(state.range(0)));
    double longest_ms = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        shown.form->AddFriends(line, true);
        shown.form->list_amis->viewport()->repaint();
        longest_ms = std::max(longest_ms, Milliseconds(start));
    }
    state.counters["kept"] = static_cast<double>(shown.form->Friends().Records().size());
    state.counters["longest_step_ms"] = longest_ms;
}
BENCHMARK(BM_FriendsListArrives)
    ->Arg(20000)
    ->Arg(40000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BM_FriendsInformation(benchmark::State& state) {
    ShownFriends shown;
    const int friends = static_cast<int>(state.range(0));
    shown.form->AddFriends(FriendsLine(friends), true);
    const std::vector<std::string> line = InformationLine(friends);
    double longest_ms = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        shown.form->UpdateFriendInfo(line);
        shown.form->list_amis->viewport()->repaint();
        longest_ms = std::max(longest_ms, Milliseconds(start));
    }
    state.counters["listed"] = shown.form->list_amis->count();
    state.counters["longest_step_ms"] = longest_ms;
}
BENCHMARK(BM_FriendsInformation)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_FriendsLeave(benchmark::State& state) {
    ShownFriends shown;
    const int friends = static_cast<int>(state.range(0));
    shown.form->AddFriends(FriendsLine(friends), true);
    const std::vector<std::string> information = InformationLine(friends);
    const std::vector<std::string> line = DepartureLine(friends);
    double longest_ms = 0;
    for (auto _ : state) {
        state.PauseTiming();
        shown.form->UpdateFriendInfo(information);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        shown.form->MarkFriendsGone(line);
        shown.form->list_amis->viewport()->repaint();
        longest_ms = std::max(longest_ms, Milliseconds(start));
    }
    state.counters["longest_step_ms"] = longest_ms;
}
BENCHMARK(BM_FriendsLeave)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace
