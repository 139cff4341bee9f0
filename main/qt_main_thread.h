#pragma once

#include <QObject>

#include "net/main_thread.h"

// The main thread of the application is Qt's GUI thread: a reader thread's call is queued
// into its event loop.
class QtMainThread : public QObject, public net::MainThread {
    Q_OBJECT
  public:
    // Built on the GUI thread, after the QApplication.
    QtMainThread();
    // Uninstalls itself when it is the installed main thread.
    ~QtMainThread() override;

    void Post(std::function<void()> call) override;
    bool IsMainThread() const override;
};
