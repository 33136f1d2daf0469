#include "game/board/pointy_arrow.h"
#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace wispwood {

namespace {

constexpr float kFadeStep = 0.05f;

float Rad(float degrees) {
    return degrees * std::numbers::pi_v<float> / 180;
}

} // namespace

void PointyArrow::Kill() {
    Killing = 1;
}

void PointyArrow::Update() {
    Ticks += 1;
    if (Killing || Hide) {
        Alpha = std::max(0.0f, Alpha - kFadeStep);
        if (Killing) Killed = Alpha == 0 ? 1 : 0;
    } else {
        Alpha = std::min(1.0f, Alpha + kFadeStep);
    }
}

float PointyArrow::Dist() {
    const float phase = static_cast<float>(Ticks) / static_cast<float>(DistPeriod) * 360;
    return DistLow + std::sin(Rad(phase)) * (DistHigh - DistLow);
}

float PointyArrow::GetX() {
    return x - std::sin(Rad(Angle)) * Dist();
}

float PointyArrow::GetY() {
    return y - std::cos(Rad(Angle)) * Dist();
}

void PointyArrow::Render() {
    if (!Image || Alpha <= 0) return;
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushAlpha(Alpha);
    // The picture points down; its handle is the middle of its top edge,
    // so turned this way its tip lands on the target.
    TDrawState::PushRotation(180 - Angle);
    DrawGameImage(Image, GetX(), GetY());
    TDrawState::Pop();
}

} // namespace wispwood
