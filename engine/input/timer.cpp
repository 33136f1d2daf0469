#include "engine/input/timer.h"
#include "engine/input/clock.h"
#include <climits>
#include <cmath>
#include <vector>

namespace wispwood {
namespace {

std::vector<std::weak_ptr<TTimer>>& Timers() {
    static std::vector<std::weak_ptr<TTimer>> timers;
    return timers;
}

} // namespace

TTimer::TTimer(double hz, Ref<TEvent> event)
    : hz_(hz), event_(std::move(event)), lastReading_(Milliseconds()) {}

void TTimer::Catch() {
    if (stopped_) return;
    int now = Milliseconds();
    elapsed_ += ElapsedMilliseconds(lastReading_, now);
    lastReading_ = now;
    ticks_ = static_cast<int64_t>(std::floor(elapsed_ * hz_ / 1000.0));
}

int TTimer::Ticks() {
    Catch();
    return static_cast<int>(ticks_ & INT_MAX);
}

int TTimer::Wait() {
    for (;;) {
        Catch();
        if (stopped_) return 0;
        if (ticks_ > waited_) {
            int64_t fired = ticks_ - waited_;
            waited_ = ticks_;
            return static_cast<int>(fired > INT_MAX ? INT_MAX : fired);
        }
        auto due = static_cast<int64_t>(std::ceil((waited_ + 1) * 1000.0 / hz_));
        Delay(static_cast<int>(std::max<int64_t>(1, due - elapsed_)));
    }
}

void TTimer::Stop() {
    stopped_ = true;
}

void TTimer::EmitPendingTick() {
    Catch();
    if (stopped_ || ticks_ <= emitted_) return;
    emitted_ = ticks_;
    if (event_) {
        EmitEvent(*event_);
        return;
    }
    TEvent tick;
    tick.id = EventTimerTick;
    tick.source = shared_from_this();
    tick.data = static_cast<int>(ticks_ & INT_MAX);
    EmitEvent(tick);
}

Ref<TTimer> CreateTimer(double hz, Ref<TEvent> event) {
    if (!(hz > 0)) return nullptr;
    auto timer = New<TTimer>(hz, std::move(event));
    Timers().push_back(timer);
    return timer;
}

void PumpTimers() {
    auto& timers = Timers();
    if (timers.empty()) return;
    std::erase_if(timers, [](const std::weak_ptr<TTimer>& t) { return t.expired(); });
    // Emitting runs hooks, which may create timers: work on a copy.
    auto live = timers;
    for (const auto& weak : live)
        if (auto timer = weak.lock()) timer->EmitPendingTick();
}

void ResetTimers() {
    Timers().clear();
}

} // namespace wispwood
