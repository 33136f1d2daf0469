#include "framework/anim/ticker.h"
#include "engine/io/random.h"

namespace wispwood {

int64_t UpdateCount = 0;

Ref<Ticker> Ticker::Create(int low, int high) {
    auto ticker = New<Ticker>();
    ticker->DelayLow = low;
    ticker->DelayHigh = high;
    ticker->CurrentDelay = RandomInt(low, high);
    return ticker;
}

int Ticker::Tick() {
    LastTicked = UpdateCount;
    Ticks += 1;
    if (Ticks > CurrentDelay) {
        Ticks = 0;
        CurrentDelay = RandomInt(DelayLow, DelayHigh);
        return 1;
    }
    return 0;
}

} // namespace wispwood
