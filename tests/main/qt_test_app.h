#pragma once

#include <QApplication>
#include <QTest>
#include <chrono>
#include <functional>

// One QApplication for the whole test executable (GoogleTest owns main()). It is left alive
// at exit on purpose: Qt does not like being torn down by static destructors.
inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "tamaris-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Runs the event loop until done() holds; false when the limit came first.
inline bool WaitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    const auto give_up = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > give_up) return false;
        QTest::qWait(10);
    }
    return true;
}
