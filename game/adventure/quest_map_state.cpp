#include "game/adventure/quest_map_state.h"
#include "engine/draw/image.h"
#include "engine/io/random.h"
#include "framework/images/game_image.h"

namespace wispwood {

QuestMapImageSet QuestMapImages;
ParticleGroup QuestParticles;
int UnlockingSpot = -1;
int TempleUnlockTicks = 0;
int SpotUnlockTicks = 0;
int ShownGems = 0, ShownSilverMedals = 0, ShownGoldMedals = 0;
Ref<TAnim> MarkerAnim;
Ref<TAnim> GuideAnim;
GlowLogic MapGlow;
int TestModeVisits = 0;

namespace {

constexpr int kMarkerFrameWidth = 73, kMarkerFrameHeight = 95;
constexpr int kGuideFrameSize = 200;

Ref<ShinyEffect> CreateSpotShine() {
    auto shine = New<ShinyEffect>();
    shine->DelayLow = 1000;
    shine->DelayHigh = 1500;
    shine->ScaleLow = 0.2f;
    shine->ScaleHigh = 0.4f;
    shine->Alpha = 0.4f;
    return shine;
}

Ref<TAnimStretch> Hold(const Ref<TImage>& image, int frame, int ticks) {
    Ref<TAnimStretch> s = TAnimStretch::CreateFromFrameSequence(image, {frame});
    s->FrameTickSpeed = ticks - 1;
    s->NumberOfRepeats = 1;
    return s;
}

} // namespace

Ref<ShinyEffect> SpotShine = CreateSpotShine();

Ref<TAnim> CreateMarkerAnim(const Ref<TImage>& image) {
    Ref<TAnim> anim = TAnim::CreateFromImage(image);
    anim->CurrentAnimStretch->FrameTickSpeed = 2;
    return anim;
}

Ref<TAnim> CreateGuideAnim(const Ref<TImage>& image) {
    Ref<TAnimStretch> first = Hold(image, 0, 300);
    Ref<TAnimStretch> blink = Hold(image, 1, 6);
    Ref<TAnimStretch> open = Hold(image, 0, 300);
    open->FrameTickSpeedReevaluate = 1;
    open->FrameTickSpeedReevaluateLow = 199;
    open->FrameTickSpeedReevaluateHigh = 399;
    open->FrameTickSpeed = RandomInt(199, 399);
    first->Bridges = {blink};
    blink->Bridges = {open};
    open->Bridges = {blink};
    auto anim = New<TAnim>();
    anim->SetAnimStretch(first);
    return anim;
}

void LoadQuestMapImages() {
    QuestMapImageSet& m = QuestMapImages;
    m.Layer1 = LoadGameImage("media\\quest\\map-layer-1.png");
    m.Layer2 = LoadGameImage("media\\quest\\map-layer-2.png");
    m.LocationEmpty = LoadCentredGameImage("media\\quest\\locationempty.png");
    m.LocationFilled = LoadCentredGameImage("media\\quest\\locationfilled.png");
    m.LocationSilver = LoadCentredGameImage("media\\quest\\locationfilledsilver.png");
    m.LocationGold = LoadCentredGameImage("media\\quest\\locationfilledgold.png");
    m.LocationCurrent =
        LoadGameFramedImage("media\\quest\\locationcurrent.png", kMarkerFrameWidth, kMarkerFrameHeight, 0, 3);
    if (m.LocationCurrent) SetImageHandle(m.LocationCurrent, kMarkerFrameWidth / 2, kMarkerFrameHeight);
    m.Guide = LoadGameFramedImage("media\\quest\\guy1.png", kGuideFrameSize, kGuideFrameSize, 0, 2);
    m.GemBase = LoadGameImage("media\\quest\\gembase.png");
    m.GemSlotEmpty = LoadGameImage("media\\bonus\\tickbase.png");
    m.Glow = LoadCentredGameImage("media\\highscores\\glow.png");
    m.StarPurple = LoadGameImage("media\\particles\\star-purple.png");
    m.TwinklePurple = LoadGameImage("media\\particles\\twinkle-purple.png");
    m.MedalSilver = LoadCentredGameImage("media\\medals\\silver.png");
    m.MedalGold = LoadCentredGameImage("media\\medals\\gold.png");
    MarkerAnim = CreateMarkerAnim(m.LocationCurrent);
    GuideAnim = CreateGuideAnim(m.Guide);
}

int UnlockRunning() {
    return SpotUnlockTicks != 0 || TempleUnlockTicks != 0 ? 1 : 0;
}

void ResetQuestMapState() {
    QuestMapImages = QuestMapImageSet{};
    QuestParticles = ParticleGroup{};
    UnlockingSpot = -1;
    TempleUnlockTicks = SpotUnlockTicks = 0;
    ShownGems = ShownSilverMedals = ShownGoldMedals = 0;
    MarkerAnim = GuideAnim = nullptr;
    MapGlow = GlowLogic{};
    SpotShine = CreateSpotShine();
    TestModeVisits = 0;
}

} // namespace wispwood
