#include "framework/particles/shiny_effect.h"
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "framework/anim/numeric.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/scene/tickers.h"

namespace wispwood {

const Ref<ShinyEffect>& ShinyEffect::Singleton() {
    static const Ref<ShinyEffect> shared = New<ShinyEffect>();
    return shared;
}

Ref<ShinyEffect> ShinyEffect::HandleEffectArea(int areaX, int areaY, int w, int h, const Text& id,
                                               const Ref<TImage>& image, ParticleGroup& group) {
    // The ticker keeps running even while one instance is forced.
    int fire = GetTicker(id, DelayLow, DelayHigh);
    if (OneInstance) fire = ForceOneInstance(id, group);
    if (!fire) return nullptr;
    auto glint = New<ShinyEffect>();
    glint->x = static_cast<float>(RandomInt(areaX, areaX + w));
    glint->y = static_cast<float>(RandomInt(areaY, areaY + h));
    glint->ident = id;
    glint->Image = image;
    glint->Alpha = Alpha;
    glint->ScaleLow = ScaleLow;
    glint->ScaleHigh = ScaleHigh;
    glint->dRotation = dRotation;
    glint->CreateSprites();
    group.AddParticle(EffectParticle::CreateFromEffect(glint));
    return glint;
}

void ShinyEffect::CreateSprites() {
    const bool side = RandomInt(1, 100) > 50;
    for (int i = 0; i < SpriteCount; ++i) {
        auto sprite = New<SmallShinyEffect>();
        const float along =
            SpriteCount > 1 ? static_cast<float>(i) / static_cast<float>(SpriteCount - 1) : 0.0f;
        sprite->Scale = ScaleLow + ClampFloat(along, 0, 1) * (ScaleHigh - ScaleLow);
        sprite->Rotation = static_cast<float>(RandomFloat(1, 360));
        sprite->dRotation = static_cast<float>(RandomFloat(0.2, 0.5)) * dRotation;
        if ((i % 2 == 1) == side) sprite->dRotation = -sprite->dRotation;
        Effects.push_back(sprite);
    }
}

int ShinyEffect::Update() {
    Life += 1;
    for (const auto& sprite : Effects) sprite->Rotation += sprite->dRotation;
    return Life > TotalLife ? 1 : 0;
}

void ShinyEffect::LengthenLife() {
    TotalLife += 1;
}

void ShinyEffect::ShortenLife(int n) {
    TotalLife -= static_cast<float>(n);
}

void ShinyEffect::Render() {
    const float a = FadeAlpha();
    for (const auto& sprite : Effects) {
        SetAlpha(a);
        TDrawState::PushRotation(sprite->Rotation);
        SetScale(sprite->Scale, sprite->Scale);
        TDrawState::PushBlend(LIGHTBLEND);
        DrawGameImage(Image, OwnerBaseX + x, OwnerBaseY + y, 0);
    }
}

float ShinyEffect::FadeAlpha() const {
    const float in = ClampFloat(Life / 100, 0, 1);
    const float out = ClampFloat((Life - (TotalLife - 200)) / 200, 0, 1);
    return Alpha * in * in * (1 - out * out);
}

} // namespace wispwood
