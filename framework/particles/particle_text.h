#pragma once
// Particles drawn as text: floating scores and banners.
#include "framework/fonts/font.h"
#include "framework/particles/particle.h"

namespace wispwood {

// Prints txt at the particle's position, scaled by the particle's current
// horizontal draw scale, in UseFont or else the current font.
class ParticleRenderOverrideText : public ParticleRenderOverride {
  public:
    Text txt;
    int Center = AlignMiddle;
    Ref<Font> UseFont;

    ParticleRenderOverrideText() = default;
    explicit ParticleRenderOverrideText(Text text, int center = AlignMiddle, Ref<Font> font = nullptr)
        : txt(std::move(text)), Center(center), UseFont(std::move(font)) {}
    void Render(Particle& p) override;
};

} // namespace wispwood
