// The whole program under a room flood: babillon-server's flood member says 1,000 lines per
// second, with emoticons and accents, into the room that Tamaris has entered; 10 s of it are
// measured. A
// heartbeat timer on the UI thread measures the longest stall; the room view's messages and
// the process's peak memory are reported beside it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <string>

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

// VmHWM or VmRSS of this process, in MiB.
double MemoryMiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024;
    }
    return 0;
}

void RunEvents(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) QTest::qWait(5);
}

void LogIn(Tform_main& main) {
    main.ConnectionAction()->trigger();
    Tform_connex* dialog = main.ConnexWindow();
    dialog->findChild<QLineEdit*>("text_pseudo")->setText("test");
    dialog->findChild<QLineEdit*>("text_alias")->setText("Mesure");
    dialog->findChild<QLineEdit*>("text_salon")->setText("Salon#Flot");
    auto* pass = dialog->findChild<QLineEdit*>("text_pass");
    pass->setText("test");
    QTest::keyClick(pass, Qt::Key_Return);
}

void BM_RoomFloodThroughTheProgram(benchmark::State& state) {
    QTemporaryDir data_dir;
    BabillonServer server({"--flood", std::to_string(kLinesPerSecond), "--flood-seconds",
                           std::to_string(kFloodSeconds)});
    QFile config(data_dir.filePath("config.vek"));
    config.open(QIODevice::WriteOnly);
    config.write(QString("[Connexion]\r\nAdrID=127.0.0.1\r\nPortID=%1\r\nAdrChat=127.0.0.1\r\n"
                         "PortChat=%2\r\n")
                     .arg(server.http_port())
                     .arg(server.chat_port())
                     .toLatin1());
    config.close();
    platform::SetExeDirOverride(data_dir.path().toStdString());

    QtMainThread main_thread;
    net::InstallMainThread(&main_thread);
    ProgramState program;
    for (auto _ : state) {
        Tform_main main(program, MainWindowOptions{false});
        main.resize(1000, 700);
        main.show();
        LogIn(main);
        QElapsedTimer login;
        login.start();
        while (login.elapsed() < 5000 &&
               (!main.RoomWindow() || main.RoomWindow()->rich_salon->ParagraphCount() == 0)) {
            QTest::qWait(5);
        }

        QElapsedTimer clock;
        qint64 last = 0, longest = 0;
        QTimer heartbeat;
        heartbeat.setInterval(5);
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            longest = std::max(longest, now - last);
            last = now;
        });
        clock.start();
        heartbeat.start();
        RunEvents(kMeasuredSeconds * 1000);
        heartbeat.stop();

        Tform_salon* room = main.RoomWindow();
        state.counters["messages_shown"] = room ? room->rich_salon->ParagraphCount() : 0;
        state.counters["longest_stall_ms"] = static_cast<double>(longest);
        state.counters["peak_MiB"] = MemoryMiB("VmHWM");
        state.counters["rss_MiB"] = MemoryMiB("VmRSS");
    }
    net::InstallMainThread(nullptr);
    platform::SetExeDirOverride("");
}
BENCHMARK(BM_RoomFloodThroughTheProgram)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
