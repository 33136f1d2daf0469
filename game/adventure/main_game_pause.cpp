// The game scene's pause: the menu opened from the side panel, P, Escape or
// a lost focus, its darkened "PAUSED" overlay, and the "GET READY" banner
// of a resumed game.
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/gui_text_heading.h"
#include "framework/images/game_image.h"
#include "framework/layout/apply_layout.h"
#include "framework/layout/layout_resource.h"
#include "game/adventure/main_game.h"
#include "game/board/board_frame.h"
#include "game/level/tally.h"
#include "game/services/game_fonts.h"
#include "game/services/text_table.h"
#include <cmath>
#include <numbers>

namespace wispwood {

namespace {

Ref<TImage> gPausedBanner;

Ref<guiGadget> MenuButtonAt(guiContainer& menu, float x, float y, const Text& key) {
    Ref<guiGadget> button = menu.AddButton(x, y, GuiButtonEmpty, nullptr);
    if (!button) return nullptr;
    button->DrawnText = GetText("main", key);
    button->LayoutName = key;
    return button;
}

} // namespace

void LoadPauseMenuImages() {
    gPausedBanner = LoadGameImage("media\\gui\\button-big.png");
}

void ResetPauseMenuImages() {
    gPausedBanner = nullptr;
}

void MainGame::createPauseMenu() {
    if (CurrentTally) return;
    if (Container->Child && !Container->Child->Removed && !Container->Child->Destroying) return;
    if (!MenuButton || MenuButton->Removed) return;
    MenuContainer = Container->AddContainer();
    if (!MenuContainer) return;
    const Ref<TImage>& size = ContainerImage;
    float w = size ? static_cast<float>(ImageWidth(size)) : 0;
    float h = size ? static_cast<float>(ImageHeight(size)) : 0;
    // The dialog panel its size comes from (the options dialog's backing is
    // taller, for its extra rows).
    if (Ref<guiGadget> backing =
            MenuContainer->AddStatic(std::trunc(400 - w / 2), std::trunc(300 - h / 2), GuiContainerBacking))
        backing->LayoutName = "static";
    if (Ref<guiTextHeading> heading = MenuContainer->AddText(0, 0, GetText("main", "paused"))) {
        heading->DrawnTextFont = BigFont;
        heading->LayoutName = "heading";
    }
    OptionsButton = MenuButtonAt(*MenuContainer, 342, 231, "options");
    ExitButton = MenuButtonAt(*MenuContainer, 342, 326, "exit");
    BackButton = MenuButtonAt(*MenuContainer, 210, 331, "back");
    MenuContainer->NavStart = BackButton;
    if (MainLayout) ApplyLayout(*MenuContainer, MainLayout->GetLayout("PauseMenu"));
}

void MainGame::RenderPaused() {
    int p = PausedProgress;
    if (p <= 0) return;
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushAlpha(static_cast<float>(p) / 45);
    SetColor(0, 0, 0);
    DrawRect(0, 0, GraphicsWidth(), GraphicsHeight());
    TDrawState::Pop();

    // The banner grows in, overshoots a little and settles.
    float s = 1, a = 1;
    if (p < 20) {
        s = static_cast<float>(p) / 19;
        a = std::clamp(static_cast<float>(p) / 15, 0.0f, 1.0f);
    } else if (p < 25) {
        s = 20.0f / 19 + std::sin(static_cast<float>(p - 20) / 5 * std::numbers::pi_v<float>) / 40;
    } else if (p < 30) {
        s = 20.0f / 19 + (1 - 20.0f / 19) * static_cast<float>(p - 25) / 5;
    }
    float cx = static_cast<float>(GraphicsWidth() / 2), cy = static_cast<float>(GraphicsHeight() / 2);
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushAlpha(a);
    TDrawState::PushScale(s, s);
    if (gPausedBanner) {
        CentreImageHandle(gPausedBanner);
        DrawGameImage(gPausedBanner, cx, cy);
        SetImageHandle(gPausedBanner, 0, 0);
    }
    if (BigFont) BigFont->FontPrint("PAUSED", cx, cy + 7 * (s - 0.2f) - 3, AlignMiddle, s - 0.2f);
    TDrawState::Pop();
}

void MainGame::GetReadyRender() {
    if (GetReady == 0) return;
    float t = std::clamp(static_cast<float>(50 - GetReady) / 50, 0.0f, 1.0f);
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushAlpha(LerpSqrtClamped(1, 0, t));
    float x = static_cast<float>(BoardCentreX()), y = static_cast<float>(GraphicsHeight() / 2);
    CurrentFontScope font(BigFont);
    PrintText("GET READY", x, y, AlignMiddle, 2);
    if (GetReady <= 75) PrintText("GO!", x, y + CurrentFontHeight(2) + 8, AlignMiddle, 2);
    TDrawState::Pop();
}

} // namespace wispwood
