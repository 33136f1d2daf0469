#include "game/level/bonus_brick.h"
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "framework/anim/anim.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/tunables.h"
#include "game/board/board.h"
#include "game/board/board_sound.h"
#include "game/board/crumble.h"
#include "game/board/effect_images.h"
#include "game/board/fairy_flight.h"
#include "game/board/score_popups.h"
#include "game/level/bonus_game.h"
#include "game/level/bonus_images.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

constexpr float kFlipSpeed = 0.4f;
constexpr float kTurned = 24;

Ref<TAnimStretch> Stretch(const std::vector<int>& frames, int ticksPerFrame, int repeats) {
    Ref<TAnimStretch> s = TAnimStretch::CreateFromFrameSequence(BonusImages.FairyTile, frames);
    s->FrameTickSpeed = ticksPerFrame - 1;
    s->NumberOfRepeats = repeats;
    return s;
}

// Twinkles burst over the tile, as over a board piece.
void SparkleBursts(const BonusBrick& brick, int count) {
    const float left = static_cast<float>(BonusGridLeft() + brick.x * BonusTilePitch);
    const float top = static_cast<float>(BonusGridTop() + brick.y * BonusTilePitch);
    for (int i = 0; i < count; ++i) {
        Ref<Particle> p = AddTwinkle(BonusParticles, left + RandomFloatF(5, BonusTileSize - 5),
                                     top + RandomFloatF(5, BonusTileSize - 5), 0, EffectImages.Twinkle, 5, 1);
        p->dx = RandomFloatF(-1, 1);
        p->dy = RandomFloatF(-1, 1);
    }
}

// Three sparkles fly from the tile into the counter slot of this find and
// go out there.
void SparklesToCounter(float fromX, float fromY, int slot) {
    const float w = static_cast<float>(BonusImages.TickBase ? ImageWidth(BonusImages.TickBase) : 24);
    const float toX = CounterSlotX(slot) + w / 2;
    const float toY = CounterSlotY() + w / 2;
    for (int i = 0; i < 3; ++i) {
        auto p = BonusParticles.AddParticle();
        p->Image = EffectImages.Star;
        p->Blend = 4;
        p->x = fromX + RandomFloatF(-8, 8);
        p->y = fromY + RandomFloatF(-8, 8);
        p->TotalLife = 40 + 6 * static_cast<float>(i);
        p->dx = (toX - p->x) / p->TotalLife;
        p->dy = (toY - p->y) / p->TotalLife;
        p->StartScale = 0.8f;
        p->EndScale = 0.3f;
        p->dRotation = 4;
    }
}

// The fairy of a found brick flies off as the board's freed fairies do,
// from the brick's centre, in the bonus game's own layer.
void FreeBonusFairy(float x, float y) {
    const FairyImagePair pictures{BonusImages.FlyLeft, BonusImages.FlyRight};
    ReleaseFairy(x - CellWidth / 2.0f, y + CellHeight / 2.0f, &pictures, &BonusParticles);
}

// The "oops" picture jumps up at the tile and fades.
void Oops(float x, float y) {
    auto p = BonusParticles.AddParticle();
    p->Image = BonusImages.Oops;
    p->x = x;
    p->y = y;
    p->TotalLife = 90;
    p->StartScale = 0.6f;
    p->EndScale = 1.1f;
    p->StartAlpha = 1.5f;
    p->EndAlpha = 0;
    p->dy = -0.5f;
}

} // namespace

Ref<TAnim> NewBonusWaveAnim() {
    Ref<TAnimStretch> wave = Stretch({0, 1, 2, 3, 4, 5, 6, 7}, 3, 1);
    Ref<TAnimStretch> flutter = Stretch({6, 5, 6, 7}, 5, 3);
    Ref<TAnimStretch> settle = Stretch({6, 5, 4, 3, 2, 1, 0}, 3, 1);
    Ref<TAnimStretch> rest = Stretch({0}, 3, -1);
    rest->PlayThroughMethod = 4;
    wave->Bridges = {flutter};
    flutter->Bridges = {settle};
    settle->Bridges = {rest};
    auto anim = New<TAnim>();
    anim->SetAnimStretch(wave);
    return anim;
}

BonusBrick::BonusBrick() : WaveAnim(NewBonusWaveAnim()) {}

int BonusBrick::GetX() {
    return x * BonusTilePitch;
}

int BonusBrick::GetY() {
    return y * BonusTilePitch + BonusGridTop();
}

void BonusBrick::Flip() {
    if (!Flipping) return;
    if (TurningBackRound) {
        Frame = std::max(0.0f, Frame - kFlipSpeed);
        if (Frame > 0) return;
        if (BonusPhase > BonusShow) {
            Crumble();
        } else {
            Flipping = TurningBackRound = 0;
        }
        return;
    }
    if (Frame < kTurned) {
        Frame = std::min(kTurned, Frame + kFlipSpeed);
        return;
    }
    WaveAnim->Update();
    if (BonusPhase > BonusShow) Crumble();
}

void BonusBrick::Clicked() {
    const float cx = static_cast<float>(BonusGridLeft() + GetX() + BonusTileSize / 2);
    const float cy = static_cast<float>(GetY() + BonusTileSize / 2);
    if (Treasure) {
        Flipping = 1;
        PlayBoardSound("media\\sound\\bonuscorrect.ogg");
        SparkleBursts(*this, 8);
        SparklesToCounter(cx, cy, FairiesFound);
        FairiesFound += 1;
        ShowPoints(BonusStep, cx, cy, 0.75f, 1, 100, 0);
        BonusStep += 1000;
        return;
    }
    Oops(cx, cy);
    PlayBoardSound("media\\sound\\mistake.ogg");
    BonusStep = 1000;
    BonusPerfect = 0;
    Crumble();
}

int BonusBrick::Update(int anyHovered) {
    moverprogress = std::clamp(moverprogress + (mover ? 0.05f : -0.02f), 0.0f, 0.4f);
    if (FlipDelay > 0) {
        FlipDelay -= 1;
        if (FlipDelay == 11 && BonusPhase == BonusShow) {
            SparkleBursts(*this, 8);
            PlayBoardSound("media\\sound\\bonusreveal.ogg");
        }
        mover = 0;
        return 0;
    }
    Flip();
    if (!onBoard) return mover = 0;
    const int left = BonusGridLeft() + GetX();
    const int top = GetY();
    const int mx = GameMouseX(), my = GameMouseY();
    mover = !anyHovered && mx >= left && mx < left + BonusTileSize && my >= top && my < top + BonusTileSize;
    if (mover && !Flipping && BonusPhase > BonusShow && GameMouseClicks(1)) Clicked();
    return mover;
}

void BonusBrick::Crumble() {
    const float left = static_cast<float>(BonusGridLeft() + GetX());
    const float top = static_cast<float>(GetY());
    CrumbleEffect(nullptr, left, top, 0, &BonusParticles);
    if (Treasure) FreeBonusFairy(left + BonusTileSize / 2.0f, top + BonusTileSize / 2.0f);
    RemoveFromBoard();
}

void BonusBrick::RemoveFromBoard() {
    onBoard = 0;
    Flipping = 0;
    if (x >= 0 && x < BonusColumns && y >= 0 && y < BonusRows && BonusGrid[x][y].get() == this)
        BonusGrid[x][y] = nullptr;
}

// Turning over, the plain tile narrows to its edge and the fairy's side
// widens out of it; turned, the fairy waves.
void BonusBrick::Render() {
    const float cx = static_cast<float>(BonusGridLeft() + GetX()) + BonusTileSize / 2.0f;
    const float cy = static_cast<float>(GetY()) + BonusTileSize / 2.0f;
    TDrawState::Push();
    TDrawState::PushAlpha(1 + moverprogress);
    if (Frame < 12) {
        DrawGameImage(BonusImages.HiddenTile, cx, cy, static_cast<int>(Frame));
    } else if (Frame < kTurned) {
        TDrawState::PushScale((Frame - 12) / 12, 1);
        DrawGameImage(BonusImages.FairyTile, cx, cy, 0);
    } else {
        DrawGameImage(BonusImages.FairyTile, cx, cy, WaveAnim->Frame());
    }
    TDrawState::Pop();
}

} // namespace wispwood
