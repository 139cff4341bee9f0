// The whole program against babillon-server, with a heartbeat timer on the UI thread that
// measures the longest stall:
// - a room flood: the flood member says 1,000 lines per second, with emoticons and accents,
//   into the room that Tamaris has entered; 10 s are measured, with the room view's messages
//   and the process's peak memory;
// - a crowded room: entering a room of 5,000 members whose list comes in pages.

#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "config/form_connex.h"
#include "conversation/form_salon.h"
#include "main/form_main.h"
#include "main/qt_main_thread.h"
#include "platform/exe_dir.h"
#include "program/program_state.h"
#include "support/babillon_server.h"
#include "widgets/babi_rich_view.h"

namespace {

constexpr int kLinesPerSecond = 1000;
constexpr int kMeasuredSeconds = 10;
// The flood counts from the server's start: the login comes first.
constexpr int kFloodSeconds = kMeasuredSeconds + 5;
constexpr int kCrowd = 5000;
constexpr int kLoginLimitMs = 5000;
constexpr int kCrowdLimitMs = 60000;

// VmHWM or VmRSS of this process, in MiB.
double MemoryMiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024;
    }
    return 0;
}

// Runs the event loop until done() holds or the limit passes.
void RunEventsUntil(int limit_ms, const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < limit_ms && !done()) QTest::qWait(5);
}

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

// babillon-server with the given options, and Tamaris configured for it, logged in to a room.
class ProgramAgainstServer {
  public:
    ProgramAgainstServer(std::vector<std::string> server_args, const char* room)
        : server_(std::move(server_args)) {
        QFile config(data_dir_.filePath("config.vek"));
        config.open(QIODevice::WriteOnly);
        config.write(QString("[Connexion]\r\nAdrID=127.0.0.1\r\nPortID=%1\r\nAdrChat=127.0.0.1\r\n"
                             "PortChat=%2\r\n")
                         .arg(server_.http_port())
                         .arg(server_.chat_port())
                         .toLatin1());
        config.close();
        platform::SetExeDirOverride(data_dir_.path().toStdString());
        net::InstallMainThread(&main_thread_);
        main_ = std::make_unique<Tform_main>(program_, MainWindowOptions{false});
        main_->resize(1000, 700);
        main_->show();
        main_->ConnectionAction()->trigger();
        Tform_connex* dialog = main_->ConnexWindow();
        dialog->text_pseudo->setText("test");
        dialog->text_alias->setText("Mesure");
        dialog->text_salon->setText(room);
        dialog->text_pass->setText("test");
        QTest::keyClick(dialog->text_pass, Qt::Key_Return);
    }
    ~ProgramAgainstServer() {
        main_.reset();
        net::InstallMainThread(nullptr);
        platform::SetExeDirOverride("");
    }
    Tform_main& main() { return *main_; }
    int RoomMessages() {
        return main_->RoomWindow() ? main_->RoomWindow()->rich_salon->ParagraphCount() : 0;
    }
    int RoomMembers() {
        return main_->RoomWindow() ? main_->RoomWindow()->list_membres->model()->rowCount() : 0;
    }

  private:
    QTemporaryDir data_dir_;
    BabillonServer server_;
    QtMainThread main_thread_;
    ProgramState program_;
    std::unique_ptr<Tform_main> main_;
};

void BM_RoomFloodThroughTheProgram(benchmark::State& state) {
    for (auto _ : state) {
        ProgramAgainstServer program({"--flood", std::to_string(kLinesPerSecond), "--flood-seconds",
                                      std::to_string(kFloodSeconds)},
                                     "Salon#Flot");
        RunEventsUntil(kLoginLimitMs, [&] { return program.RoomMessages() > 0; });
        Heartbeat heartbeat;
        RunEventsUntil(kMeasuredSeconds * 1000, [] { return false; });
        state.counters["messages_shown"] = program.RoomMessages();
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
