#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "net/queued_main_thread.h"
#include "session/babillon.h"

// The main thread of a session test: the test thread itself, pumped by Pump. Created once and
// never destroyed, so that a detached reader that ends after its test still finds it.
inline net::QueuedMainThread& TestMainThread() {
    static net::QueuedMainThread* main_thread = [] {
        auto* created = new net::QueuedMainThread;
        net::InstallMainThread(created);
        return created;
    }();
    return *main_thread;
}

// Runs the hand-offs of the readers until done() holds; false after the (generous) limit.
inline bool Pump(const std::function<bool()>& done,
                 std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    return TestMainThread().RunUntil(done, limit);
}

// Everything a session reports, in the order it reported it. Debug texts appear as
// "<category>|<text>", the other events by name, so that one vector shows the whole story.
class SessionRecorder {
  public:
    explicit SessionRecorder(TBabillon& session) {
        TestMainThread();
        session.OnConnect = [this] { Note("connect"); };
        session.OnConnected = [this] { Note("connected"); };
        session.OnDisconnected = [this] { Note("disconnected"); };
        session.OnDisconnect = [this] { Note("disconnect"); };
        // Categories, errors and states are kept as their numbers, which the debug console and
        // the error texts are written against.
        session.OnDebug = [this](const std::string& text, DebugCategory category) {
            const auto number = static_cast<std::uint8_t>(category);
            Note(std::to_string(number) + "|" + text);
            debug.emplace_back(text, number);
        };
        session.OnError = [this](TVekError code, TVekState state) {
            const int code_number = static_cast<int>(code);
            const int state_number = static_cast<int>(state);
            Note("error " + std::to_string(code_number) + " in " + std::to_string(state_number));
            errors.emplace_back(code_number, state_number);
        };
        session.OnDataAvailable = [this](const std::string& data) {
            Note("data");
            answers.push_back(data);
        };
        session.OnChatCommande = [this](const std::string& code,
                                        const std::vector<std::string>& params) {
            Note("line " + code);
            lines.push_back({code, params});
            if (on_line) on_line(code, params);
        };
    }

    // The debug texts only, as "<category>|<text>".
    std::vector<std::string> DebugTrail() const {
        std::vector<std::string> trail;
        for (const auto& [text, category] : debug)
            trail.push_back(std::to_string(category) + "|" + text);
        return trail;
    }

    bool HasLine(const std::string& code) const {
        for (const auto& line : lines) {
            if (line.code == code) return true;
        }
        return false;
    }

    struct Line {
        std::string code;
        std::vector<std::string> params;
    };

    std::vector<std::string> events;
    std::vector<std::pair<std::string, std::uint8_t>> debug;
    std::vector<std::pair<int, int>> errors;
    std::vector<std::string> answers;
    std::vector<Line> lines;
    // Events raised on any thread but the main one; must stay 0.
    int off_main_thread = 0;
    // The test's own reaction to a line, in the place of the dispatcher.
    std::function<void(const std::string&, const std::vector<std::string>&)> on_line;

  private:
    void Note(std::string what) {
        if (!TestMainThread().IsMainThread()) ++off_main_thread;
        events.push_back(std::move(what));
    }
};
