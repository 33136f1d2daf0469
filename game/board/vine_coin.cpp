#include "game/board/vine_coin.h"
#include "engine/draw/image.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "framework/particles/shiny_effect.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/board/score_popups.h"

namespace wispwood {

TList<Ref<VineCoin>> VineCoins;
int CoinRun = 0;
Ref<TImage> CoinImage;
Ref<ShinyEffect> CoinShine;

namespace {

// Coins name their glint tickers by id, so ids stay unique for the whole
// run, across games.
int gNextCoinId = 0;

constexpr int kPayOutAt = 95;
constexpr int kGoneAt = 150;
constexpr int kFadeOut = 100;

const Ref<ShinyEffect>& Shine() {
    if (!CoinShine) {
        CoinShine = New<ShinyEffect>();
        CoinShine->DelayLow = 350;
        CoinShine->DelayHigh = 600;
        CoinShine->ScaleLow = 0.1f;
        CoinShine->ScaleHigh = 0.5f;
        CoinShine->Alpha = 0.8f;
    }
    return CoinShine;
}

} // namespace

int VineCoin::AnyOnMain() {
    for (const Ref<VineCoin>& coin : VineCoins)
        if (coin->OnMain != 0) return 1;
    return 0;
}

Ref<VineCoin> VineCoin::Create() {
    auto coin = New<VineCoin>();
    coin->id = ++gNextCoinId;
    VineCoins.AddLast(coin);
    return coin;
}

void VineCoin::PopToMain() {
    CoinRun += 1;
    MyCoinPop = CoinRun;
    OnMain = 1;
}

void VineCoin::Update() {
    Ref<VineCoin> self = shared_from_this();
    if (InPieceParticle != 0) {
        InPieceParticle += 1;
        if (InPieceParticle > kFadeOut) {
            VineCoins.Remove(self);
            return;
        }
    }
    float w = static_cast<float>(ImageWidth(CoinImage)), h = static_cast<float>(ImageHeight(CoinImage));
    if (OnMain < 100)
        Shine()->HandleEffectArea(static_cast<int>(static_cast<float>(CellWidth) / 2 - w / 4),
                                  static_cast<int>(static_cast<float>(CellHeight) / 2 - h / 4),
                                  static_cast<int>(w / 2), static_cast<int>(h / 2), "vc" + IntToText(id),
                                  EffectImages.Twinkle, Layer);
    if (OnMain != 0) {
        OnMain += 1;
        if (OnMain == kPayOutAt)
            ShowPoints(50 * MyCoinPop + 100, static_cast<float>(BoardLeft()) + drawx + CellWidth / 2,
                       static_cast<float>(BoardTop()) + drawy + CellHeight / 2, 0.9f, 0, 100, 0);
        if (OnMain == kGoneAt) {
            PlayBoardSound("media\\sound\\vinegold.ogg", 1 + 0.1f * static_cast<float>(MyCoinPop - 1));
            for (int i = 0; i < 10; ++i)
                AddTwinkle(BoardTwinkles, drawx + CellWidth / 2 + RandomFloatF(-w / 3, w / 3),
                           drawy + CellWidth / 2 + RandomFloatF(-h / 3, h / 3), 0, EffectImages.TwinkleGold, 5, 1);
            VineCoins.Remove(self);
        }
    }
    Layer.Update();
}

void VineCoin::Render() {
    TDrawState::Push();
    TDrawState::PushAlpha(LerpLinearClamped(1, 0, static_cast<float>(InPieceParticle) / kFadeOut));
    DrawGameImage(CoinImage, drawx + CellWidth / 2, drawy + CellHeight / 2);
    TDrawState::Push();
    TDrawState::PushOrigin(drawx, drawy);
    Layer.Render();
    TDrawState::Pop();
    TDrawState::Pop();
}

void LoadVineCoinImages() {
    CoinImage = LoadCentredGameImage("media\\blocks\\gold.png");
    Shine();
}

void UpdateVineCoins() {
    if (!VineCoin::AnyOnMain()) CoinRun = 0;
    for (const Ref<VineCoin>& coin : VineCoins)
        if (coin->OnMain != 0) coin->Update();
}

void RenderVineCoins() {
    for (const Ref<VineCoin>& coin : VineCoins) coin->Render();
}

void ScrollVineCoins(float d) {
    for (const Ref<VineCoin>& coin : VineCoins)
        if (coin->OnMain > 0 && coin->OnMain < kGoneAt) coin->drawy += d;
}

void ResetVineCoins() {
    VineCoins.Clear();
    CoinRun = 0;
}

void ResetCoinShine() {
    CoinShine = nullptr;
    gNextCoinId = 0;
}

} // namespace wispwood
