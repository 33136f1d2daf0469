#include "game/adventure/end_game_screen.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/draw_state/draw_state.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/navigation/gadget_targets.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/background.h"
#include "game/adventure/credit.h"
#include "game/adventure/credits_file.h"
#include "game/services/text_table.h"

namespace wispwood {

namespace {

constexpr int kMargin = 16;
constexpr int kDarkFrom = 175, kDarkUntil = 275;
constexpr float kDarkest = 0.7f;
constexpr float kScrollSpeed = 0.5f;
// The first line starts this far below the screen's bottom edge.
constexpr float kStartBelow = 150;
constexpr float kGoneAbove = -200;

} // namespace

EndGameScreen::EndGameScreen() {
    DrawPointer = 1;
    Container = New<guiContainer>();
    const Ref<TImage>& image = GuiButtonEmpty;
    const int w = image ? image->width : 0, h = image ? image->height : 0;
    Whatever = Container->AddButton(static_cast<float>(800 - kMargin - w),
                                    static_cast<float>(600 - kMargin - h), image);
    if (Whatever) Whatever->DrawnText = GetText("gameend", "whatever");
}

Ref<GameLoop> MakeEndGameScreen() {
    return New<EndGameScreen>();
}

int EndGameScreen::Load() {
    LoadCredits();
    return 0;
}

int EndGameScreen::ToEscape(int) {
    return ShouldEscape;
}

int EndGameScreen::CreditsOffScreen() {
    const float y = static_cast<float>(GraphicsHeight()) + kStartBelow - CreditsOffset + CreditsHeight();
    return y < kGoneAbove ? 1 : 0;
}

float EndGameScreen::DarkeningAlpha() const {
    return LerpSquareSquareClamped(0, kDarkest,
                                   Normalise(static_cast<float>(FadeProgress), kDarkFrom, kDarkUntil));
}

int EndGameScreen::Update() {
    // The map below removed itself when it brought this screen up, so the
    // pop reveals the title screen.
    if (Whatever && Whatever->mhit) {
        Ref<GameLoop> top = TopScene();
        if (top.get() == this) PopScene(top, 1);
    }
    if (CreditsOffScreen()) {
        FadeProgress -= 1;
    } else if (++FadeProgress > kDarkUntil) {
        FadeProgress = kDarkUntil;
        CreditsOffset += kScrollSpeed;
    }
    Container->Update();
    return 0;
}

void EndGameScreen::RenderCredits() {
    float y = static_cast<float>(GraphicsHeight()) + kStartBelow - CreditsOffset;
    for (const Ref<Credit>& credit : Credits) {
        credit->Render(y);
        y += credit->Height();
    }
}

int EndGameScreen::Render() {
    if (const Ref<Background>& scenery = Backgrounds[SceneryIndex]) scenery->Render();
    TDrawState::Push();
    SetBlend(ALPHABLEND);
    SetColor(0, 0, 0);
    SetAlpha(DarkeningAlpha());
    DrawRect(0, 0, static_cast<float>(GraphicsWidth()), static_cast<float>(GraphicsHeight()));
    SetColor(255, 255, 255);
    SetAlpha(1);
    RenderCredits();
    TDrawState::Pop();
    Container->Render(0);
    return 0;
}

void EndGameScreen::NavigationTargets(NavTargets& targets) {
    AddGadgetTargets(*Container, targets);
}

} // namespace wispwood
