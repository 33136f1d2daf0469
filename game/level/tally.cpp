#include "game/level/tally.h"
#include "engine/draw/draw_driver.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/tunables.h"
#include "framework/sound/sound.h"
#include "game/board/board_frame.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/board/game_score.h"
#include "game/board/game_stats.h"
#include "game/board/level_set.h"
#include "game/board/reward_text.h"
#include "game/board/time_limit.h"
#include "game/level/fairy_dust.h"
#include "game/level/level_clock.h"
#include "game/level/level_end.h"
#include "game/level/level_start.h"
#include "game/level/score_flight.h"
#include "game/services/game_fonts.h"
#include "game/services/text_table.h"
#include <cmath>

namespace wispwood {

Ref<TempleComplete> CurrentTally;
TallyImageSet TallyImages;

namespace {

const char* const kTickSound = "media\\sound\\timetick.ogg";

int FirstLocation() {
    return CurrentLevel && CurrentLevel->n == 0 ? 1 : 0;
}

// The tally lines and the total's flight start further up and left when
// the level had no clock (no time-bonus line above them).
float InactiveOffsetX() {
    return IsTimed() ? 0.0f : GetTunable("inactiveoffsetx", "15");
}
float InactiveOffsetY() {
    return IsTimed() ? 0.0f : GetTunable("inactiveoffsety", "38");
}

float Sine(float degrees) {
    return std::sin(degrees * 3.14159265f / 180.0f);
}

int ImageHeightOr0(const Ref<TImage>& image) {
    return image ? ImageHeight(image) : 0;
}
int ImageWidthOr0(const Ref<TImage>& image) {
    return image ? ImageWidth(image) : 0;
}

} // namespace

int TempleComplete::DoTimeYet() {
    return Ticks > 100 ? 1 : 0;
}

float TempleComplete::OffsetY() {
    return LerpSquareSquareClamped(-600, 0, static_cast<float>(Ticks) / 150.0f);
}

int TempleComplete::LeftFairyActive() {
    return Ticks > 100 ? 1 : 0;
}

namespace {
float FairyT(const TempleComplete& t) {
    return ClampFloat(static_cast<float>(t.FairyTicks - 100) / 300.0f, 0, 1);
}
} // namespace

float TempleComplete::LeftFairyX() {
    return LerpDampenClamped(GetTunable("leftFairyDestX", "68") - 60, GetTunable("leftfairydestx", "68"),
                             FairyT(*this));
}

float TempleComplete::LeftFairyY() {
    return LerpDampenClamped(600, GetTunable("leftfairydesty", "464"), FairyT(*this)) +
           3 * Sine(static_cast<float>(LevelCompleteTicks) / 1.5f);
}

float TempleComplete::RightFairyX() {
    const float t = ClampFloat(static_cast<float>(FairyTicks) - 0.2857143f, 0, 1);
    return LerpDampenClamped(GetTunable("RightFairyDestX", "549") + 60, GetTunable("rightFairyDestX", "549"),
                             t);
}

float TempleComplete::RightFairyY() {
    return LerpDampenClamped(-150, GetTunable("RightFairyDestY", "98"), FairyT(*this)) +
           3 * Sine(static_cast<float>(LevelCompleteTicks + 68) / 1.5f);
}

void TempleComplete::BuildLines(guiContainer& scene) {
    Names.clear();
    Scores.clear();
    CompleteScore = 0;
    for (const Ref<GameStats>& stat : TallyStats) {
        Names.push_back(stat->Name);
        Scores.push_back(stat->Value());
        CompleteScore += stat->Value();
    }
    Names.push_back("-");
    Scores.push_back(0);
    Names.push_back("TOTAL");
    Scores.push_back(0);

    container = scene.AddContainer();
    const Ref<TImage>& image = TallyImages.Container;
    const float w = static_cast<float>(ImageWidthOr0(image)), h = static_cast<float>(ImageHeightOr0(image));
    x = 32 + w / 2;
    y = 300 - h / 2;
    if (!container) return;
    Backing = container->AddStatic(static_cast<float>(static_cast<int>(x - w / 2)),
                                   static_cast<float>(static_cast<int>(y)), image);
    OK = container->AddButton(250, 479, GuiButtonEmpty, nullptr);
    OK->DrawnText = GetText("templecomplete", "ok");
}

void TempleComplete::TickUp() {
    int& total = Total();
    total += CompleteScore > 5000 ? 250 : 100;
    ScorePlayFrequency += 0.001f;
    const float rate = 1 + ScorePlayFrequency;
    // One tick at a time: the next waits for the last to end.
    if (!TickChannel || !TickChannel->PLaying()) TickChannel = PlayBoardSound(kTickSound, rate);
    if (total > CompleteScore) total = CompleteScore;
    TickUpComplete = total >= CompleteScore ? 1 : 0;
}

void TempleComplete::FlyTotal() {
    const int value = Total();
    const float sx = GetTunable("twinklestartx", "304") - InactiveOffsetX();
    const float sy = GetTunable("twinklesstarty", "425") - InactiveOffsetY();
    Ref<AddToScoreParticle> flight =
        AddToScoreParticle::Create(static_cast<int>(sx + 40), static_cast<int>(sy + 16), 659, 48);
    flight->value = value;
    AllocatedScore = value;
    CurrentFontScope scope(BigFont);
    const Text text = IntToText(value);
    const float w = CurrentFontLength(text, 0.75f), h = CurrentFontHeight(0.75f);
    for (int i = 0; i < 20; ++i)
        FairySparkle(Layer, sx + static_cast<float>(RandomFloat(0, w)),
                     sy + static_cast<float>(RandomFloat(0, h)), 1);
    Total() = 0;
}

void TempleComplete::CashIn() {
    if (CashedIn) return;
    CashedIn = 1;
    // Flights still in the air pay now; the part of the bonus that never
    // took off is added as well.
    CashInScoreFlights();
    GameScore += CompleteScore - AllocatedScore;
    AllocatedScore = CompleteScore;
    // Nothing is left to count up or to fly.
    TickUpComplete = 1;
    Total() = 0;
}

void TempleComplete::Update(guiContainer& scene) {
    if (LeftFairyActive()) {
        FairyDust(Layer, LeftFairyX() + 49, LeftFairyY() + 43, 0.7f);
        FairyDust(Layer, RightFairyX(), RightFairyY() + 5, 0.7f);
    }
    Layer.Update();

    if (Destroying) {
        if (OK) OK->OverallAlpha = OverallAlpha;
        OverallAlpha -= 0.01f;
        if (OverallAlpha < 0) {
            OverallAlpha = 0;
            Finished = 1;
            return;
        }
    }

    LevelCompleteTicks += 1;
    if (RewardTextCount() > 0) return;
    if (Delay > 0) {
        if (!scene.HasActiveChildren()) Delay -= 1;
        return;
    }

    BoardEffects.Update();
    BoardTwinkles.Update();
    FairyTicks += 1;
    if (OK) OK->DisableMouseOverEffect = Ticks < 125 ? 1 : 0;

    if (Ticks == 0) BuildLines(scene);
    if (!(Ticks == 199 && TimeBonusCountingDown())) Ticks += 1;
    if (Darken < 1) Darken += 0.02f;

    const int start = IsTimed() || FirstLocation() ? 450 : 600;
    if (Ticks > start) {
        if (!TickUpComplete && Total() < CompleteScore) {
            TickUp();
        } else {
            if (NotFoundTicks > 0) NotFoundTicks -= 1;
            if (NotFoundTicks == 0 && Total() != 0) FlyTotal();
        }
    }

    if (OK && OK->mhit && !CashedIn && !Destroying) {
        CashIn();
        if (StartLevel(0, 0)) {
            LevelWon = 1;
        } else {
            Destroying = 1;
            OK->Clickable = 0;
        }
    }

    const float h = static_cast<float>(ImageHeightOr0(TallyImages.Container));
    if (Backing) Backing->y = 300 - h / 2 + OffsetY();
    if (OK) OK->y = 479 + OffsetY();
}

void TempleComplete::Render() {
    if (!LeftFairyActive()) return;
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    Layer.Render();
    const int wingFrame = (LevelCompleteTicks / 3) % 3;
    RenderGuide(RightFairyX(), RightFairyY());
    TDrawState::PushScale(0.5f, 0.5f);
    DrawGameImage(TallyImages.LeftFairy, LeftFairyX(), LeftFairyY(), TallyImages.LeftFairy ? wingFrame : 0);
    TDrawState::Pop();
}

void TempleComplete::LevelCompleteRender() {
    const int age = LevelCompleteTicks - (AfterBonusLevel ? 200 : 0);
    if (age <= 0) return;
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    PrintPopIn(GetText("timebonusdisplay", "levelcomplete"), static_cast<float>(BoardCentreX()),
               GetTunable("levelcompletetexty", "86"), AlignCentre, 1, age, 0, BigFont);
    // Where a timed level wins its medal, a relaxed one says it earns none.
    if (RelaxedLevel && !AfterBonusLevel)
        PrintPopIn(GetText("timebonusdisplay", "relaxed"), static_cast<float>(BoardCentreX()),
                   GetTunable("relaxedtexty", "140"), AlignCentre, GetTunable("relaxedtextscale", "0.5"),
                   age - 60, 0, BigFont);
    TDrawState::Pop();
}

void StartTally() {
    if (CurrentTally) return;
    CurrentTally = New<TempleComplete>();
    const bool bonus = CurrentLevel && IsBonusLevel(*CurrentLevel);
    CurrentTally->Delay = bonus ? 50 : 150;
    CurrentTally->AfterBonusLevel = bonus ? 1 : 0;
}

void EndTally() {
    if (CurrentTally && CurrentTally->container) CurrentTally->container->_Destroy();
    CurrentTally = nullptr;
}

void UpdateTally(guiContainer& scene) {
    if (!CurrentTally) return;
    CurrentTally->Update(scene);
    // A panel that has faded out after its "ok" leaves, so the next level
    // of the set is not held behind it.
    if (CurrentTally && CurrentTally->Finished) EndTally();
}

void RenderTally() {
    if (CurrentTally) CurrentTally->Render();
}

int TallyShowing() {
    return CurrentTally && CurrentTally->Ticks > 0 ? 1 : 0;
}

int TallyAwaitsOk() {
    const Ref<TempleComplete>& t = CurrentTally;
    // The pause after the count runs out only once the total is counted up.
    return t && t->OK && !t->CashedIn && !t->Destroying && t->NotFoundTicks == 0 && t->Total() == 0 ? 1 : 0;
}

int ScoreTallyShowing() {
    return TallyShowing();
}

void DrawTallyDarkening() {
    if (!TallyShowing()) return;
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushAlpha(0.4f * CurrentTally->Darken);
    TDrawState::PushColor(0, 0, 0);
    DrawRect(0, 0, static_cast<float>(DrawAreaWidth()), static_cast<float>(DrawAreaHeight()));
    TDrawState::Pop();
}

void RenderTallyLines(int c) {
    if (!CurrentTally) return;
    TempleComplete& t = *CurrentTally;
    const float bx = GetTunable("timebonusx", "193") - InactiveOffsetX();
    const float by = GetTunable("timebonusy", "167") - InactiveOffsetY();
    const float dy = GetTunable("scoresdy", "47.0000000");
    const float scale = GetTunable("timebonusscale", "0.750000000");
    const int base = FirstLocation() ? 150 : 300;
    const int count = static_cast<int>(t.Names.size());
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    for (int i = 0; i < count; ++i) {
        const bool last = i == count - 1;
        float ly = by + dy * static_cast<float>(i + 1);
        if (last) ly -= GetTunable("scoresdy2", "23");
        const int age = c - base - 35 * i + (last ? 35 : 0);
        const int shown = static_cast<int>(static_cast<float>(age) * 1.5f);
        if (t.Names[i] == "-" || shown <= 0) continue;
        if (i < 16 && !t.PlayedSounds[i]) {
            PlayBoardSound("media\\sound\\textwhoosh.ogg");
            t.PlayedSounds[i] = 1;
        }
        PrintPopIn(t.Names[i] + ": " + IntToText(t.Scores[i]), bx, ly, AlignLeft, scale, shown, 0, BigFont);
    }
    TDrawState::Pop();
}

void AddToTallyTotal(int points) {
    if (CurrentTally) CurrentTally->CompleteScore += points;
}

int TimeBonusCountingDown() {
    return LevelEndTicks > 0 && IsTimed() && TimeLeft > 0 ? 1 : 0;
}

void LoadTallyImages() {
    TallyImages.Container = LoadGameImage("media\\game\\level-container.png");
    TallyImages.LeftFairy = LoadGameFramedImage("media\\highscores\\girl.png", 170, 170, 0, 3);
    if (TallyImages.LeftFairy) CentreImageHandle(TallyImages.LeftFairy);
}

void ResetTally() {
    CurrentTally = nullptr;
    TallyImages = TallyImageSet{};
}

} // namespace wispwood
