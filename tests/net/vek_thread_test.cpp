#include "net/vek_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "net/queued_main_thread.h"

namespace {

using namespace std::chrono_literals;

// Guards the tests against a hang; no test depends on how long anything takes.
constexpr auto kPatience = 30s;

// A thread whose step is given by the test.
class ScriptedThread : public net::VekThread {
  public:
    explicit ScriptedThread(std::function<bool(ScriptedThread&)> step) : step_(std::move(step)) {}
    bool CallOnMain(std::function<void()> call) { return Synchronize(std::move(call)); }

  protected:
    bool Step() override { return step_(*this); }

  private:
    std::function<bool(ScriptedThread&)> step_;
};

class VekThreadTest : public ::testing::Test {
  protected:
    VekThreadTest() { net::InstallMainThread(&main_); }

    // Starts a thread and returns a handle that expires when the thread has ended.
    std::weak_ptr<ScriptedThread> Start(std::function<bool(ScriptedThread&)> step) {
        auto thread = std::make_shared<ScriptedThread>(std::move(step));
        thread->Start();
        return thread;
    }

    bool PumpUntilEnded(const std::weak_ptr<ScriptedThread>& thread) {
        return main_.RunUntil([&] { return thread.expired(); }, kPatience);
    }

    net::QueuedMainThread main_;
};

TEST_F(VekThreadTest, StepsRepeatUntilTerminated) {
    std::atomic<int> steps{0};
    auto thread = Start([&](ScriptedThread&) {
        ++steps;
        std::this_thread::yield();
        return true;
    });
    ASSERT_TRUE(main_.RunUntil([&] { return steps.load() >= 3; }, kPatience));
    if (auto running = thread.lock()) running->Terminate();
    ASSERT_TRUE(PumpUntilEnded(thread));
    const int ended_at = steps.load();
    EXPECT_GE(ended_at, 3);
    main_.RunPending();
    EXPECT_EQ(steps.load(), ended_at);
}

TEST_F(VekThreadTest, AFailingStepEndsTheThread) {
    for (bool by_exception : {false, true}) {
        std::atomic<int> steps{0};
        auto thread = Start([&](ScriptedThread&) -> bool {
            if (++steps < 3) return true;
            if (by_exception) throw std::runtime_error("read failed");
            return false;
        });
        ASSERT_TRUE(PumpUntilEnded(thread));
        EXPECT_EQ(steps.load(), 3);
    }
}

TEST_F(VekThreadTest, SynchronizeRunsEachCallOnTheMainThreadInOrder) {
    const auto main_id = std::this_thread::get_id();
    std::vector<int> seen;  // touched on the main thread only
    std::vector<bool> on_main;
    std::atomic<int> next{0};
    std::atomic<bool> all_ran{true};
    auto thread = Start([&](ScriptedThread& self) {
        const int value = next++;
        const bool ran = self.CallOnMain([&, value] {
            seen.push_back(value);
            on_main.push_back(std::this_thread::get_id() == main_id);
        });
        if (!ran) all_ran = false;
        return value < 9;
    });
    ASSERT_TRUE(PumpUntilEnded(thread));
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(on_main, std::vector<bool>(10, true));
    EXPECT_TRUE(all_ran.load());
}

TEST_F(VekThreadTest, TerminateWhileTheCallIsQueuedCancelsIt) {
    bool ran = false;
    std::atomic<int> result{-1};
    auto thread = Start([&](ScriptedThread& self) {
        result = self.CallOnMain([&] { ran = true; }) ? 1 : 0;
        return true;
    });
    // Wait for the call to be queued without running it.
    ASSERT_TRUE(main_.RunUntil([&] { return main_.PendingCount() > 0; }, kPatience));
    if (auto running = thread.lock()) running->Terminate();
    ASSERT_TRUE(PumpUntilEnded(thread));
    main_.RunPending();
    EXPECT_FALSE(ran);
    EXPECT_EQ(result.load(), 0);
}

TEST_F(VekThreadTest, SynchronizeAfterTerminateDoesNotRun) {
    bool ran = false;
    std::atomic<int> result{-1};
    auto thread = Start([&](ScriptedThread& self) {
        self.Terminate();
        result = self.CallOnMain([&] { ran = true; }) ? 1 : 0;
        return true;
    });
    ASSERT_TRUE(PumpUntilEnded(thread));
    main_.RunPending();
    EXPECT_FALSE(ran);
    EXPECT_EQ(result.load(), 0);
}

// The session's own pattern: the handler, on the main thread, stops the reader that called
// it and starts the next one, while the first still waits in its Synchronize.
TEST_F(VekThreadTest, TheCallMayTerminateItsOwnThreadAndStartTheNext) {
    std::vector<int> handled;  // main thread only
    std::atomic<int> first_result{-1};
    std::weak_ptr<ScriptedThread> second;
    auto first = Start([&](ScriptedThread& self) {
        first_result = self.CallOnMain([&] {
            handled.push_back(1);
            self.Terminate();
            second = Start([&](ScriptedThread& next) {
                next.CallOnMain([&] { handled.push_back(2); });
                return false;
            });
        })
                           ? 1
                           : 0;
        return true;
    });
    ASSERT_TRUE(PumpUntilEnded(first));
    ASSERT_TRUE(main_.RunUntil([&] { return !handled.empty() && second.expired(); }, kPatience));
    EXPECT_EQ(handled, (std::vector<int>{1, 2}));
    EXPECT_EQ(first_result.load(), 1);
}

TEST_F(VekThreadTest, AnExceptionInTheCallEndsTheThreadNotTheMainThread) {
    std::atomic<int> steps{0};
    auto thread = Start([&](ScriptedThread& self) {
        ++steps;
        self.CallOnMain([] { throw std::runtime_error("handler failed"); });
        return true;
    });
    ASSERT_TRUE(PumpUntilEnded(thread));
    EXPECT_EQ(steps.load(), 1);
}

TEST_F(VekThreadTest, SynchronizeOnTheMainThreadRunsAtOnce) {
    ScriptedThread thread([](ScriptedThread&) { return false; });
    bool ran = false;
    EXPECT_TRUE(thread.CallOnMain([&] { ran = true; }));
    EXPECT_TRUE(ran);
}

TEST(VekThread, AMainThreadGoneWithTheCallQueuedReleasesTheWaitingThread) {
    auto result = std::make_shared<std::promise<bool>>();
    auto done = result->get_future();
    {
        net::QueuedMainThread main;
        net::InstallMainThread(&main);
        auto thread = std::make_shared<ScriptedThread>([result](ScriptedThread& self) {
            result->set_value(self.CallOnMain([] {}));
            return false;
        });
        thread->Start();
        thread.reset();
        ASSERT_TRUE(main.RunUntil([&] { return main.PendingCount() > 0; }, kPatience));
    }
    EXPECT_EQ(net::InstalledMainThread(), nullptr);
    ASSERT_EQ(done.wait_for(kPatience), std::future_status::ready);
    EXPECT_FALSE(done.get());
}

}  // namespace
