#include "game/board/quota_bottle.h"
#include "engine/draw/draw_driver.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/io/random.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "game/board/quota.h"
#include "game/board/quota_images.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

TList<Ref<QuotaBottleWave>> QuotaWaves;

namespace {

constexpr int kWaveCount = 3;

// The liquid's left and right ends: the bottle's inner width.
float LiquidLeft() {
    return BottleX + static_cast<float>(BottleWidth()) * 0.2f;
}
float LiquidRight() {
    return BottleX + static_cast<float>(BottleWidth()) * 0.8f;
}

} // namespace

void QuotaBottleWave::Update() {
    ticks += static_cast<float>(factor);
    x += dx;
    const float width = LiquidRight() - LiquidLeft();
    if (width <= 0) return;
    if (x < 0) {
        x = -x;
        dx = -dx;
    } else if (x > width) {
        x = 2 * width - x;
        dx = -dx;
    }
    sy = basesy * (0.8f + 0.2f * std::sin(ticks * 3.14159265f / 180));
}

void QuotaBottleWave::Render() {
    if (!im) return;
    TDrawState::Push();
    TDrawState::PushScale(sx, sy);
    TDrawState::PushAlpha(0.6f);
    DrawGameImage(im, LiquidLeft() + x, LiquidSurfaceY(), Frame);
    TDrawState::Pop();
}

void UpdateQuotaWaves() {
    while (QuotaWaves.Count() < kWaveCount) {
        auto w = New<QuotaBottleWave>();
        w->im = QuotaImages.Wave;
        w->x = static_cast<float>(RandomFloat(0, std::max(1.0f, LiquidRight() - LiquidLeft())));
        w->dx = static_cast<float>(RandomFloat(0.1, 0.3)) * (RandomInt(0, 1) ? 1.0f : -1.0f);
        w->basesy = w->sy = static_cast<float>(RandomFloat(0.6, 1.0));
        w->sx = static_cast<float>(RandomFloat(0.8, 1.2));
        w->ticks = static_cast<float>(RandomFloat(0, 360));
        QuotaWaves.AddLast(w);
    }
    for (const Ref<QuotaBottleWave>& w : QuotaWaves) w->Update();
}

void RenderQuotaBottle() {
    const QuotaImageSet& q = QuotaImages;
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    DrawGameImage(q.Bottle, BottleX, BottleY);
    if (q.Full) {
        // Only the rows below the surface hold liquid.
        const float surface = LiquidSurfaceY();
        const float bottom = BottleY + static_cast<float>(ImageHeight(q.Full));
        if (surface < bottom)
            DrawImageRowClipped(q.Full, BottleX, BottleY, BottleX,
                                BottleX + static_cast<float>(ImageWidth(q.Full)), surface, bottom);
    }
    for (const Ref<QuotaBottleWave>& w : QuotaWaves) w->Render();
    TDrawState::PushBlend(LIGHTBLEND);
    QuotaDrops.Render();
    RenderQuotaParticles();
    TDrawState::Pop();
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    DrawGameImage(q.Overlay, BottleX, BottleY);
    // The mask is the bottle's silhouette: drawn plainly it would paint the
    // liquid over in white, so it only lays a faint sheen on the glass.
    TDrawState::PushBlend(LIGHTBLEND);
    TDrawState::PushAlpha(0.08f);
    DrawGameImage(q.Mask, BottleX, BottleY);
    TDrawState::Pop();
}

void ResetQuotaWaves() {
    QuotaWaves.Clear();
}

} // namespace wispwood
