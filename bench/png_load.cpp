// Load time of 200 PNG files of the sizes a game's media holds: small
// sprites, buttons and panels, animation strips, full-screen pictures and a
// few larger than one texture. The files are written once into a scratch
// folder. Decoding alone, and the whole LoadGameImage (decode, convert,
// textures) on the headless display:
//   SDL_VIDEODRIVER=dummy build/obj/bench/bench_png_load
#include "engine/draw/graphics.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/io/file_system.h"
#include "engine/io/random.h"
#include "framework/images/game_image.h"
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace wispwood {
namespace {

struct SizeClass {
    int count, minSide, maxSide;
    bool alpha;
};

// Soft shapes over gradients with a little grain: compresses like painted
// art, not like flat colour or noise.
Ref<TPixmap> Picture(int width, int height, bool alpha) {
    auto pixmap = TPixmap::Create(width, height, alpha ? PF_RGBA8888 : PF_RGB888);
    float cx = width * RandomFloat(0.3f, 0.7f), cy = height * RandomFloat(0.3f, 0.7f);
    int hue = RandomInt(0, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float d = std::hypot((x - cx) / width, (y - cy) / height) * 2;
            int grain = RandomInt(0, 7);
            int r = (hue + x * 160 / width + grain) & 255, g = (y * 200 / height + grain) & 255;
            int b = static_cast<int>(255 * (1 - std::fmin(d, 1.0f)));
            int a = alpha ? static_cast<int>(255 * std::fmin(std::fmax((1 - d) * 3, 0.0f), 1.0f)) : 255;
            pixmap->WritePixel(x, y, a << 24 | r << 16 | g << 8 | b);
        }
    return pixmap;
}

const std::vector<Text>& Files() {
    static std::vector<Text> files = [] {
        const SizeClass classes[] = {
            {100, 24, 64, true},   {50, 80, 256, true},    {30, 256, 512, true},
            {15, 800, 800, false}, {5, 1024, 1024, false},
        };
        Text folder = (std::filesystem::temp_directory_path() / "wispwood-bench-png").string();
        CreateDir(folder, 1);
        std::vector<Text> names;
        SeedRandom(7);
        int n = 0;
        for (const SizeClass& c : classes)
            for (int i = 0; i < c.count; ++i, ++n) {
                int w = RandomInt(c.minSide, c.maxSide);
                int h = c.minSide >= 800 ? w * 3 / 4 : RandomInt(c.minSide, c.maxSide);
                Text path = folder + "/p" + std::to_string(n) + "_" + std::to_string(w) + "x" +
                            std::to_string(h) + ".png";
                if (PathKind(path) != 1) SavePixmapPNG(Picture(w, h, c.alpha), path);
                names.push_back(path);
            }
        return names;
    }();
    return files;
}

void DecodeOnly(benchmark::State& state) {
    const auto& files = Files();
    int64_t bytes = 0;
    for (auto _ : state)
        for (const Text& f : files) {
            auto pixmap = LoadPixmap(f);
            if (!pixmap) {
                state.SkipWithError("a file did not load");
                return;
            }
            bytes += int64_t(pixmap->width) * pixmap->height * 4;
        }
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["Mpixels/s"] = benchmark::Counter(bytes / 4e6, benchmark::Counter::kIsRate);
}
BENCHMARK(DecodeOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

void LoadGameImages(benchmark::State& state) {
    const auto& files = Files();
    if (!CurrentGraphics() && !OpenGraphics(800, 600, 0, 0, 0)) state.SkipWithError("no display");
    for (auto _ : state)
        for (const Text& f : files)
            if (!LoadGameImage(f, FILTEREDIMAGE)) state.SkipWithError("a file did not load");
    state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(LoadGameImages)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace wispwood
