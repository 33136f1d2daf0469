// The game scene in a busy moment of a 16-column level: the real program
// started in the built game folder on location 92, then its board replaced
// by ten full rows with two combos forming on the floor, fifteen pieces
// falling, a 30-piece clear bursting and about 2,000 particles in flight.
//   SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy build/obj/bench/bench_game_update
// GameUpdate times one MainGame update, GameFrame one drawn and presented
// frame of the same scene on the software renderer, and CursorTargets what
// the keyboard cursor adds to an update while it is shown: the scene's
// targets (every group in reach) and a step to the right.
#include "bench/bench_boards.h"
#include "bench/bench_user_folder.h"
#include "engine/draw/graphics.h"
#include "engine/draw/sdl_driver.h"
#include "engine/input/clock.h"
#include "framework/draw_state/draw_state.h"
#include "framework/navigation/nav_choice.h"
#include "framework/navigation/nav_target.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/app/logo_screens.h"
#include "game/app/startup.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/clear_pass.h"
#include "game/board/combo_groups.h"
#include "game/board/crumble.h"
#include "game/board/effect_images.h"
#include "game/board/falling_pieces.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/quota.h"
#include "game/board/reachability.h"
#include "game/board/time_limit.h"
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace wispwood {
namespace {

constexpr int kParticles = 2000;
// Updates before the scene is built afresh: the bursts and the falls are
// still under way by then.
constexpr int kRebuildEvery = 40;

Ref<MainGame> gGame;
float gStartScroll = 0;

// Start-up, the logos and the loading screen, on a clock that moves only
// with the frames, until the location's game scene is on top and settled.
bool StartGame(benchmark::State& state) {
    if (gGame) return true;
    static BenchUserFolder user;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_RENDER_DRIVER", "software", 0);
    if (chdir(WISPWOOD_GAME_DIR) != 0 || !std::filesystem::exists("media")) {
        state.SkipWithError("no built game folder with media");
        return false;
    }
    auto clock = std::make_shared<TManualClock>(100000);
    SetClock(clock);
    // Start-up frames are not held for a display.
    SetPacingClock(New<TManualClock>());
    if (!StartUp({"run92"})) {
        state.SkipWithError("no display");
        return false;
    }
    BeginGameLoop(New<LogoScreen>());
    auto frame = [&] {
        clock->Advance(10);
        RunFrame();
    };
    for (int i = 0; i < 5000 && !Cast<MainGame>(TopScene()); ++i) frame();
    for (int i = 0; i < 1000 && TransitionInProgress(0); ++i) frame();
    gGame = Cast<MainGame>(TopScene());
    if (!gGame || BoardWidth != 16) {
        state.SkipWithError("location 92 did not start");
        gGame = nullptr;
        return false;
    }
    gStartScroll = ScrollOffset;
    return true;
}

void PlaceRows(int fromY, int toY, int fromX, int toX, int colour) {
    for (int y = fromY; y <= toY; ++y)
        for (int x = fromX; x <= toX; ++x) bench::PlacePiece(x, y, colour);
}

// The busy moment, built the same way every time.
void BuildBusyScene() {
    ResetFalling();
    ResetComboGroups();
    BoardEffects.AllParticles.Clear();
    BoardTwinkles.AllParticles.Clear();
    ShardParticles.AllParticles.Clear();
    ScrollOffset = gStartScroll;
    ResetQuota(1);
    TimeLeft = LevelTime;
    bench::FillMixedRows();

    // Two clusters of six fall to the floor and lie there as combos.
    PlaceRows(11, 12, 1, 3, 2);
    PlaceRows(11, 12, 12, 14, 4);
    DropUnsupported();
    for (int i = 0; i < 500 && ComboGroups.Count() < 2; ++i) UpdateFallingPieces(false);

    // Fifteen more come loose and fall.
    PlaceRows(11, 13, 5, 9, 5);
    DropUnsupported();

    // Two matched blocks of fifteen burst.
    for (int y = 7; y < 10; ++y) {
        for (int x = 0; x < 5; ++x) bench::PlacePiece(x, y, 7)->MarkForDestruction = 1;
        for (int x = 11; x < 16; ++x) bench::PlacePiece(x, y, 7)->MarkForDestruction = 1;
    }
    FindReachablePieces();
    ClearMarked();

    // The rest of the particles in flight: half glints and sparkles over the
    // pieces, half burst sparks.
    int inFlight = BoardEffects.AllParticles.Count() + ShardParticles.AllParticles.Count();
    for (int i = inFlight; i < kParticles; ++i) {
        ParticleGroup& group = i % 2 ? BoardEffects : BoardTwinkles;
        auto p = AddTwinkle(group, static_cast<float>((i * 37) % 640), static_cast<float>((i * 53) % 560), 0,
                            EffectImages.Twinkle, -1);
        if (p) p->TotalLife = 1e9f; // stays for the whole run
    }
}

int ParticlesInFlight() {
    return BoardEffects.AllParticles.Count() + BoardTwinkles.AllParticles.Count() +
           ShardParticles.AllParticles.Count();
}

void GameUpdate(benchmark::State& state) {
    if (!StartGame(state)) return;
    BuildBusyScene();
    int falling = 0, combos = 0, particles = 0, paused = 0, samples = 0, i = 0;
    for (auto _ : state) {
        if (++i % kRebuildEvery == 0) {
            state.PauseTiming();
            falling += FallingPieces.Count();
            combos += ComboGroups.Count();
            particles += ParticlesInFlight();
            paused += gGame->Paused(1);
            ++samples;
            BuildBusyScene();
            state.ResumeTiming();
        }
        gGame->Update();
    }
    if (samples) {
        state.counters["falling"] = static_cast<double>(falling) / samples;
        state.counters["combos"] = static_cast<double>(combos) / samples;
        state.counters["particles"] = static_cast<double>(particles) / samples;
    }
    state.counters["paused"] = paused; // 0: the board ran throughout
}
BENCHMARK(GameUpdate)->Unit(benchmark::kMicrosecond);

// Drawn without updates in between, so every frame shows the same moment.
void GameFrame(benchmark::State& state) {
    if (!StartGame(state)) return;
    BuildBusyScene();
    for (int i = 0; i < 5; ++i) gGame->Update(); // the bursts under way
    state.SetLabel(GraphicsRendererName());
    for (auto _ : state) {
        TDrawState::Reset();
        gGame->Render();
        Flip(0);
    }
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["particles"] = ParticlesInFlight();
}
BENCHMARK(GameFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void CursorTargets(benchmark::State& state) {
    if (!StartGame(state)) return;
    BuildBusyScene();
    // Long enough for the pieces the bursts bared to come into reach.
    for (int i = 0; i < 100; ++i) gGame->Update();
    size_t offered = 0;
    for (auto _ : state) {
        NavTargets targets;
        gGame->NavigationTargets(targets);
        offered = targets.Items.size();
        benchmark::DoNotOptimize(ChooseInDirection(targets.Items, targets.Find(targets.Start.get()), 1, 0));
    }
    state.counters["targets"] = static_cast<double>(offered);
}
BENCHMARK(CursorTargets)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace wispwood
