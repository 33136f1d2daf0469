#include "framework/gui/gui_gadget.h"
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/pointer.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tunables.h"
#include "framework/sound/sound.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

constexpr float kGlowMax = 0.3f;
constexpr int kActivationFade = 80;
constexpr int kTextSwapUpdates = 15;
// A hover sparkle now and then lives several times longer.
constexpr int kLongSparkleChance = 20;

} // namespace

void guiGadget::AssignMouseClickSound(const Ref<Sound>& sound) {
    HitSound = sound;
}

void guiGadget::AssignMouseOverSound(const Ref<Sound>& sound) {
    OverSound = sound;
}

void guiGadget::StripSounds() {
    HitSound = nullptr;
    OverSound = nullptr;
}

float guiGadget::GetWidtH() {
    return Image ? static_cast<float>(Image->width) : static_cast<float>(width);
}

float guiGadget::GetHeight() {
    return Image ? static_cast<float>(Image->height) : static_cast<float>(height);
}

int guiGadget::MouseIsOver() {
    int mx = GameMouseX(), my = GameMouseY();
    if (TransitionObscures(mx, my)) return 0;
    float fx = static_cast<float>(mx), fy = static_cast<float>(my);
    return fx >= x && fx <= x + GetWidtH() && fy >= y && fy <= y + GetHeight() ? 1 : 0;
}

void guiGadget::Update(int blocked) {
    if (!GrabText.empty()) {
        x = GetTunable(GrabText + "x", FloatToText(x));
        y = GetTunable(GrabText + "y", FloatToText(y));
    }
    ticks += 1;
    activeprogress += 2;
    mover = mhit = rmhit = 0;
    if (DrawnText != lastDrawnText_) {
        lastDrawnText_ = DrawnText;
        ticks = 0;
    }

    if (!active || disablemouse) {
        moverduration = std::max(0.0f, moverduration - 0.01f);
        return;
    }

    if (!blocked && Clickable && !MouseTaken && MouseIsOver()) {
        MouseTaken = 1;
        mover = 1;
        SetPointerHand(1);
        if (GameMouseClicks(1)) {
            mhit = 1;
            if (HitSound) HitSound->Play();
        }
        if (GameMouseClicks(2)) rmhit = 1;
    }

    UpdateMouseOverParticles();
    LastMouseOver = mover;

    if (DisableMouseOverEffect)
        moverduration = 0;
    else if (mover)
        moverduration = std::min(kGlowMax, moverduration + 0.02f);
    else
        moverduration = std::max(0.0f, moverduration - 0.01f);

    if (!DrawnTextNewLines.empty()) {
        DrawnTextNewLinesTransition += 1;
        if (DrawnTextNewLinesTransition > kTextSwapUpdates) {
            DrawnTextLines = DrawnTextNewLines;
            DrawnTextNewLines.clear();
            DrawnTextNewLinesTransition = 0;
            ticks = 0;
        }
    }
}

void guiGadget::UpdateMouseOverParticles() {
    if (!mover) {
        DoneMouseOverParticles = 0;
        return;
    }
    auto container = Parent();
    if (!Image || DisableMouseOverEffect || !container) return;
    if (!DoneMouseOverParticles) {
        DoneMouseOverParticles = 1;
        if (!container->HadMouseUp) return;
        int burst = static_cast<int>(30.0f * GetWidtH() / 200.0f);
        for (int i = 0; i < burst; ++i) AddSparkle(1.0f);
    } else if (RandomInt(1, 5) == 1) {
        AddSparkle(0.7f);
    }
}

void guiGadget::AddSparkle(float strength) {
    auto container = Parent();
    float w = GetWidtH(), h = GetHeight();
    float px = x + 0.2f * w + static_cast<float>(RandomFloat(0, 0.6 * w));
    float py = y + 0.2f * h + static_cast<float>(RandomFloat(0, 0.6 * h));
    auto lifeScale = static_cast<float>(RandomFloat(0.6, 2.0));
    auto p = AddTwinkle(*container->ParticleLayer, px, py, 0, GuiTwinkle, kLongSparkleChance, lifeScale);
    p->dx = static_cast<float>(RandomFloat(-1.2, 1.2)) * w / 150.0f * strength;
    p->dy = static_cast<float>(RandomFloat(-1.2, 1.2)) * w / 150.0f * strength;
    p->Friction = 0.95f;
}

void guiGadget::PreRender() {
    if (moverduration <= 0 || !GuiButtonGlow) return;
    const Ref<TImage>& glow = GuiButtonGlow;
    float w = GetWidtH(), h = GetHeight();
    float grow = (scale + moverduration) * MouseOverEffectScale;
    TDrawState::Push();
    TDrawState::PushBlend(LIGHTBLEND);
    TDrawState::PushAlpha(moverduration / kGlowMax);
    TDrawState::PushColor(255, 255, 255);
    TDrawState::PushRotation(0);
    float sx = glow->width > 0 ? w * grow / static_cast<float>(glow->width) : 0;
    float sy = glow->height > 0 ? h * grow / static_cast<float>(glow->height) : 0;
    TDrawState::PushScale(sx, sy);
    // Centred on the gadget whatever the glow picture's handle.
    float cx = x + w / 2 + (glow->handle_x - static_cast<float>(glow->width) / 2) * sx;
    float cy =
        y + h / 2 + MouseOverEffectOffsetY + (glow->handle_y - static_cast<float>(glow->height) / 2) * sy;
    DrawGameImage(glow, cx, cy);
    TDrawState::Pop();
}

int guiGadget::ActivationGrey() const {
    float level = active ? 1.0f : 0.6f;
    if (activeprogress < kActivationFade) {
        float t = static_cast<float>(std::max(activeprogress, 0)) / kActivationFade;
        level = active ? 0.6f + 0.4f * t : 1.0f - 0.4f * t;
    }
    return static_cast<int>(level * 255.0f + 0.5f);
}

float guiGadget::HoverScale() const {
    return scale + moverduration / 9.0f;
}

Ref<Font> guiGadget::LabelFont() const {
    return DrawnTextFont ? DrawnTextFont : CurrentFont;
}

void guiGadget::DrawGreyed(const Ref<TImage>& image, float cx, float cy, float c, float alpha) const {
    int grey = ActivationGrey();
    float iw = static_cast<float>(image->width), ih = static_cast<float>(image->height);
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushColor(grey, grey, grey);
    TDrawState::PushAlpha(alpha);
    TDrawState::PushRotation(0);
    TDrawState::PushScale(c, c);
    DrawGameImage(image, cx + c * (image->handle_x - iw / 2), cy + c * (image->handle_y - ih / 2));
    TDrawState::Pop();
}

void guiGadget::RenderImage(const Ref<TImage>& image, float grow, float offsetY) {
    if (!image) return;
    // Grows about the gadget's centre.
    DrawGreyed(image, x + GetWidtH() / 2, y + GetHeight() / 2 + offsetY, HoverScale() * grow,
               OverallAlpha + moverduration * std::min(OverallAlpha, 1.0f));
}

void guiGadget::RenderText() {
    const TextArray* lines = &DrawnTextLines;
    TextArray single;
    float lineAlpha = 1;
    if (!DrawnTextNewLines.empty() && !DrawnTextLines.empty()) {
        // The old lines fade out while the new ones wait.
        lineAlpha = 1.0f - static_cast<float>(DrawnTextNewLinesTransition) / kTextSwapUpdates;
    }
    if (lines->empty()) {
        if (DrawnText.empty()) return;
        single.push_back(DrawnText);
        lines = &single;
    }
    CurrentFontScope fontScope(LabelFont());
    if (!CurrentFont) return;

    float textScale = DrawnTextScale * HoverScale();
    float lineHeight = CurrentFontHeight(textScale);
    int align;
    float ax, ay;
    if (DrawnTextCentered == 0) {
        align = AlignMiddle;
        ax = x + GetWidtH() / 2 + DrawnTextExtraX;
        ay = y + GetHeight() / 2 + DrawnTextExtraY - lineHeight * static_cast<float>(lines->size() - 1) / 2;
    } else {
        align = DrawnTextCentered;
        ax = x + DrawnTextExtraX;
        ay = y + DrawnTextExtraY;
    }

    int grey = ActivationGrey();
    TDrawState::Push();
    TDrawState::PushColor(grey, grey, grey);
    TDrawState::PushAlpha(std::min(OverallAlpha, 1.0f) * std::max(lineAlpha, 0.0f));
    TDrawState::PushRotation(0);
    int offset = DrawnTextScaleInDelay;
    for (size_t i = 0; i < lines->size(); ++i) {
        const Text& line = (*lines)[i];
        float ly = ay + lineHeight * static_cast<float>(i);
        if (DrawnTextScaleIn)
            PrintPopIn(line, ax, ly, align, textScale, ticks, offset);
        else
            PrintText(line, ax, ly, align, textScale);
        // Each line pops in after the characters of the lines above.
        offset += 4 * static_cast<int>(line.size());
    }
    TDrawState::Pop();
}

void guiGadget::Render() {
    RenderImage(mover && MouseOver ? MouseOver : Image);
    RenderText();
}

void guiGadget::Activate() {
    if (active) return;
    active = 1;
    activeprogress = std::max(kActivationFade - activeprogress, 0);
}

void guiGadget::Deactivate() {
    if (!active) return;
    active = 0;
    activeprogress = std::max(kActivationFade - activeprogress, 0);
}

void guiGadget::ChangeDrawnTextLines(const TextArray& lines) {
    DrawnTextNewLines = lines;
    DrawnTextNewLinesTransition = 0;
}

} // namespace wispwood
