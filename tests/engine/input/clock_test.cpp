#include "engine/input/clock.h"
#include "engine/input/event.h"
#include "engine/input/polled_input.h"
#include "engine/input/timer.h"
#include <climits>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(Clock, ElapsedTimeSurvivesTheWrapAndNeverRunsBackwards) {
    EXPECT_EQ(ElapsedMilliseconds(1000, 1010), 10);
    EXPECT_EQ(ElapsedMilliseconds(INT_MAX - 4, INT_MIN + 5), 10);
    EXPECT_EQ(ElapsedMilliseconds(-6, 4), 10); // the unsigned wrap of a tick count
    EXPECT_EQ(ElapsedMilliseconds(1010, 1000), 0);
    EXPECT_EQ(ElapsedMilliseconds(5, 5), 0);
}

TEST(Clock, AManualClockMovesOnlyWhenAdvancedAndDelayAdvancesIt) {
    auto manual = New<TManualClock>(INT_MAX - 2);
    SetClock(manual);
    int start = Milliseconds();
    EXPECT_EQ(start, INT_MAX - 2);
    EXPECT_EQ(Milliseconds(), start);
    Delay(5); // returns at once
    manual->Advance(10);
    Delay(-3);
    EXPECT_EQ(ElapsedMilliseconds(start, Milliseconds()), 15);
    manual->Set(100); // stepped back
    EXPECT_EQ(ElapsedMilliseconds(start, Milliseconds()), 0);
    ResetClock();
    EXPECT_FALSE(Cast<TManualClock>(CurrentClock()));
}

TEST(Clock, TheSystemClockSleepsAndMovesForward) {
    ResetClock();
    int before = Milliseconds();
    Delay(20);
    int slept = ElapsedMilliseconds(before, Milliseconds());
    EXPECT_GE(slept, 19);
    EXPECT_LT(slept, 1000);
}

class Timers : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetInput();
        clock = New<TManualClock>(-5); // across the wrap of the tick count
        SetClock(clock);
    }
    void TearDown() override { ResetInput(); }
    Ref<TManualClock> clock;
};

TEST_F(Timers, FiringsAreCountedFromTheClockAndWaitCatchesUp) {
    EXPECT_FALSE(CreateTimer(0));
    auto timer = CreateTimer(100);
    ASSERT_TRUE(timer);
    clock->Advance(35);
    EXPECT_EQ(timer->Ticks(), 3);
    EXPECT_EQ(timer->Wait(), 3);
    // Nothing pending: Wait sleeps on the clock until the next firing.
    int before = Milliseconds();
    EXPECT_EQ(timer->Wait(), 1);
    EXPECT_EQ(ElapsedMilliseconds(before, Milliseconds()), 5);
    clock->Set(0); // a clock stepping back does not un-fire anything
    EXPECT_EQ(timer->Ticks(), 4);
    timer->Stop();
    clock->Advance(100);
    EXPECT_EQ(timer->Wait(), 0);
    EXPECT_EQ(timer->Ticks(), 4);
}

TEST_F(Timers, EachTimerWithNewFiringsEmitsOneTickWhenEventsAreProcessed) {
    auto timer = CreateTimer(50);
    auto custom = New<TEvent>();
    custom->id = 4000;
    custom->data = 7;
    auto other = CreateTimer(10, custom);
    EXPECT_EQ(PollEvent(), 0);
    clock->Advance(65); // three firings of the first, none of the second
    EXPECT_EQ(PollEvent(), EventTimerTick);
    EXPECT_EQ(EventData(), 3);
    EXPECT_EQ(CurrentEvent().source, timer);
    EXPECT_EQ(PollEvent(), 0);
    clock->Advance(40);
    EXPECT_EQ(WaitEvent(), EventTimerTick);
    EXPECT_EQ(WaitEvent(), 4000);
    EXPECT_EQ(EventData(), 7);

    // A dropped timer stops firing.
    other.reset();
    timer.reset();
    clock->Advance(1000);
    EXPECT_EQ(PollEvent(), 0);
}

TEST(EventQueue, HooksSeeEveryEventAndTheRingKeepsTheLatest) {
    ResetInput();
    std::vector<int> seen;
    int handle = AddEventHook([&](const TEvent& e) { seen.push_back(e.data); });
    for (int i = 0; i < EventQueueSize + 44; ++i) {
        TEvent e;
        e.id = EventMouseMove;
        e.data = i;
        e.x = i;
        e.y = -i;
        EmitEvent(e);
    }
    RemoveEventHook(handle);
    TEvent key;
    key.id = EventKeyDown;
    EmitEvent(key);
    EXPECT_EQ(seen.size(), size_t(EventQueueSize + 44));

    std::vector<int> queued;
    while (PollEvent() == EventMouseMove) {
        EXPECT_EQ(EventX(), EventData());
        EXPECT_EQ(EventY(), -EventData());
        queued.push_back(EventData());
    }
    EXPECT_EQ(EventID(), EventKeyDown);
    ASSERT_EQ(queued.size(), size_t(EventQueueSize - 1));
    EXPECT_EQ(queued.front(), 45);
    EXPECT_EQ(queued.back(), EventQueueSize + 43);
    EXPECT_EQ(PollEvent(), 0);
    EXPECT_EQ(EventID(), 0);
    ResetInput();
}

} // namespace
} // namespace wispwood
