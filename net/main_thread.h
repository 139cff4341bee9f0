#pragma once

#include <functional>
#include <memory>

// How a reader thread hands work to the main thread. The application installs a Qt
// implementation at start-up (a queued call into the GUI thread); tests and benchmarks
// install net::QueuedMainThread (queued_main_thread.h) and pump it from the test thread.
namespace net {

class MainThread {
  public:
    virtual ~MainThread() = default;
    // Queue a call to run on the main thread, in order, some time later.
    virtual void Post(std::function<void()> call) = 0;
    virtual bool IsMainThread() const = 0;
};

// Installed once at start-up, before any session connects; the installer keeps ownership.
void InstallMainThread(MainThread* main_thread);
MainThread* InstalledMainThread();

}  // namespace net
