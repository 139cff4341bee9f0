#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "net/main_thread.h"

// A main thread made of a plain queue, for tests and benchmarks: the thread that constructs
// it is the main thread and pumps the queued calls with RunUntil or RunPending.
namespace net {

class QueuedMainThread : public MainThread {
  public:
    QueuedMainThread();
    // Uninstalls itself when it is the installed main thread. Calls still queued are
    // dropped, which abandons the Synchronize waiting for them.
    ~QueuedMainThread() override;
    QueuedMainThread(const QueuedMainThread&) = delete;
    QueuedMainThread& operator=(const QueuedMainThread&) = delete;

    void Post(std::function<void()> call) override;
    bool IsMainThread() const override;

    // Runs queued calls, in order, until done() is true; false when the timeout came first.
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Runs the queued calls, and those they queue, until the queue is empty.
    void RunPending();
    // Calls posted and not yet run.
    std::size_t PendingCount();

  private:
    bool TakeOne(std::function<void()>* call);

    const std::thread::id main_id_;
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> queue_;
};

}  // namespace net
