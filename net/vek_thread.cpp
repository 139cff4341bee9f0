#include "net/vek_thread.h"

#include <condition_variable>
#include <exception>
#include <stdexcept>
#include <thread>
#include <utility>

#include "net/main_thread.h"

namespace net {

// One call handed to the main thread. The main thread moves it from kQueued to kRunning
// when it begins; Terminate moves it from kQueued to kCancelled. Only these two can leave
// kQueued, under the mutex, so a call either runs completely or not at all.
struct VekThread::Pending {
    enum class State { kQueued, kRunning, kFinished, kCancelled };

    std::mutex mutex;
    std::condition_variable changed;
    State state = State::kQueued;
    std::exception_ptr error;

    void Cancel() {
        {
            std::lock_guard lock(mutex);
            if (state != State::kQueued) return;
            state = State::kCancelled;
        }
        changed.notify_all();
    }

    bool Begin() {
        std::lock_guard lock(mutex);
        if (state != State::kQueued) return false;
        state = State::kRunning;
        return true;
    }

    void Finish(std::exception_ptr failure) {
        {
            std::lock_guard lock(mutex);
            error = std::move(failure);
            state = State::kFinished;
        }
        changed.notify_all();
    }
};

void VekThread::Start() {
    std::thread([self = shared_from_this()] { self->Run(); }).detach();
}

void VekThread::Run() {
    while (!terminated_.load()) {
        bool again = false;
        try {
            again = Step();
        } catch (...) {
            again = false;
        }
        if (!again) break;
    }
}

void VekThread::Terminate() {
    std::shared_ptr<Pending> pending;
    {
        std::lock_guard lock(mutex_);
        terminated_.store(true);
        pending = pending_;
    }
    if (pending) pending->Cancel();
}

bool VekThread::Synchronize(std::function<void()> call) {
    MainThread* main_thread = InstalledMainThread();
    if (main_thread == nullptr) throw std::logic_error("no main thread installed");
    if (main_thread->IsMainThread()) {
        call();
        return true;
    }

    auto pending = std::make_shared<Pending>();
    {
        std::lock_guard lock(mutex_);
        if (terminated_.load()) return false;
        pending_ = pending;
    }
    // When the main thread drops the queued call without running it (its queue destroyed at
    // shutdown), the last copy of this ticket goes and the wait below ends.
    std::shared_ptr<void> ticket(nullptr, [pending](void*) { pending->Cancel(); });
    main_thread->Post([pending, ticket, call = std::move(call)] {
        if (!pending->Begin()) return;
        std::exception_ptr failure;
        try {
            call();
        } catch (...) {
            failure = std::current_exception();
        }
        pending->Finish(std::move(failure));
    });
    ticket.reset();

    std::unique_lock lock(pending->mutex);
    pending->changed.wait(lock, [&] {
        return pending->state == Pending::State::kFinished ||
               pending->state == Pending::State::kCancelled;
    });
    const bool ran = pending->state == Pending::State::kFinished;
    std::exception_ptr error = pending->error;
    lock.unlock();
    {
        std::lock_guard guard(mutex_);
        if (pending_ == pending) pending_.reset();
    }
    if (error) std::rethrow_exception(error);
    return ran;
}

}  // namespace net
