// One particle group of 2,000 live particles: the cost of an update and of
// a frame that draws them. Headless (software renderer):
//   SDL_VIDEODRIVER=dummy build/obj/bench/bench_particles
// Half the particles are twinkles (random size flicker, alpha curve,
// additive), half plain sparks (motion, friction, frame ticks, fade).
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include <benchmark/benchmark.h>

namespace wispwood {
namespace {

constexpr int kParticles = 2000;
// Longer than any run, so the group stays at its size.
constexpr float kEndlessLife = 1e9f;

Ref<TImage> Spark() {
    auto pixmap = TPixmap::Create(16 * 4, 16, PF_RGBA8888);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            const int dx = x % 16 - 8, dy = y - 8;
            const int a = std::max(0, 255 - (dx * dx + dy * dy) * 4);
            pixmap->WritePixel(x, y, a << 24 | 0xffe0a0);
        }
    auto image = LoadGameFramedImage(pixmap, 16, 16, 0, 4, FILTEREDIMAGE);
    CentreImageHandle(image);
    return image;
}

void Fill(ParticleGroup& group, const Ref<TImage>& image) {
    ResetRandom();
    for (int i = 0; i < kParticles; ++i) {
        if (i % 2 == 0) {
            AddTwinkle(group, static_cast<float>(RandomFloat(0, 800)),
                       static_cast<float>(RandomFloat(0, 600)), 0, image, 5)
                ->TotalLife = kEndlessLife;
            continue;
        }
        auto p = group.AddParticle();
        p->Image = image;
        p->TotalLife = kEndlessLife;
        p->x = static_cast<float>(RandomFloat(0, 800));
        p->y = static_cast<float>(RandomFloat(0, 600));
        p->dx = static_cast<float>(RandomFloat(-1, 1));
        p->dy = static_cast<float>(RandomFloat(-2, 0));
        p->ay = 0.001f;
        p->Friction = 0.999f;
        p->dRotation = 2;
        p->EndFrame = 3;
        p->FrameTickSpeed = 5;
        p->StartAlpha = 1;
        p->EndAlpha = 0;
    }
}

bool OpenDisplay(benchmark::State& state) {
    if (CurrentGraphics() || OpenGraphics(800, 600, 0, 0, 0)) return true;
    state.SkipWithError("no display");
    return false;
}

void ParticleUpdate(benchmark::State& state) {
    ParticleGroup group;
    Fill(group, nullptr);
    for (auto _ : state) group.Update();
    state.counters["particles"] = group.AllParticles.Count();
}
BENCHMARK(ParticleUpdate)->Unit(benchmark::kMicrosecond);

// The same with particles dying and replaced all the time: lives of 100
// updates, so about 20 go and 20 new ones come in every update.
void ParticleUpdateWithTurnover(benchmark::State& state) {
    ParticleGroup group;
    Fill(group, nullptr);
    int i = 0;
    for (const Ref<Particle>& p : group.AllParticles) p->TotalLife = static_cast<float>(i++ % 100);
    for (auto _ : state) {
        group.Update();
        while (group.AllParticles.Count() < kParticles)
            AddTwinkle(group, 400, 300, 0, nullptr, 5)->TotalLife = 100;
    }
    state.counters["particles"] = group.AllParticles.Count();
}
BENCHMARK(ParticleUpdateWithTurnover)->Unit(benchmark::kMicrosecond);

// Clear, draw the group, present.
void ParticleFrame(benchmark::State& state) {
    if (!OpenDisplay(state)) return;
    ParticleGroup group;
    Fill(group, Spark());
    for (auto _ : state) {
        TDrawState::Reset();
        Cls();
        group.Render();
        Flip(0);
    }
    state.counters["particles"] = group.AllParticles.Count();
}
BENCHMARK(ParticleFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The draw calls alone, without clearing and presenting.
void ParticleRenderOnly(benchmark::State& state) {
    if (!OpenDisplay(state)) return;
    ParticleGroup group;
    Fill(group, Spark());
    for (auto _ : state) {
        TDrawState::Reset();
        group.Render();
    }
}
BENCHMARK(ParticleRenderOnly)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
} // namespace wispwood
