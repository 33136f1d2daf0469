// Frames per second of the drawing service. Headless (software renderer):
//   SDL_VIDEODRIVER=dummy build/obj/bench/bench_draw_frames
// In a real window with SDL's default renderer:
//   xvfb-run -a build/obj/bench/bench_draw_frames
// Each frame draws everything and presents it (Flip(0)).
#include "engine/draw/graphics.h"
#include "engine/draw/sdl_driver.h"
#include "engine/io/random.h"
#include "framework/images/game_image.h"
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace wispwood {
namespace {

// A soft-edged disc with a colour gradient, the shape of most sprites.
Ref<TPixmap> Sprite(int size, int hue) {
    auto pixmap = TPixmap::Create(size, size, PF_RGBA8888);
    float c = size / 2.0f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float d = std::hypot(x + 0.5f - c, y + 0.5f - c) / c;
            int a = static_cast<int>(std::clamp((1 - d) * 4, 0.0f, 1.0f) * 255);
            int v = 255 - 100 * y / size;
            pixmap->WritePixel(x, y, a << 24 | ((v * hue) & 255) << 16 | (v & 255) << 8 | ((v + hue) & 255));
        }
    return pixmap;
}

void Open(benchmark::State& state) {
    if (!CurrentGraphics() && !OpenGraphics(800, 600, 0, 0, 0)) state.SkipWithError("no display");
    state.SetLabel(GraphicsRendererName());
}

void Report(benchmark::State& state) {
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// (a) 1,000 alpha-blended 52 x 52 sprites.
void AlphaSprites(benchmark::State& state) {
    Open(state);
    auto sprite = LoadGameImage(Sprite(52, 3), FILTEREDIMAGE);
    SeedRandom(1);
    std::vector<std::pair<float, float>> at(1000);
    for (auto& p : at) p = {RandomFloat(0, 748), RandomFloat(0, 548)};
    for (auto _ : state) {
        SetBlend(ALPHABLEND);
        SetColor(255, 255, 255);
        SetAlpha(1);
        for (auto& p : at) DrawImage(sprite, p.first, p.second);
        Flip(0);
    }
    Report(state);
}
BENCHMARK(AlphaSprites)->Unit(benchmark::kMillisecond)->UseRealTime();

// (b) A busy game frame: 600 tinted 48 x 48 pieces on a board, 300 additive
// 24 x 24 particles, 20 rotated and scaled 64 x 64 sprites. Argument 1 draws
// a full-screen background first, as in play; argument 2 leaves the pieces
// untinted, to show what the tint costs.
void DrawBusyFrames(benchmark::State& state) {
    Open(state);
    // The six piece colours are frames of one sheet, as the game's are.
    auto sheet = TPixmap::Create(48 * 6, 48, PF_RGBA8888);
    for (int i = 0; i < 6; ++i) sheet->Paste(Sprite(48, 40 * i + 1), 48 * i, 0);
    auto pieces = LoadGameFramedImage(sheet, 48, 48, 0, 6, FILTEREDIMAGE);
    auto particle = LoadGameImage(Sprite(24, 7), FILTEREDIMAGE);
    auto big = LoadGameImage(Sprite(64, 11), FILTEREDIMAGE);
    CentreImageHandle(particle);
    CentreImageHandle(big);
    auto background = LoadGameImage(TPixmap::Create(800, 600, PF_RGB888), FILTEREDIMAGE);
    SeedRandom(2);
    struct Piece {
        int kind, r, g, b;
    };
    std::vector<Piece> board(600);
    for (auto& p : board)
        p = {RandomInt(0, 5), RandomInt(128, 255), RandomInt(128, 255), RandomInt(128, 255)};
    struct Spark {
        double x, y, alpha;
        int r, g, b;
    };
    std::vector<Spark> sparks(300);
    for (auto& s : sparks)
        s = {RandomFloat(0, 800), RandomFloat(0, 600), RandomFloat(0.2f, 1),
             RandomInt(0, 255),   RandomInt(0, 255),   255};
    bool withBackground = state.range(0) != 0;
    int frame = 0;
    for (auto _ : state) {
        if (withBackground) {
            SetBlend(SOLIDBLEND);
            SetColor(255, 255, 255);
            SetAlpha(1);
            DrawImage(background, 0, 0);
        }
        SetBlend(ALPHABLEND);
        SetAlpha(1);
        // 600 pieces: 20 rows of 30 columns, overlapping like a dense board.
        for (int i = 0; i < 600; ++i) {
            const Piece& p = board[i];
            if (state.range(0) == 2)
                SetColor(255, 255, 255);
            else
                SetColor(p.r, p.g, p.b);
            DrawImage(pieces, 10 + (i % 30) * 25.0f, 10 + (i / 30) * 28.0f, p.kind);
        }
        SetBlend(LIGHTBLEND);
        for (auto& s : sparks) {
            SetColor(s.r, s.g, s.b);
            SetAlpha(s.alpha);
            DrawImage(particle, s.x, s.y);
        }
        SetBlend(ALPHABLEND);
        SetColor(255, 255, 255);
        SetAlpha(1);
        for (int i = 0; i < 20; ++i) {
            SetTransform(frame * 2.0f + i * 17, 0.6f + (i % 5) * 0.2f, 0.6f + (i % 5) * 0.2f);
            DrawImage(big, 60 + i * 35.0f, 300 + (i % 4) * 60.0f);
        }
        SetTransform(0, 1, 1);
        Flip(0);
        ++frame;
    }
    Report(state);
}

void BusyFrame(benchmark::State& state) {
    DrawBusyFrames(state);
}
BENCHMARK(BusyFrame)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same frames with every picture drawn as triangles, as the software
// renderer would without its copies of unturned pictures: what they save.
void BusyFrameAsTriangles(benchmark::State& state) {
    SetUnturnedCopies(false);
    DrawBusyFrames(state);
    SetUnturnedCopies(true);
}
BENCHMARK(BusyFrameAsTriangles)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same frames drawn whole every time: what redrawing only where they
// differ (the rotating sprites) saves.
void BusyFrameDrawnWhole(benchmark::State& state) {
    SetDamageTracking(false);
    DrawBusyFrames(state);
    SetDamageTracking(true);
}
BENCHMARK(BusyFrameDrawnWhole)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// (c) A quiet screen, like a menu left open: a background in four pieces,
// 80 pictures standing still, two large lights swaying slowly and a few
// motes drifting. Argument 0 draws every frame whole, 1 only what changed.
void QuietScreen(benchmark::State& state) {
    Open(state);
    SetDamageTracking(state.range(0) != 0);
    auto quarter = LoadGameImage(TPixmap::Create(400, 300, PF_RGB888), FILTEREDIMAGE);
    auto picture = LoadGameImage(Sprite(64, 5), FILTEREDIMAGE);
    auto light = LoadGameImage(Sprite(180, 9), FILTEREDIMAGE);
    auto mote = LoadGameImage(Sprite(8, 2), FILTEREDIMAGE);
    CentreImageHandle(mote);
    int frame = 0;
    for (auto _ : state) {
        SetBlend(SOLIDBLEND);
        SetColor(255, 255, 255);
        SetAlpha(1);
        for (int i = 0; i < 4; ++i) DrawImage(quarter, 400.0f * (i % 2), 300.0f * (i / 2));
        SetBlend(ALPHABLEND);
        for (int i = 0; i < 80; ++i) DrawImage(picture, 20.0f + (i % 10) * 76, 20.0f + (i / 10) * 70);
        SetBlend(LIGHTBLEND);
        SetAlpha(0.25f);
        for (int i = 0; i < 2; ++i) {
            SetTransform(-28 + 3 * std::sin(frame / 60.0f + i), 1, 3);
            DrawImage(light, 200.0f + 140 * i, -20);
        }
        SetTransform(0, 1, 1);
        SetAlpha(1);
        for (int i = 0; i < 12; ++i) DrawImage(mote, 60.0f * i + frame * 0.3f, 100.0f + 37 * i);
        Flip(0);
        ++frame;
    }
    SetDamageTracking(true);
    Report(state);
}
BENCHMARK(QuietScreen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Flip alone: what presenting an unchanged frame costs.
void PresentOnly(benchmark::State& state) {
    Open(state);
    for (auto _ : state) Flip(0);
    Report(state);
}
BENCHMARK(PresentOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace wispwood
