#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/calm_effects.h"
#include "framework/particles/particle.h"
#include <algorithm>

namespace wispwood {

void Particle::Render() {
    if (Delayed > 0 && !RenderWhileDelayed) return;
    const bool calmSparkle = CalmEffects && Role == EffectRole::Sparkle;
    const bool calmFlash = CalmEffects && Role == EffectRole::Flash;
    if (calmSparkle && !CalmShown) return;
    float alpha = Alpha();
    if (calmFlash) alpha = std::min(alpha, kCalmFlashAlpha);
    if (alpha == 0) return;
    TDrawState::PushAlpha(alpha);
    if (doViewport) {
        TDrawState::Push();
        SetViewport(vpx, vpy, vpw, vph);
    }
    if (OverrideScale) {
        const float c = OverrideScale->f(Life());
        TDrawState::PushScale(c, c);
    } else {
        const float s = StartScale + Life() * (EndScale - StartScale);
        const float sx = OverrideXScale ? OverrideXScale->f(Life()) : xscale;
        const float sy = OverrideYScale ? OverrideYScale->f(Life()) : yscale;
        TDrawState::PushScale(s * sx, s * sy);
    }
    SetColor(r, g, b);
    SetRotation(Rotation);
    // A calm flash is laid over what is below it, never added to it.
    TDrawState::PushBlend(calmFlash ? ALPHABLEND : Blend);
    if (DoHandle) SetImageHandle(Image, HandleX, HandleY);
    if (OverrideRender)
        OverrideRender->Render(*this);
    else
        DrawGameImage(Image, x, y, DrawnFrame());
    if (doViewport) TDrawState::Pop();
}

void ParticleGroup::Render() {
    TDrawState::Push();
    for (const Ref<Particle>& p : AllParticles) p->Render();
    TDrawState::Pop();
}

} // namespace wispwood
