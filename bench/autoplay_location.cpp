// One location played to its end by the autoplay bot, as the full report
// plays each of its 2,000 seeds per quest: start-up once, then the real game
// scene on a manual clock. The figure to watch is CPU time per location
// (the report's whole quest should take minutes on two cores).
//   SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy build/obj/bench/bench_autoplay_location
// The argument is the location; each iteration plays the next seed, so the
// mean covers seeds as the report does.
#include "bench/bench_user_folder.h"
#include "tools/autoplay/autoplay_session.h"
#include "tools/autoplay/location_run.h"
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace wispwood {
namespace {

bool OpenOnce() {
    static BenchUserFolder user;
    static const bool open = autoplay::OpenSession(WISPWOOD_GAME_DIR);
    return open;
}

void PlayOneLocation(benchmark::State& state, bool master) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!OpenOnce()) {
        state.SkipWithError("the game did not start from the built game folder");
        return;
    }
    const int location = static_cast<int>(state.range(0));
    int seed = 0, won = 0;
    for (auto _ : state) {
        autoplay::LocationRun run = autoplay::PlayLocation(location, seed++, master);
        won += run.won ? 1 : 0;
        benchmark::DoNotOptimize(run.score);
    }
    state.counters["won"] = benchmark::Counter(won, benchmark::Counter::kAvgIterations);
}

void NormalQuest(benchmark::State& state) {
    PlayOneLocation(state, false);
}
void MasterQuest(benchmark::State& state) {
    PlayOneLocation(state, true);
}

// One location per region, the widest and busiest last.
BENCHMARK(NormalQuest)
    ->Arg(3)
    ->Arg(20)
    ->Arg(42)
    ->Arg(61)
    ->Arg(99)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(MasterQuest)->Arg(99)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
} // namespace wispwood
