// A location as the quest map shows it: its clickable area, the medal it
// shows (or is about to reveal), and its shine.
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/io/random.h"
#include "framework/draw_state/draw_state.h"
#include "framework/gui/gui_container.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "game/adventure/gem_particle.h"
#include "game/adventure/quest_map_state.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/temple_particle.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/services/profiles.h"

namespace wispwood {

namespace {

constexpr float kBonusSpotScale = 1.4f;

bool Visible(const QuestSpot& spot) {
    return spot.HideSmall == 0 && !TempleParticle::AnyUnlocking(&spot);
}

const Ref<TImage>& MedalImage(int state) {
    const QuestMapImageSet& m = QuestMapImages;
    if (state >= 2) return m.LocationGold;
    if (state == 1) return m.LocationSilver;
    return m.LocationFilled;
}

} // namespace

void QuestSpot::Reset() {
    Gadget = nullptr;
    HideSmall = Finished = RevealQueued = RevealQueuedOld = 0;
}

void QuestSpot::QueueReveal(int oldState, int delay) {
    RevealDelay = delay;
    RevealQueued = 1;
    RevealQueuedOld = oldState;
}

void QuestSpot::UpgradeEffect() {
    const int state = FilledNumber();
    if (state == 2) PlayBoardSound("media\\sound\\goldreveal.ogg");
    if (state == 1) PlayBoardSound("media\\sound\\silverreveal.ogg");
    for (int i = 0; i < 5 + 5 * state; ++i) AddTwinkle(QuestParticles, x, y, 0, EffectImages.Twinkle, 5, 1);
}

void QuestSpot::Update() {
    if (Big) return;
    if (RevealQueued != 0 && !GemParticle::Any(1, 0)) {
        RevealQueued += 1;
        if (RevealQueued > RevealDelay || GemParticle::Any(0, 0)) {
            UpgradeEffect();
            RevealQueued = 0;
        }
    }
    if (Visible(*this) && !CurrentlyUnlocking() && FilledGold() && RevealQueued == 0 && SpotShine) {
        const Ref<TImage>& image = QuestMapImages.LocationEmpty;
        const float w = static_cast<float>(ImageWidth(image)), h = static_cast<float>(ImageHeight(image));
        SpotShine->HandleEffectArea(static_cast<int>(x - w / 8), static_cast<int>(y - h / 8),
                                    static_cast<int>(w / 4), static_cast<int>(h / 4), "QuestLocation" + std::to_string(n),
                                    EffectImages.Twinkle, QuestParticles);
    }
}

int QuestSpot::CurrentlyUnlocking() {
    return SpotUnlockTicks != 0 && n == UnlockingSpot ? 1 : 0;
}

void QuestSpot::InitGadget(guiContainer& container) {
    const int size = Big ? 60 : 10;
    Gadget = container.AddClickableArea(static_cast<float>(static_cast<int>(x - size / 2)),
                                        static_cast<float>(static_cast<int>(y - size / 2)), size, size);
}

void QuestSpot::Render() {
    if (!Visible(*this)) return;
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    if (Big) {
        if (Location) DrawGameImage(Location, x, y, Finished ? 1 : 0);
    } else {
        if (DoBonus()) TDrawState::PushScale(kBonusSpotScale, kBonusSpotScale);
        DrawGameImage(FilledIMage(), x, y);
    }
    TDrawState::Pop();
}

int QuestSpot::FilledGold() {
    return FilledNumber() == 2 ? 1 : 0;
}

int QuestSpot::FilledNumber() {
    return CurrentProfile ? CurrentProfile->GetLevelState(n) : 0;
}

Ref<TImage> QuestSpot::FilledIMage() {
    if (!Finished) return QuestMapImages.LocationEmpty;
    if (RevealQueued != 0) return CurrentlyUnlocking() ? QuestMapImages.LocationEmpty : MedalImage(RevealQueuedOld);
    return MedalImage(FilledNumber());
}

Ref<QuestSpot> NextQuestSpot(const Ref<QuestSpot>& spot) {
    return spot ? SpotAt(spot->n + 1) : nullptr;
}

Ref<QuestSpot> PreviousQuestSpot(const Ref<QuestSpot>& spot) {
    return spot ? SpotAt(spot->n - 1) : nullptr;
}

} // namespace wispwood
