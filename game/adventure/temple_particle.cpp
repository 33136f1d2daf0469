#include "game/adventure/temple_particle.h"
#include "engine/io/random.h"
#include "framework/particles/particle_logic.h"
#include "game/adventure/quest_map_state.h"
#include "game/adventure/quest_spot.h"
#include "game/board/board_sound.h"

namespace wispwood {

TList<Ref<TempleParticle>> TempleParticles;

namespace {

float Jitter(float spread) {
    return static_cast<float>(RandomFloat(-spread, spread));
}

} // namespace

Ref<Particle> AddPurpleSparkle(float x, float y) {
    Ref<Particle> p = AddTwinkle(QuestParticles, x, y, 0, QuestMapImages.TwinklePurple, 5, 1);
    if (auto twinkle = std::dynamic_pointer_cast<TwinkleExtraLogic>(p->ExtraLogic)) twinkle->OverallScale = 1.2f;
    return p;
}

Ref<TempleParticle> TempleParticle::Create(float startX, float startY, const Ref<QuestSpot>& target,
                                           int unlock) {
    auto t = New<TempleParticle>();
    t->Movement = VelocityIntoPath::Create(startX, startY, target ? target->x : startX,
                                           target ? target->y : startY);
    t->Movement->dx = static_cast<float>(RandomFloat(-3, 3));
    t->Movement->dy = static_cast<float>(RandomFloat(-5, -3));
    t->Target = target;
    t->Unlock = unlock;
    PlayBoardSound("media\\sound\\staff.ogg");
    TempleParticles.AddLast(t);
    return t;
}

int TempleParticle::AnyUnlocking(const QuestSpot* spot) {
    for (const Ref<TempleParticle>& t : TempleParticles)
        if (t->Unlock && (!spot || t->Target.get() == spot)) return 1;
    return 0;
}

void TempleParticle::UpdateAll() {
    for (const Ref<TempleParticle>& t : TempleParticles) t->Update();
}

void TempleParticle::Update() {
    std::vector<float> pos = Movement->Pos();
    AddPurpleSparkle(pos[0], pos[1]);
    Movement->Update();
    if (!Movement->Finished()) return;
    const float tx = Movement->endx, ty = Movement->endy;
    if (Target && Target->Big) {
        PlayBoardSound("media\\sound\\goldreveal.ogg");
        for (int i = 0; i < 100; ++i) AddPurpleSparkle(tx + Jitter(2) + Jitter(50), ty + Jitter(2) + Jitter(50));
    } else {
        for (int i = 0; i < 3; ++i) AddPurpleSparkle(tx + Jitter(2), ty + Jitter(2));
    }
    // The list's reference may be the last one.
    Ref<TempleParticle> self;
    for (const Ref<TempleParticle>& t : TempleParticles)
        if (t.get() == this) self = t;
    if (self) TempleParticles.Remove(self);
}

} // namespace wispwood
