#pragma once
// The area glint: a cluster of rotating glints that fades in and out.
#include "framework/particles/effect.h"
#include <vector>

namespace wispwood {

class SmallShinyEffect {
  public:
    float Scale = 0;
    float Rotation = 0;
    float dRotation = 0;
};

// A cluster of slowly rotating glints that fades in and out somewhere in
// an area.
class ShinyEffect : public Effect {
  public:
    Ref<TImage> Image;
    std::vector<Ref<SmallShinyEffect>> Effects;
    float Life = 0;
    float TotalLife = 400;
    int DelayLow = 350;
    int DelayHigh = 500;
    int SpriteCount = 2;
    float ScaleLow = 1.0f;
    float ScaleHigh = 2.0f;
    float Alpha = 0.8f;
    float dRotation = 1.0f;

    // The shared template whose settings new glints copy.
    static const Ref<ShinyEffect>& Singleton();
    // Called each frame for an area that may glint; the new glint, or null
    // when none starts this time.
    Ref<ShinyEffect> HandleEffectArea(int x, int y, int w, int h, const Text& ident, const Ref<TImage>& image,
                                      ParticleGroup& group);
    void CreateSprites();

    int Update() override;
    void LengthenLife() override;
    void ShortenLife(int n) override;
    void Render() override;
    // The alpha of every glint at the current life.
    float FadeAlpha() const;
};

} // namespace wispwood
