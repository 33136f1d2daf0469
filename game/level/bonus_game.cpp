#include "game/level/bonus_game.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/images/game_image.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tunables.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/board_sound.h"
#include "game/board/level_set.h"
#include "game/board/reward_text.h"
#include "game/board/score_popups.h"
#include "game/board/tutorials.h"
#include "game/level/bonus_brick.h"
#include "game/level/bonus_gems.h"
#include "game/level/bonus_images.h"
#include "game/level/bonus_tutorial.h"
#include "game/services/game_fonts.h"
#include "game/services/settings.h"
#include "game/services/text_table.h"
#include <algorithm>

namespace wispwood {

std::array<std::array<Ref<BonusBrick>, BonusRows>, BonusColumns> BonusGrid;
int FairyCount = 0;
int BonusPhase = BonusShow;
int BonusStep = 1000;
float BonusTimer = 0;
int BonusStarted = 0;
int BonusPerfect = 1;
int HideClicked = 0;
int FairiesFound = 0;
int StartDelay = 0;
float ClickTextGlow = 0;
float ClickPromptFade = 1;
ParticleGroup BonusParticles;

namespace {

constexpr float kFadeTicks = 75;
constexpr float kPromptScale = 0.75f;

int BonusNumber() {
    return CurrentLevel ? CurrentLevel->BonusNumber : 0;
}

template <class Fn>
void ForEachBrick(Fn fn) {
    for (int row = 0; row < BonusRows; ++row)
        for (int column = 0; column < BonusColumns; ++column)
            if (Ref<BonusBrick> b = BonusGrid[column][row]) fn(b);
}

bool AllFairiesTurned() {
    bool all = true;
    ForEachBrick([&](const Ref<BonusBrick>& b) {
        if (b->Treasure && (b->FlipDelay > 0 || b->Frame < 24)) all = false;
    });
    return all;
}

bool AnyFlipping() {
    bool any = false;
    ForEachBrick([&](const Ref<BonusBrick>& b) { any = any || b->Flipping; });
    return any;
}

bool AnyFairyLeft() {
    bool any = false;
    ForEachBrick([&](const Ref<BonusBrick>& b) { any = any || b->Treasure; });
    return any;
}

Ref<BonusBrick> FirstBrick() {
    Ref<BonusBrick> first;
    ForEachBrick([&](const Ref<BonusBrick>& b) {
        if (!first) first = b;
    });
    return first;
}

float PromptY() {
    return GetTunable("clicky", "120");
}

void HideFairies() {
    HideClicked = 1;
    SwapBonusTutorialText();
    PlayBoardSound("media\\sound\\bonusflip.ogg");
    ForEachBrick([](const Ref<BonusBrick>& b) {
        if (b->Treasure) b->TurningBackRound = 1;
    });
}

void Finish() {
    // A grid without fairies (a pattern past the table) has nothing to find
    // and earns nothing for it.
    if (BonusPerfect && FairyCount > 0) {
        ReleasePerfectGems(BonusParticles);
        Ref<RewardTextGroup> group = CreateRewardText(" ", "PERFECT!", 0, 0, 0);
        if (group)
            for (const Ref<RewardText>& text : group->Instances) text->Life = 300;
        PlayBoardSound("media\\jingles\\bonusgameperfect.ogg");
    } else {
        PlayBoardSound("media\\jingles\\bonusgamenotperfect.ogg");
    }
    ClearTutorials();
    BonusTimer = 0;
}

void UpdatePhase() {
    switch (BonusPhase) {
    case BonusShow:
        if (!HideClicked && AllFairiesTurned() && AnyFlipping() && GameMouseClicks(1))
            HideFairies();
        if (!AnyFlipping()) BonusPhase = BonusFind;
        break;
    case BonusFind:
        if (!AnyFairyLeft() && ScorePopups.AllParticles.Count() == 0) {
            BonusPhase = BonusClear;
            if (BonusPerfect) SwapBonusTutorialTextGreat();
        }
        break;
    case BonusClear:
        if (Ref<BonusBrick> b = FirstBrick()) {
            b->Crumble();
        } else if (RewardTextCount() == 0) {
            BonusPhase = BonusFinish;
        }
        break;
    default:
        if (BonusTimer > 1) {
            BonusTimer -= 1;
        } else if (BonusTimer == 1) {
            Finish();
        }
        break;
    }
}

} // namespace

int FirstBonusGame() {
    return BonusNumber() == 0 ? 1 : 0;
}

int BonusGridLeft() {
    return BoardLeft();
}

int BonusGridTop() {
    const float offset = FirstBonusGame() ? GetTunable("offsetfirsty", "117") : GetTunable("offsety", "91");
    return static_cast<int>(300.0f - (48.0f * 4) / 2 + offset);
}

float CounterSlotX(int i) {
    const float w = static_cast<float>(BonusImages.TickBase ? ImageWidth(BonusImages.TickBase) : 24);
    return static_cast<float>(BoardCentreX()) - (static_cast<float>(FairyCount) * (w + 8) - 8) / 2 +
           static_cast<float>(i) * (w + 8);
}

float CounterSlotY() {
    return GetTunable("ticky", "242") + (FirstBonusGame() ? 0 : GetTunable("firstleveltickoffset", "26"));
}

int MouseOverClickPrompt() {
    if (!MainFont) return 0;
    CurrentFontScope scope(MainFont);
    const Text prompt = GetText("bonus", "bonusgameclick");
    const float w = CurrentFontLength(prompt, kPromptScale);
    const float h = CurrentFontHeight(kPromptScale);
    const float mx = static_cast<float>(GameMouseX()), my = static_cast<float>(GameMouseY());
    const float cx = static_cast<float>(BoardCentreX());
    return mx >= cx - w / 2 && mx < cx + w / 2 && my >= PromptY() && my < PromptY() + h ? 1 : 0;
}

void BuildBonusGrid() {
    ResetBonusGame();
    const int number = BonusNumber();
    for (int row = BonusRows - 1; row >= 0; --row) {
        for (int column = 0; column < BonusColumns; ++column) {
            auto brick = New<BonusBrick>();
            brick->x = column;
            brick->y = row;
            brick->Treasure = BonusPatternFlag(number, column, row);
            FairyCount += brick->Treasure;
            BonusGrid[column][row] = brick;
        }
    }
    int k = 0;
    for (int row = BonusRows - 1; row >= 0; --row) {
        for (int column = 0; column < BonusColumns; ++column) {
            BonusBrick& b = *BonusGrid[column][row];
            if (!b.Treasure) continue;
            b.Flipping = 1;
            b.FlipDelay = 50 + 30 * k++;
        }
    }
    StartDelay = 175;
    ClickTextGlow = 0;
}

void UpdateBonusGame(bool paused) {
    BonusParticles.Update();
    if (paused) return;
    if (StartDelay >= 1) {
        StartDelay -= 1;
        return;
    }
    ClickTextGlow = std::clamp(ClickTextGlow + (MouseOverClickPrompt() ? 0.05f : -0.02f), 0.0f, 0.4f);
    if (!BonusStarted && !TransitionInProgress()) {
        BonusTimer += 1;
        if (BonusTimer > kFadeTicks) {
            BonusTimer = kFadeTicks;
            BonusStarted = 1;
        }
        if (FirstBonusGame()) StartBonusTutorial();
    }
    // The tiles run from the end of the start delay, so the first fairies
    // show while the grid is still fading in.
    int hovered = 0;
    for (int row = 0; row < BonusRows; ++row)
        for (int column = 0; column < BonusColumns; ++column)
            if (Ref<BonusBrick> b = BonusGrid[column][row]) hovered |= b->Update(hovered);
    if (BonusStarted) UpdatePhase();
    if (HideClicked) ClickPromptFade = std::max(0.0f, ClickPromptFade - 0.01f);
}

int BonusGameOver() {
    return BonusPhase == BonusFinish && BonusTimer == 0 ? 1 : 0;
}

float BonusFadeAlpha() {
    return LerpSquareClamped(0, 1, BonusTimer / kFadeTicks);
}

void RenderBonusGame() {
    const float alpha = BonusFadeAlpha();
    const float centre = static_cast<float>(BoardCentreX());
    TDrawState::Push();
    TDrawState::PushAlpha(alpha);
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    // The frame sits under the grid's last row.
    DrawGameImage(BonusImages.Container, centre,
                  GetTunable("containeroffsety", "44.0000000") + static_cast<float>(BonusGridTop()) +
                      4 * BonusTilePitch);
    ForEachBrick([](const Ref<BonusBrick>& b) { b->Render(); });
    TDrawState::Push();
    if (!(FirstBonusGame() && GetHints()) && BigFont) {
        CurrentFontScope scope(BigFont);
        PrintText(GetText("bonus", "bonusgame"), centre, GetTunable("bdy", "72"), AlignCentre, 1);
    }
    if (BonusPhase == BonusShow && AllFairiesTurned() && FairyCount > 0 && ClickPromptFade > 0 && MainFont) {
        CurrentFontScope scope(MainFont);
        SetAlpha(alpha * ClickPromptFade * LerpSqrtClamped(1, 1.4f, ClickTextGlow / 0.4f));
        PrintText(GetText("bonus", "bonusgameclick"), centre, PromptY(), AlignCentre, kPromptScale);
    }
    TDrawState::Pop();
    for (int i = 0; i < FairyCount; ++i) {
        const float x = CounterSlotX(i), y = CounterSlotY();
        DrawGameImage(BonusImages.TickBase, x, y);
        if (i < FairiesFound) DrawGameImage(BonusImages.Tick, x, y);
    }
    TDrawState::Pop();
    BonusParticles.Render();
}

void ResetBonusGame() {
    for (auto& column : BonusGrid) column.fill(nullptr);
    FairyCount = 0;
    BonusPhase = BonusShow;
    BonusStep = 1000;
    BonusTimer = 0;
    BonusStarted = 0;
    BonusPerfect = 1;
    HideClicked = 0;
    FairiesFound = 0;
    StartDelay = 0;
    ClickTextGlow = 0;
    ClickPromptFade = 1;
    BonusParticles.AllParticles.Clear();
}

} // namespace wispwood
