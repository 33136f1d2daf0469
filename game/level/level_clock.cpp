#include "game/level/level_clock.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/tunables.h"
#include "framework/sound/sound.h"
#include "game/board/board.h"
#include "game/board/board_sound.h"
#include "game/board/confetti.h"
#include "game/board/effect_images.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/quota.h"
#include "game/board/time_limit.h"
#include "game/board/tutorials.h"
#include "game/level/level_end.h"
#include "game/level/tally.h"
#include "game/services/game_fonts.h"
#include "game/services/sound_tables.h"
#include "game/services/text_table.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace wispwood {

int TimeUpArmed = 0;
int TimeBonus = 0;
int TimeBonusDone = 0;
int TimeRanOut = 0;
int BonusStartTick = 0;
int MedalShown = 0;
float TickPitch = 0;
int GuideTicks = 0;
ParticleGroup MedalShine;

namespace {

struct ClockImages {
    Ref<TImage> Backing, Hand, Glow, GlowRed, GuidePoint, GuideWings, Gold, Silver;
} gImages;

int gGuideFrame = 0, gWingFrame = 0;
bool gBonusHandedOver = false;
float gClockAlpha = 1;

Ref<TImage> CentredFrames(const Text& path, int cell, int frames) {
    Ref<TImage> image = LoadGameFramedImage(path, cell, cell, 0, frames);
    if (image) CentreImageHandle(image);
    return image;
}

float Rad(float degrees) {
    return degrees * std::numbers::pi_v<float> / 180;
}

// The share of the level's time that has gone, 0 when untimed.
float Elapsed() {
    return IsTimed() ? static_cast<float>(LevelTime - TimeLeft) / static_cast<float>(LevelTime) : 0;
}

Ref<TImage> MedalImage(int kind) {
    return kind == 2 ? gImages.Gold : kind == 1 ? gImages.Silver : nullptr;
}

void HandBonusToTally() {
    if (gBonusHandedOver) return;
    gBonusHandedOver = true;
    AddToTallyTotal(TimeBonus);
    TimeBonusDone = 1;
}

// The time a won level still has to drain; an untimed level has none,
// whatever its counter holds.
int TimeToDrain() {
    return IsTimed() ? TimeLeft : 0;
}

// One step of the drain: each step takes 1/200 of the level time and is
// worth 100 points. The step that empties the clock counts before the
// bonus goes to the tally, so the tally gets the bonus the clock shows.
void TimeBonusStep() {
    if (TimeToDrain() > 0) {
        TimeLeft = static_cast<int>(static_cast<float>(TimeLeft) - static_cast<float>(LevelTime) / 200);
        TickPitch += 0.001f;
        Ref<Sound> tick = GameSound("media\\sound\\timetick.ogg");
        if (tick && !tick->Playing()) PlayBoardSound("media\\sound\\timetick.ogg", 1 + TickPitch);
        TimeBonus += 100;
        if (TimeLeft <= 0) {
            HandBonusToTally();
            PlayBoardSound("media\\sound\\timedone.ogg");
            TimeLeft = 0;
            TimeRanOut = 1;
        }
    } else {
        HandBonusToTally();
    }
}

} // namespace

int Hurry() {
    // An untimed level has no time to run short of (and no time to divide by).
    if (!IsTimed()) return 0;
    return Elapsed() > 0.75f ? 1 : 0;
}

int MedalKind() {
    // Once the level is won the medal was decided with the time left then;
    // the drain that follows empties the clock and must not take it away.
    if (LevelEndTicks > 0) return LastMedal;
    return MedalEarnedNow();
}

void UpdateTimer() {
    if (CountShining() || !CurrentLevel || IsBonusLevel(*CurrentLevel) || TutorialCount() != 0) return;
    if (QuotaReached() || !IsTimed() || LevelEndTicks > 0) return;
    if (TimeLeft < 3 && TimeUpArmed == 1) {
        TimeUpArmed = 0;
        PlayBoardSound("media\\jingles\\outoftime.ogg");
    }
    if (TimeLeft >= 3) TimeUpArmed = 1;
    TimeLeft = std::max(0, TimeLeft - 1);
}

void UpdateHud(int pointing) {
    int medal = MedalKind();
    if (LevelEndTicks > 0 && TimeToDrain() <= 0 && LevelEndTicks > BonusStartTick && MedalImage(medal)) {
        float mx = GetTunable("medaltextx", "191"), my = GetTunable("medaltexty", "367");
        AddTwinkle(MedalShine, mx + static_cast<float>(RandomFloat(-20, 20)),
                   my + static_cast<float>(RandomFloat(-20, 20)), 0, EffectImages.Twinkle, 15, 1);
    }
    MedalShine.Update();
    if (LevelEndTicks > 0 && CurrentTally && CurrentTally->DoTimeYet()) {
        LevelEndTicks += 1;
        if (LevelEndTicks > 120 || !IsTimed()) TimeBonusStep();
    }
    if (!IsTimed()) BonusStartTick = 100;
    if (TimeToDrain() > 0) BonusStartTick = LevelEndTicks;
    if (LevelEndTicks - BonusStartTick >= 60 && !MedalShown && medal != 0) {
        ConfettiExplosion(GetTunable("medalx", "120"), GetTunable("medaly", "372"), 0, 1, 65, 1.0f);
        PlayBoardSound("media\\jingles\\medalawarded.ogg");
        MedalShown = 1;
    }
    if (TimeRanOut) TimeRanOut += 1;
    if (TimeBonusDone) TimeBonusDone += 1;
    GuideTicks += 1;
    if (Hurry() && LevelEndTicks < 50 && GuideTicks % 4 == 0) {
        AddTwinkle(MedalShine, static_cast<float>(RandomFloat(80, 140)),
                   static_cast<float>(RandomFloat(140, 190)), 0, EffectImages.Twinkle, 5, 1);
    }
    if (GuideTicks % 8 == 0) gWingFrame = (gWingFrame + 1) % 3;
    // The guide points during the hurry, from the tally's panel and when
    // the caller asks.
    if ((Hurry() || CurrentTally || pointing) && GuideTicks % 6 == 0) gGuideFrame = (gGuideFrame + 1) % 13;
}

namespace {

void RenderClockFace() {
    float x = GetTunable("timerx", "54"), y = GetTunable("timery", "534"), s = 1;
    float hurryTime = static_cast<float>(LevelTime) * 0.25f - static_cast<float>(TimeLeft);
    if (Hurry() && !GameOverSequence) s = 1 + 0.08f * std::sin(Rad(hurryTime * 6));
    if (LevelEndTicks > 0) s = LerpLinearClamped(s, 1, static_cast<float>(LevelEndTicks) / 50);
    if (TimeRanOut) s += 0.1f * std::sin(Rad(std::min(3.0f * static_cast<float>(TimeRanOut), 180.0f)));
    if (BoardWidth >= 12) {
        s *= GetTunable("timersmallscale", "0.850000024");
        x = GetTunable("timersmallx", "44");
        y = GetTunable("timersmally", "543");
    }
    gClockAlpha = CurrentLevel && IsBonusLevel(*CurrentLevel) ? std::max(0.0f, gClockAlpha - 0.01f) : 1;
    if (LevelEndTicks > 0) {
        float t = LerpSquareSquareClamped(0, 1, static_cast<float>(LevelEndTicks) / 100);
        x = LerpLinear(x, GetTunable("clockfinalx", "121"), t);
        y = LerpLinear(y, GetTunable("clockfinaly", "177"), t);
        s = LerpLinear(s, GetTunable("clockfinalsize", "0.750000000"), t);
    }
    float angle = Elapsed() * 360;
    float red = LevelEndTicks > 0 ? 0 : std::clamp((angle - 265) / 10, 0.0f, 1.0f);

    TDrawState::Push();
    TDrawState::PushAlpha(gClockAlpha);
    TDrawState::PushScale(s, s);
    TDrawState::Push();
    TDrawState::PushBlend(LIGHTBLEND);
    TDrawState::PushAlpha(1 - red);
    DrawGameImage(gImages.Glow, x, y);
    TDrawState::Pop();
    TDrawState::Push();
    TDrawState::PushBlend(LIGHTBLEND);
    TDrawState::PushAlpha(red);
    DrawGameImage(gImages.GlowRed, x, y);
    TDrawState::Pop();
    TDrawState::PushBlend(ALPHABLEND);
    DrawGameImage(gImages.Backing, x, y);
    TDrawState::Push();
    TDrawState::PushRotation(angle);
    DrawGameImage(gImages.Hand, x, y + GetTunable("handextray", "11") * s);
    TDrawState::Pop();
    TDrawState::Pop();

    if (Hurry() && LevelEndTicks == 0) {
        float p = std::clamp(std::pow(std::max(0.0f, (static_cast<float>(LevelTime - TimeLeft) -
                                                      0.75f * static_cast<float>(LevelTime)) /
                                                         400),
                                      1.6f),
                             0.0f, 1.0f);
        float gx = LerpDampenClamped(-300, 525, p) + 10 * std::sin(Rad(static_cast<float>(GuideTicks) + 90));
        float gy = LerpDampenClamped(300, 162, p);
        TDrawState::Push();
        TDrawState::PushBlend(ALPHABLEND);
        RenderGuide(gx, gy);
        CurrentFontScope font(MainFont);
        PrintText(GetText("game", "timehurry"), GetTunable("hurryx", "209"), GetTunable("hurryy", "507"),
                  AlignCentre, GetTunable("hurryscale", "0.800000012"));
        TDrawState::Pop();
    }
}

// After a win: the time bonus and the medal it earned, then the tally's
// lines below them (also on untimed levels, which have no bonus line).
void RenderLevelEndLines() {
    if (LevelEndTicks <= 0) return;
    if (IsTimed()) {
        TDrawState::Push();
        TDrawState::PushBlend(ALPHABLEND);
        CurrentFontScope font(BigFont);
        PrintText(GetText("timebonusdisplay", "timebonus") + " " + IntToText(TimeBonus),
                  GetTunable("timebonusx", "193"), GetTunable("timebonusy", "167"), AlignLeft,
                  GetTunable("timebonusscale", "0.750000000"));
        int medal = MedalKind();
        if (TimeToDrain() <= 0 && medal != 0) {
            float t = std::clamp(static_cast<float>(LevelEndTicks - BonusStartTick) / 40, 0.0f, 1.0f);
            float mx = GetTunable("medaltextx", "191"), my = GetTunable("medaltexty", "367");
            TDrawState::PushAlpha(t);
            TDrawState::Push();
            TDrawState::PushScale(LerpLinear(2, 1, t), LerpLinear(2, 1, t));
            DrawGameImage(MedalImage(medal), mx - 70, my);
            TDrawState::Pop();
            PrintText(GetText("timebonusdisplay", medal == 2 ? "goldmedal" : "silvermedal"), mx, my,
                      AlignLeft, 0.75f * LerpLinear(2, 1, t));
        }
        MedalShine.Render();
        TDrawState::Pop();
    }
    RenderTallyLines(LevelEndTicks);
}

// Where the clock stands on a timed level, a relaxed one says it has none.
void RenderRelaxedMark() {
    if (LevelEndTicks > 0 || !CurrentLevel || IsBonusLevel(*CurrentLevel)) return;
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    CurrentFontScope font(MainFont);
    PrintText(GetText("game", "relaxed"), GetTunable("relaxedmarkx", "54"), GetTunable("relaxedmarky", "526"),
              AlignCentre, GetTunable("relaxedmarkscale", "0.8"));
    TDrawState::Pop();
}

} // namespace

void RenderClock() {
    if (IsTimed())
        RenderClockFace();
    else if (RelaxedLevel)
        RenderRelaxedMark();
    RenderLevelEndLines();
    RenderConfettiB();
}

void RenderGuide(float x, float y) {
    DrawGameImage(gImages.GuidePoint, x, y, gGuideFrame);
    DrawGameImage(gImages.GuideWings, x, y, gWingFrame);
}

void LoadClockImages() {
    gImages.Backing = LoadCentredGameImage("media\\game\\timer-backing.png");
    gImages.Hand = LoadCentredGameImage("media\\game\\timer-hand.png");
    gImages.Glow = LoadCentredGameImage("media\\game\\timer-backing-glow.png");
    gImages.GlowRed = LoadCentredGameImage("media\\game\\timer-backing-glow-red.png");
    gImages.GuidePoint = CentredFrames("media\\game\\wizzle-point.png", 104, 13);
    gImages.GuideWings = CentredFrames("media\\game\\wings-left.png", 104, 3);
    gImages.Gold = LoadCentredGameImage("media\\medals\\gold.png");
    gImages.Silver = LoadCentredGameImage("media\\medals\\silver.png");
}

void ResetGuideAnimations() {
    GuideTicks = gGuideFrame = gWingFrame = 0;
}

void ResetClockImages() {
    gImages = ClockImages();
}

void ResetLevelClock() {
    TimeLeft = LevelTime;
    TimeUpArmed = LevelEndTicks = TimeBonus = TimeBonusDone = TimeRanOut = BonusStartTick = MedalShown = 0;
    TickPitch = 0;
    GuideTicks = gGuideFrame = gWingFrame = 0;
    gBonusHandedOver = false;
    gClockAlpha = 1;
    MedalShine.AllParticles.Clear();
}

} // namespace wispwood
