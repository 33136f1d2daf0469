#pragma once
// Ticker: fires once every random number of ticks between two delays.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <cstdint>

namespace wispwood {

// The game clock: updates run since start. The scene loop advances it once
// per update; tickers and other timers read it.
extern int64_t UpdateCount;

class Ticker {
  public:
    int DelayLow = 0;
    int DelayHigh = 0;
    int CurrentDelay = 0;
    int Ticks = 0;
    Text Ident;
    int64_t LastTicked = 0;

    // CurrentDelay drawn between the two delays.
    static Ref<Ticker> Create(int low, int high);
    // 1 when the count passes the current delay (and a new delay is drawn).
    int Tick();
};

} // namespace wispwood
