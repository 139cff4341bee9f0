#include "net/queued_main_thread.h"

#include <utility>

namespace net {

namespace {
// done() may turn true without any call being posted (a thread ending), so the wait is cut
// into slices to look at it again.
constexpr std::chrono::milliseconds kPollSlice{5};
}  // namespace

QueuedMainThread::QueuedMainThread() : main_id_(std::this_thread::get_id()) {}

QueuedMainThread::~QueuedMainThread() {
    if (InstalledMainThread() == this) InstallMainThread(nullptr);
}

void QueuedMainThread::Post(std::function<void()> call) {
    // Notified under the lock: once the main thread sees the call, it may destroy this
    // object, and the posting thread must no longer touch it.
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(call));
    posted_.notify_all();
}

bool QueuedMainThread::IsMainThread() const {
    return std::this_thread::get_id() == main_id_;
}

bool QueuedMainThread::TakeOne(std::function<void()>* call) {
    std::lock_guard lock(mutex_);
    if (queue_.empty()) return false;
    *call = std::move(queue_.front());
    queue_.pop_front();
    return true;
}

bool QueuedMainThread::RunUntil(const std::function<bool()>& done,
                                std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (done()) return true;
        std::function<void()> call;
        if (TakeOne(&call)) {
            call();
            continue;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return false;
        std::unique_lock lock(mutex_);
        posted_.wait_until(lock, std::min(deadline, now + kPollSlice),
                           [this] { return !queue_.empty(); });
    }
}

void QueuedMainThread::RunPending() {
    std::function<void()> call;
    while (TakeOne(&call)) call();
}

std::size_t QueuedMainThread::PendingCount() {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

}  // namespace net
