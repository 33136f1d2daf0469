#include "framework/particles/particle.h"
#include "framework/particles/calm_effects.h"
#include <algorithm>

namespace wispwood {

float Particle::Life() {
    return TotalLife != 0 ? CurrentLife / TotalLife : 0.0f;
}

float Particle::Alpha() {
    if (OverrideAlpha) return OverrideAlpha->f(Life());
    return StartAlpha + Life() * (EndAlpha - StartAlpha);
}

void Particle::Update() {
    if (Delayed > 0) {
        if (ExtraLogic) ExtraLogic->DelayedLogic(*this);
        if (Parent) {
            x = Parent->x;
            y = Parent->y;
        }
        Delayed -= 1;
        return;
    }
    if (FrameTickSpeed > 0) {
        FrameTickProgress += 1;
        if (FrameTickProgress >= FrameTickSpeed) {
            FrameTickProgress = 0;
            CurrentFrame += 1;
            if (CurrentFrame > EndFrame) CurrentFrame = AnimRevert ? StartFrame : EndFrame;
        }
    } else {
        CurrentFrame = static_cast<int>(static_cast<float>(StartFrame) +
                                        Life() * static_cast<float>(EndFrame - StartFrame));
    }
    if (Role == EffectRole::Sparkle) StepCalmFrame();
    x += dx;
    y += dy;
    Rotation += dRotation;
    dx += ax;
    dy += ay;
    if (Friction > 0.01f) {
        dx *= Friction;
        dy *= Friction;
    }
    dRotation += aRotation;
    xscale += dxscale;
    yscale += dyscale;
    dxscale += axscale;
    dyscale += ayscale;
    if (ExtraLogic) ExtraLogic->Logic(*this);
    if (Permanent) {
        CurrentLife = 0;
        TotalLife = 100;
    } else {
        CurrentLife += 1;
        if (CurrentLife > TotalLife) DeleteParticle();
    }
}

// A sparkle's frames turn at the calm pace beside their own, which the
// calm mode draws; the particle's own frame stays what the rules read.
void Particle::StepCalmFrame() {
    if (FrameTickSpeed <= 0) return;
    if (CalmFrame < 0) CalmFrame = static_cast<float>((CurrentFrame - StartFrame) * FrameTickSpeed);
    CalmFrame += kCalmPace;
}

int Particle::DrawnFrame() const {
    if (!CalmEffects || Role != EffectRole::Sparkle || FrameTickSpeed <= 0 || CalmFrame < 0)
        return CurrentFrame;
    const int span = EndFrame - StartFrame + 1;
    if (span <= 1) return CurrentFrame;
    const int step = static_cast<int>(CalmFrame / static_cast<float>(FrameTickSpeed));
    return AnimRevert ? StartFrame + step % span : std::min(StartFrame + step, EndFrame);
}

void Particle::DeleteParticle() {
    // A rule may delete a particle whose life ends in the same update; its
    // death must still count once.
    if (_Deleted || dying_) return;
    dying_ = true;
    if (ExtraLogic) ExtraLogic->Death(*this);
    _Deleted = 1;
}

Ref<Particle> ParticleGroup::AddParticle(const Ref<Particle>& p) {
    Ref<Particle> particle = p ? p : New<Particle>();
    AllParticles.AddLast(particle);
    return particle;
}

void ParticleGroup::Update() {
    // Many particles die each update; removing each where the walk stands
    // keeps that from searching the list from its head every time.
    for (auto it = AllParticles.begin(); it != AllParticles.end(); ++it) {
        const Ref<Particle>& p = *it;
        p->Update();
        if (p->_Deleted) {
            // A dead particle's rules never run again, and one of them may
            // hold what holds the particle (a bursting piece keeps its
            // explosion): letting them go here breaks that loop, which
            // would otherwise keep both alive for ever.
            p->ExtraLogic = nullptr;
            p->OverrideRender = nullptr;
            AllParticles.Erase(it);
        }
    }
}

} // namespace wispwood
