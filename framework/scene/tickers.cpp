#include "framework/scene/tickers.h"
#include "engine/io/random.h"

namespace wispwood {

TMap<Text, Ref<Ticker>> Tickers;
int64_t LastTickerPurge = 0;

int GetTicker(const Text& identifier, int low, int high) {
    if (UpdateCount - LastTickerPurge > 200) {
        LastTickerPurge = UpdateCount;
        std::erase_if(Tickers,
                      [](const auto& entry) { return UpdateCount - entry.second->LastTicked > 5000; });
    }
    auto& ticker = Tickers[identifier];
    if (!ticker) {
        ticker = Ticker::Create(low, high);
        // A random head start, so tickers made together do not fire together.
        ticker->Ticks = RandomInt(ticker->CurrentDelay, 1);
        ticker->Ident = identifier;
    }
    return ticker->Tick();
}

void ResetTickers() {
    Tickers.clear();
    LastTickerPurge = 0;
}

} // namespace wispwood
