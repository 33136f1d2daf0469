#pragma once
// Named random tickers shared by every caller that uses the same name.
#include "engine/core/tmap.h"
#include "framework/anim/ticker.h"

namespace wispwood {

extern TMap<Text, Ref<Ticker>> Tickers;
extern int64_t LastTickerPurge;

// 1 on the updates when the named ticker fires. A ticker not asked for in
// 5000 updates is dropped and starts afresh when asked for again.
int GetTicker(const Text& identifier, int low, int high);

void ResetTickers();

} // namespace wispwood
