#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

// The networking library's thread class: a step that repeats until the thread is told to
// terminate or a step fails, and Synchronize, which runs a call on the main thread and
// waits for it. A thread is started with Start() and frees itself when it ends: the
// owner keeps a std::weak_ptr to learn whether it is still there.
namespace net {

class VekThread : public std::enable_shared_from_this<VekThread> {
  public:
    virtual ~VekThread() = default;

    // Starts the detached thread; it holds itself alive until its loop ends.
    void Start();
    // Asks the loop to stop after the current step; a Synchronize still waiting for the
    // main thread is abandoned if the main thread has not begun the call yet.
    void Terminate();
    bool Terminated() const { return terminated_.load(); }

  protected:
    // One step; returning false or throwing ends the thread.
    virtual bool Step() = 0;
    // Runs on the main thread and waits for it. Returns false when the call was abandoned
    // because the thread was told to terminate first (or the main thread dropped it unrun
    // at shutdown). Called from the main thread itself, it runs the call directly. An
    // exception thrown by the call is thrown again here, which ends the thread.
    bool Synchronize(std::function<void()> call);

  private:
    void Run();
    std::atomic<bool> terminated_{false};
    struct Pending;
    // Guards pending_ and orders it with terminated_, so that Terminate either sees the
    // call waiting or Synchronize sees the thread terminated.
    std::mutex mutex_;
    std::shared_ptr<Pending> pending_;
};

}  // namespace net
