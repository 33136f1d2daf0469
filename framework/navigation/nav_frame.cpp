#include "framework/navigation/nav_frame.h"
#include "engine/draw/draw_driver.h"
#include "engine/draw/image.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_resources.h"
#include "framework/images/game_image.h"
#include "framework/navigation/nav_target.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace wispwood {

namespace {

Ref<TImage> gEdge, gCorner;

// The frame stands a little outside its target, glides there over a few
// updates and breathes once every two seconds.
constexpr float kFrameMargin = 4;
constexpr float kGlide = 0.35f;
constexpr int kBreath = 200;
constexpr float kSmallest = 26;
constexpr int kGold[3] = {255, 190, 40};
constexpr int kGlow[3] = {255, 236, 180};
// The help under a text box, on the light backing of its dialog.
constexpr int kHint[3] = {70, 45, 20};

float Breath(int ticks) {
    return 0.5f + 0.5f * std::sin(static_cast<float>(ticks) * 2 * std::numbers::pi_v<float> / kBreath);
}

void DrawFramePiece(const Ref<TImage>& image, float x, float y, float degrees, float scaleX) {
    if (!image) return;
    TDrawState::Push();
    TDrawState::PushRotation(degrees);
    TDrawState::PushScale(scaleX, 1);
    DrawGameImage(image, x, y);
    TDrawState::Pop();
}

// Four edges between four rounded corners.
void DrawGoldFrame(float left, float top, float right, float bottom, int blend, const int (&colour)[3],
                   float alpha) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float corner = static_cast<float>(gCorner->width) / 2;
    const float edge = static_cast<float>(gEdge->width);
    const float across = std::max(0.0f, right - left - 2 * corner) / edge;
    const float down = std::max(0.0f, bottom - top - 2 * corner) / edge;
    TDrawState::Push();
    TDrawState::PushBlend(blend);
    TDrawState::PushColor(colour[0], colour[1], colour[2]);
    TDrawState::PushAlpha(alpha);
    DrawFramePiece(gEdge, cx, top, 0, across);
    DrawFramePiece(gEdge, right, cy, 90, down);
    DrawFramePiece(gEdge, cx, bottom, 180, across);
    DrawFramePiece(gEdge, left, cy, 270, down);
    DrawFramePiece(gCorner, right, top, 0, 1);
    DrawFramePiece(gCorner, right, bottom, 90, 1);
    DrawFramePiece(gCorner, left, bottom, 180, 1);
    DrawFramePiece(gCorner, left, top, 270, 1);
    TDrawState::Pop();
}

} // namespace

void LoadNavFrameImages() {
    gEdge = LoadCentredGameImage("media\\particles\\horizontal.png");
    gCorner = LoadCentredGameImage("media\\particles\\smallcorner.png");
}

void ResetNavFrameImages() {
    gEdge = gCorner = nullptr;
}

void NavFrame::Snap(const NavTarget* target) {
    placed_ = target != nullptr;
    if (!target) return;
    x_ = target->x;
    y_ = target->y;
    w_ = target->w;
    h_ = target->h;
}

void NavFrame::Follow(const NavTarget* target) {
    ticks_ += 1;
    if (!target) return;
    if (!placed_) {
        Snap(target);
        return;
    }
    x_ += (target->x - x_) * kGlide;
    y_ += (target->y - y_) * kGlide;
    w_ += (target->w - w_) * kGlide;
    h_ += (target->h - h_) * kGlide;
}

void NavFrame::Draw(const Text& hint) const {
    if (!placed_) return;
    const float breath = Breath(ticks_);
    // A small target (a location on the map) gets a frame it can be seen by.
    const float w = std::max(w_, kSmallest), h = std::max(h_, kSmallest);
    const float left = x_ + (w_ - w) / 2 - kFrameMargin, top = y_ + (h_ - h) / 2 - kFrameMargin;
    const float right = left + w + 2 * kFrameMargin, bottom = top + h + 2 * kFrameMargin;
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    // A soft glow behind the frame...
    if (const Ref<TImage>& glow = GuiButtonGlow) {
        const float sx = (right - left) * 1.3f / static_cast<float>(glow->width);
        const float sy = (bottom - top) * 1.5f / static_cast<float>(glow->height);
        TDrawState::Push();
        TDrawState::PushBlend(LIGHTBLEND);
        TDrawState::PushColor(kGlow[0], kGlow[1], kGlow[2]);
        TDrawState::PushAlpha(0.2f + 0.2f * breath);
        TDrawState::PushScale(sx, sy);
        DrawGameImage(glow, cx + (glow->handle_x - static_cast<float>(glow->width) / 2) * sx,
                      cy + (glow->handle_y - static_cast<float>(glow->height) / 2) * sy);
        TDrawState::Pop();
    }
    // ... the frame in gold, which shows on light backings too, and its
    // shine breathing over it.
    if (gEdge && gCorner) {
        DrawGoldFrame(left, top, right, bottom, ALPHABLEND, kGold, 0.9f);
        DrawGoldFrame(left, top, right, bottom, LIGHTBLEND, kGlow, 0.25f + 0.45f * breath);
    }
    if (!hint.empty() && CurrentFont) {
        TDrawState::Push();
        TDrawState::PushBlend(ALPHABLEND);
        TDrawState::PushColor(kHint[0], kHint[1], kHint[2]);
        PrintText(hint, cx, bottom + 2, AlignCentre, 0.5f);
        TDrawState::Pop();
    }
}

} // namespace wispwood
