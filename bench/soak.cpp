// The whole program in a long session against babillon-server --soak: logged in through its
// real windows, it samples its own memory (VmRSS) every few seconds while the server's members
// talk, come and go, open private conversations and the friends arrive and leave. As a user
// would, it answers each private conversation once and closes its window a while later.
//
// Writes soak.csv and soak.png into the output directory and prints how fast the memory grows
// once the room view and the debug console are full, in MiB per hour (see SlopeWhenFull). With
// --max-slope it fails (exit status 1) when the growth is faster, or when the run gives fewer
// than 8 whole minutes of full views to measure it on.
//
//   bench_soak [--seconds 720] [--sample-seconds 5] [--out DIR] [--max-slope MIB_PER_HOUR]

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <map>
#include <string_view>

#include "conversation/form_prive.h"
#include "directory/form_debug.h"
#include "memory_curve.h"
#include "program_against_server.h"

namespace {

constexpr std::size_t kFitMinutes = 8;
constexpr int kLoginLimitMs = 10000;
constexpr int kAnswerAfterSeconds = 6;
constexpr int kCloseAfterSeconds = 12;
// The session's state while the chat connection is up.
constexpr int kChatState = 5;

struct Settings {
    double seconds = 720;
    double sample_seconds = 5;
    QString out = ".";
    double max_slope = -1;  // MiB per hour; negative: no limit
};

bool ParseSettings(int argc, char** argv, Settings& settings) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        bool valid = true;
        if (name == "--seconds") {
            settings.seconds = QString(argv[i + 1]).toDouble(&valid);
        } else if (name == "--sample-seconds") {
            settings.sample_seconds = QString(argv[i + 1]).toDouble(&valid);
        } else if (name == "--out") {
            settings.out = QString::fromLocal8Bit(argv[i + 1]);
        } else if (name == "--max-slope") {
            settings.max_slope = QString(argv[i + 1]).toDouble(&valid);
        } else {
            valid = false;
        }
        if (!valid) return false;
    }
    return argc % 2 == 1 && settings.seconds > 0 && settings.sample_seconds > 0;
}

// The user's side of the private conversations: each window is answered once after a few
// seconds and closed with its "Fermer la fenêtre" button a few seconds later.
class PrivateWindowUser {
  public:
    explicit PrivateWindowUser(Tform_main& main) : main_(main) {}

    void Step(double now) {
        for (int slot = 0; slot < main_.PrivateWindowCount(); ++slot) {
            Tform_prive* window = main_.PrivateWindow(slot);
            if (window == nullptr) continue;
            const auto [seen, added] = opened_.try_emplace(window, Seen{now, false});
            Seen& state = seen->second;
            if (!state.answered && now - state.since >= kAnswerAfterSeconds) {
                window->text_envoi->setText(QStringLiteral("Merci, à plus tard ! :-)"));
                QTest::keyClick(window->text_envoi, Qt::Key_Return);
                state.answered = true;
            } else if (now - state.since >= kCloseAfterSeconds) {
                window->btn_close->click();
                opened_.erase(seen);
            }
        }
    }
    int Open() const {
        int open = 0;
        for (int slot = 0; slot < main_.PrivateWindowCount(); ++slot) {
            if (main_.PrivateWindow(slot) != nullptr) ++open;
        }
        return open;
    }

  private:
    struct Seen {
        double since;
        bool answered;
    };
    Tform_main& main_;
    std::map<const Tform_prive*, Seen> opened_;
};

MemorySample Sample(double seconds, ProgramAgainstServer& program, const PrivateWindowUser& user) {
    MemorySample sample;
    sample.seconds = seconds;
    sample.rss_mib = MemoryMiB("VmRSS");
    sample.room_paragraphs = program.RoomMessages();
    sample.room_members = program.RoomMembers();
    sample.private_windows = user.Open();
    sample.private_slots = program.main().PrivateWindowCount();
    if (Tform_debug* debug = program.main().DebugWindow()) {
        sample.debug_lines = debug->list_debug->count();
    }
    return sample;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Settings settings;
    if (!ParseSettings(argc, argv, settings)) {
        std::fprintf(stderr,
                     "usage: bench_soak [--seconds S] [--sample-seconds S] [--out DIR] "
                     "[--max-slope MIB_PER_HOUR]\n");
        return 2;
    }
    if (!QDir().mkpath(settings.out)) {
        std::fprintf(stderr, "bench_soak: cannot make %s\n", qPrintable(settings.out));
        return 2;
    }

    std::vector<MemorySample> samples;
    bool connected_to_the_end = false;
    {
        ProgramAgainstServer program({"--soak"}, "Salon#Marathon");
        RunEventsUntil(kLoginLimitMs, [&] { return program.RoomMessages() > 0; });
        if (program.RoomMessages() == 0) {
            std::fprintf(stderr, "bench_soak: no room message %d s after the login\n",
                         kLoginLimitMs / 1000);
            return 1;
        }
        PrivateWindowUser user(program.main());
        QElapsedTimer clock;
        clock.start();
        const auto now = [&clock] { return clock.elapsed() / 1000.0; };
        QTimer user_timer;
        QObject::connect(&user_timer, &QTimer::timeout, [&] { user.Step(now()); });
        user_timer.start(1000);
        QTimer sample_timer;
        QObject::connect(&sample_timer, &QTimer::timeout, [&] {
            samples.push_back(Sample(now(), program, user));
            const MemorySample& s = samples.back();
            std::printf(
                "%6.0f s  %7.1f MiB  room %5d paragraphs %3d members  privates %d open "
                "%d slots  debug %d lines\n",
                s.seconds, s.rss_mib, s.room_paragraphs, s.room_members, s.private_windows,
                s.private_slots, s.debug_lines);
            std::fflush(stdout);
        });
        samples.push_back(Sample(0, program, user));
        sample_timer.start(static_cast<int>(settings.sample_seconds * 1000));
        RunEventsUntil(static_cast<int>(settings.seconds * 1000), [] { return false; });
        samples.push_back(Sample(now(), program, user));
        connected_to_the_end = program.main().Babillon.VekState == kChatState;
    }

    // A program that lost its connection, or fell so far behind that the members had left
    // before it asked about them, measured something else than a long session.
    if (!connected_to_the_end) {
        std::fprintf(stderr, "bench_soak: the program lost its chat connection; no curve\n");
        return 1;
    }
    const QString csv = settings.out + "/soak.csv";
    const QString png = settings.out + "/soak.png";
    const MemorySlope slope = SlopeWhenFull(samples);
    if (!WriteMemoryCsv(samples, csv) || !WriteMemoryPlot(samples, slope, png)) {
        std::fprintf(stderr, "bench_soak: cannot write %s or %s\n", qPrintable(csv),
                     qPrintable(png));
        return 1;
    }
    std::printf("curve: %s, %s; peak VmHWM %.1f MiB\n", qPrintable(csv), qPrintable(png),
                MemoryMiB("VmHWM"));
    if (slope.full_seconds < 0) {
        std::printf("the room view and the debug console were never both full: no slope\n");
        return settings.max_slope >= 0 ? 1 : 0;
    }
    std::printf("room view and debug console full at %.0f s; lowest VmRSS of each minute from "
                "there: %.1f to %.1f MiB over %zu minutes\n",
                slope.full_seconds, slope.lows.empty() ? 0.0 : slope.lows.front().rss_mib,
                slope.lows.empty() ? 0.0 : slope.lows.back().rss_mib, slope.lows.size());
    if (slope.lows.size() < kFitMinutes) {
        std::printf("fewer than %zu whole minutes of full views: no slope\n", kFitMinutes);
        return settings.max_slope >= 0 ? 1 : 0;
    }
    std::printf("growth: %+.2f MiB per hour\n", slope.mib_per_hour);
    if (settings.max_slope >= 0 && slope.mib_per_hour > settings.max_slope) {
        std::printf("the memory grows faster than %.1f MiB per hour\n", settings.max_slope);
        return 1;
    }
    return 0;
}
