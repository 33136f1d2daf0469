#include "game/app/demo_banner.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/io/random.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_resources.h"
#include "framework/images/game_image.h"
#include "game/board/board_frame.h"
#include "game/level/fairy_dust.h"
#include "game/services/game_fonts.h"
#include "game/services/text_table.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace wispwood {

namespace {

// Above the pieces that matter: the open space is at the bottom. Risen,
// the plate clears the tally panel's heading.
constexpr float kPlateY = 50;
constexpr float kPlateYAside = 28;
constexpr float kAsideUpdates = 40;
constexpr int kDropUpdates = 90;
constexpr float kBreathUpdates = 180;
constexpr float kPlateScale = 0.9f;
constexpr float kLineScale = 0.7f;

float Wave(int ticks, float period) {
    return std::sin(static_cast<float>(ticks) / period * 2 * std::numbers::pi_v<float>);
}

} // namespace

float DemoBanner::CentreX() const {
    return static_cast<float>(BoardCentreX());
}

float DemoBanner::CentreY() const {
    // Drops in from above the screen and settles with a little bounce.
    const float y = LerpDampenClamped(-60, kPlateY, static_cast<float>(ticks_) / kDropUpdates);
    return y + LerpSquareSquareClamped(0, kPlateYAside - kPlateY, aside_);
}

void DemoBanner::Update(bool makeRoom) {
    ticks_ += 1;
    aside_ = std::clamp(aside_ + (makeRoom ? 1 : -1) / kAsideUpdates, 0.0f, 1.0f);
    // Dust now and then along the plate's edges.
    if (GuiButtonBig && ticks_ > kDropUpdates / 2) {
        const float w = kPlateScale * static_cast<float>(ImageWidth(GuiButtonBig));
        const float h = kPlateScale * static_cast<float>(ImageHeight(GuiButtonBig));
        const bool side = RandomInt(0, 3) == 0;
        const float x =
            side ? CentreX() + (RandomInt(0, 1) ? w : -w) / 2 : CentreX() + RandomFloatF(-w, w) / 2;
        const float y =
            side ? CentreY() + RandomFloatF(-h, h) / 2 : CentreY() + (RandomInt(0, 1) ? h : -h) / 2;
        FairyDust(sparkles_, x, y, 0.8f);
    }
    sparkles_.Update();
}

void DemoBanner::Render() {
    const float x = CentreX(), y = CentreY();
    const float breath = 1 + 0.03f * Wave(ticks_, kBreathUpdates);
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    if (GuiButtonBig) {
        TDrawState::Push();
        TDrawState::PushScale(kPlateScale * breath, kPlateScale * breath);
        CentreImageHandle(GuiButtonBig);
        DrawGameImage(GuiButtonBig, x, y);
        SetImageHandle(GuiButtonBig, 0, 0);
        TDrawState::Pop();
    }
    if (BigFont) BigFont->FontPrint(GetText("demo", "banner"), x, y + 1, AlignMiddle, 0.8f * breath);
    sparkles_.Render();
    // The way back, fading in once the plate has landed and then glowing
    // softly, on a dimmed band that keeps it readable over any board; it
    // gives way to the tally's heading.
    if (MainFont && ticks_ > kDropUpdates / 2) {
        const float fadeIn = LerpLinearClamped(0, 1, static_cast<float>(ticks_ - kDropUpdates / 2) / 50);
        const float glow = 0.8f + 0.2f * Wave(ticks_, kBreathUpdates / 2);
        const Text leave = GetText("demo", "leave");
        const float width = static_cast<float>(MainFont->FontLength(leave, kLineScale));
        const float height = static_cast<float>(MainFont->FontHeight(kLineScale));
        const float lineY = y + 38;
        // Each part's alpha is a share of the line's.
        TDrawState::Push();
        TDrawState::PushAlpha(fadeIn * (1 - aside_));
        TDrawState::Push();
        TDrawState::PushAlpha(0.45f);
        SetColor(0, 0, 0);
        DrawRect(x - width / 2 - 14, lineY - 4, width + 28, height + 8);
        TDrawState::Pop();
        TDrawState::Push();
        TDrawState::PushAlpha(0.7f);
        TDrawState::PushColor(0, 0, 0);
        MainFont->FontPrint(leave, x + 2, lineY + 2, AlignCentre, kLineScale);
        TDrawState::Pop();
        TDrawState::Push();
        TDrawState::PushAlpha(glow);
        MainFont->FontPrint(leave, x, lineY, AlignCentre, kLineScale);
        TDrawState::Pop();
        TDrawState::Pop();
    }
    TDrawState::Pop();
}

} // namespace wispwood
