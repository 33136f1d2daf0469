#include "framework/particles/effect.h"

namespace wispwood {

int Effect::ForceOneInstance(const Text& id, ParticleGroup& group) {
    for (const Ref<Particle>& p : group.AllParticles) {
        auto carrier = std::dynamic_pointer_cast<EffectParticle>(p);
        if (carrier && carrier->e && carrier->e->ident == id) {
            carrier->e->LengthenLife();
            return 0;
        }
    }
    return 1;
}

Ref<EffectParticle> EffectParticle::CreateFromEffect(const Ref<Effect>& e) {
    auto p = New<EffectParticle>();
    p->e = e;
    return p;
}

void EffectParticle::Update() {
    if (e && e->Update() != 0) _Deleted = 1;
}

void EffectParticle::Render() {
    if (e) e->Render();
}

} // namespace wispwood
