#pragma once

#include <QApplication>
#include <cstdlib>

// The one QApplication of a target over the windows' logic, headless; made on first use and
// left alive at exit, as Qt does not like being torn down by static destructors.
inline QApplication& FuzzApplication() {
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "tamaris-fuzz";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}
