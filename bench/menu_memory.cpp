// Memory of the real program once it has loaded and shows the main menu:
// resident size, and how much of it is pixels kept by pixmaps and by the
// renderer's textures.
//   SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy build/obj/bench/bench_menu_memory
//   xvfb-run -a build/obj/bench/bench_menu_memory   (SDL's default renderer)
// The figures are counters of the one benchmark (MB); the time is one
// drawn frame of the menu. tools/measure_cpu.sh reads the resident size of
// the game binary itself.
#include "bench/bench_user_folder.h"
#include "engine/draw/draw_memory.h"
#include "engine/draw/graphics.h"
#include "engine/draw/sdl_driver.h"
#include "engine/input/clock.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/scene_stack.h"
#include "game/app/logo_screens.h"
#include "game/app/main_scene.h"
#include "game/app/startup.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace wispwood {
namespace {

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024;
    return 0;
}

double Megabytes(size_t bytes) {
    return static_cast<double>(bytes) / (1024 * 1024);
}

void MenuAfterLoading(benchmark::State& state) {
    static BenchUserFolder user;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (chdir(WISPWOOD_GAME_DIR) != 0 || !std::filesystem::exists("media")) {
        state.SkipWithError("no built game folder with media");
        return;
    }
    auto clock = std::make_shared<TManualClock>(100000);
    SetClock(clock);
    SetPacingClock(New<TManualClock>());
    if (!StartUp({})) {
        state.SkipWithError("no display");
        return;
    }
    BeginGameLoop(New<LogoScreen>());
    auto frame = [&] {
        clock->Advance(10);
        RunFrame();
    };
    for (int i = 0; i < 20000 && !Cast<MainScene>(TopScene()); ++i) frame();
    for (int i = 0; i < 300; ++i) frame();
    if (!Cast<MainScene>(TopScene())) {
        state.SkipWithError("the main menu did not come");
        return;
    }
    for (auto _ : state) frame();
    state.counters["resident_MB"] = ResidentMegabytes();
    state.counters["pixmaps_MB"] = Megabytes(PixmapBytesInUse());
    state.counters["textures_MB"] = Megabytes(TextureBytesInUse());
    state.SetLabel(GraphicsRendererName());
}
BENCHMARK(MenuAfterLoading)->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace
} // namespace wispwood
