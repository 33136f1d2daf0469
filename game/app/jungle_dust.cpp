#include "game/app/jungle_dust.h"
#include "engine/draw/draw_driver.h"
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "framework/anim/numeric.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include <cmath>
#include <numbers>

namespace wispwood {

TList<Ref<JungleDust>> DustMotes;
Ref<TImage> DustImage;
float Beam1X = 0, Beam2X = 0, Beam1Angle = 0, Beam2Angle = 0;

namespace {


float Rad(float degrees) {
    return degrees * std::numbers::pi_v<float> / 180;
}
// The band leans 25 degrees: x grows by this much per pixel down.
float Slant() {
    return std::tan(Rad(25));
}
float RightEdgeX(float y) {
    return Beam1X + 88 + Slant() * y;
}
float LeftEdgeX(float y) {
    return Beam2X - 88 + Slant() * y;
}

} // namespace

JungleDust::JungleDust() {
    Speed = RandomFloatF(0.5, 2.0);
    DirX = RandomInt(0, 1);
    DirY = RandomInt(0, 1);
    ReEvaluate = RandomInt(100, 200);
    BaseAlpha = RandomFloatF(0.05, 0.5);
}

Ref<JungleDust> JungleDust::Create() {
    auto mote = New<JungleDust>();
    DustMotes.AddLast(mote);
    mote->y = RandomFloatF(0, 400);
    mote->x = RandomFloatF(Beam2X - 88, Beam1X + 88) + Slant() * mote->y;
    return mote;
}

void JungleDust::Update() {
    x += DirX ? 0.05f * Speed : -0.05f * Speed;
    y += DirY ? 0.025f * Speed : -0.025f * Speed;
    ReEvaluate -= 1;
    if (ReEvaluate < 0) {
        ReEvaluate = RandomInt(100, 10000);
        DirY = RandomInt(0, 1);
    }
    // A mote leaving the band on one side comes back on the other.
    const float sx = 10 * std::sin(Rad(25)), sy = 10 * std::cos(Rad(25));
    float left = Beam2X - 90, right = Beam1X + 90;
    if (SignedLineDistance(left, 0, left + sx, sy, x, y) < 0) x = RightEdgeX(y);
    if (SignedLineDistance(right, 0, right + sx, sy, x, y) > 0) x = LeftEdgeX(y);
    if (y > 400 || y < -20) {
        y = RandomFloatF(0, 400);
        x = RandomInt(0, 1) ? RightEdgeX(y) : LeftEdgeX(y);
    }
}

float JungleDust::DoAlpha(float ax1, float ay1, float ax2, float ay2, float bx1, float by1, float bx2,
                          float by2, float length, float px, float py) {
    float r = SignedLineDistance(ax1, ay1, ax2, ay2, px, py);
    float t = SignedLineDistance(bx1, by1, bx2, by2, px, py);
    if ((r < 0) == (t < 0)) return 0;
    float v = 1 - py / length;
    if (v < 0) return 0;
    if (r < 10) return v * r / 10;
    if (t > -10) return v * (-t / 10);
    return v;
}

float JungleDust::Alpha() {
    auto beam = [this](float beamX, float angle) {
        float c = beamX - 40, a = Rad(-angle);
        float sx = 10 * std::sin(a), sy = 10 * std::cos(a);
        return DoAlpha(c, -20, c + sx, -20 + sy, c + 80, -20, c + 80 + sx, -20 + sy, 600, x, y);
    };
    return std::max(beam(Beam1X, Beam1Angle), beam(Beam2X, Beam2Angle));
}

void JungleDust::Render() {
    SetColor(255, 255, 255);
    SetBlend(ALPHABLEND);
    float a = Alpha() * BaseAlpha;
    if (a <= 0) return;
    SetAlpha(a);
    SetScale(1.0f / 3, 1.0f / 3);
    DrawGameImage(DustImage, x, y);
    SetScale(1, 1);
}

void JungleDust::UpdateAll() {
    for (const auto& mote : DustMotes) mote->Update();
}

void JungleDust::RenderAll() {
    TDrawState::Push();
    for (const auto& mote : DustMotes) mote->Render();
    TDrawState::Pop();
}

void ResetJungleDust() {
    DustMotes.Clear();
    DustImage = nullptr;
    Beam1X = Beam2X = Beam1Angle = Beam2Angle = 0;
}

} // namespace wispwood
