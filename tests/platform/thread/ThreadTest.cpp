#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "platform/thread/Thread.h"

namespace platform::thread {
namespace {

using namespace std::chrono_literals;

class ThreadLayer : public ::testing::Test {
  protected:
    ~ThreadLayer() override { SetTimeScale(1.0); }
};

TEST_F(ThreadLayer, EventsResetThemselvesAndDoNotCountSignals) {
    Event first;
    Event second;
    Event* events[] = {&first, &second};
    second.Set();
    second.Set();
    EXPECT_EQ(WaitForAny(events, 0ms), 1);
    EXPECT_EQ(WaitForAny(events, 0ms), kWaitTimeout);
}

TEST_F(ThreadLayer, WaitNamesTheLowestSignalledEvent) {
    Event events[3];
    Event* all[] = {&events[0], &events[1], &events[2]};
    events[2].Set();
    events[1].Set();
    EXPECT_EQ(WaitForAny(all, 10ms), 1);
    EXPECT_EQ(WaitForAny(all, 10ms), 2);
}

TEST_F(ThreadLayer, TimeScaleShortensLongTimeOuts) {
    SetTimeScale(1000.0);
    Event event;
    Event* events[] = {&event};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WaitForAny(events, 12000ms), kWaitTimeout);
    Sleep(5000ms);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

std::atomic<bool> g_ran{false};
Event g_done;

TEST_F(ThreadLayer, StartedThreadRunsWithItsArgumentAndRefusalIsReported) {
    static int argument = 7;
    const ThreadProcedure procedure = [](void* value) {
        g_ran = *static_cast<int*>(value) == 7;
        g_done.Set();
    };
    ASSERT_TRUE(BeginThread(procedure, &argument));
    Event* events[] = {&g_done};
    ASSERT_EQ(WaitForAny(events, 10000ms), 0);
    EXPECT_TRUE(g_ran);

    RefusedThreadStarts refused;
    EXPECT_FALSE(BeginThread(procedure, &argument));
}

}  // namespace
}  // namespace platform::thread
