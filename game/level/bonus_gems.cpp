#include "game/level/bonus_gems.h"
#include "framework/anim/easing.h"
#include "framework/particles/particle.h"
#include "framework/scene/tunables.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/board_sound.h"
#include "game/board/level_result.h"
#include "game/level/bonus_images.h"

namespace wispwood {

namespace {

constexpr int kFadeIn = 30;
constexpr int kFlight = 60;

// Fades the gem in, holds it for Delay updates, then flies it into the
// gem counter, where it goes out.
class GemFlight : public ParticleExtraLogic {
  public:
    int AlphaIn = 1;
    int Delay = 0;
    float FromX = 0, FromY = 0, ToX = 0, ToY = 0;

    void Logic(Particle& p) override {
        AlphaIn += 1;
        p.StartAlpha = p.EndAlpha = LerpLinearClamped(0, 1, static_cast<float>(AlphaIn) / kFadeIn);
        const int flown = AlphaIn - Delay;
        if (flown <= 0) return;
        const float t = static_cast<float>(flown) / kFlight;
        p.x = LerpSquareClamped(FromX, ToX, t);
        p.y = LerpSquareClamped(FromY, ToY, t);
        p.StartScale = p.EndScale = LerpLinearClamped(0.5f, 0.3f, t);
        if (flown >= kFlight) p.DeleteParticle();
    }
};

} // namespace

void ReleasePerfectGems(ParticleGroup& group) {
    const float toX = GetTunable("gemsx", "666") + 12;
    const float toY = GetTunable("gemsy", "200") + GetTunable("gemoffsety", "-13");
    for (int i = 0; i < PerfectBonusGems; ++i) {
        auto flight = New<GemFlight>();
        flight->Delay = 180 - 20 * i;
        flight->FromX = static_cast<float>(BoardCentreX() + 40 * i - 40) - static_cast<float>(CellWidth) / 2;
        flight->FromY = 300.0f + 64;
        flight->ToX = toX;
        flight->ToY = toY;
        auto p = group.AddParticle();
        p->Image = BonusImages.Gem;
        p->x = flight->FromX;
        p->y = flight->FromY;
        p->StartAlpha = p->EndAlpha = 0;
        p->StartScale = p->EndScale = 0.5f;
        p->StartFrame = 0;
        p->EndFrame = 15;
        p->FrameTickSpeed = 4;
        p->TotalLife = 100000;
        p->ExtraLogic = flight;
        if (i == 0) PlayBoardSound("media\\sound\\gemreleased.ogg");
    }
    GemsCollected += PerfectBonusGems;
}

} // namespace wispwood
