#include "game/adventure/high_score_menu.h"
#include "engine/draw/draw_driver.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/input/key_codes.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/anim/anim.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/highscores/high_score_table.h"
#include "framework/images/game_image.h"
#include "framework/navigation/gadget_targets.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tunables.h"
#include "framework/sound/sound.h"
#include "game/adventure/counters_row.h"
#include "game/adventure/high_score_spark.h"
#include "game/board/effect_images.h"
#include "game/level/fairy_dust.h"
#include "game/services/game_fonts.h"
#include "game/services/profiles.h"
#include "game/services/sound_tables.h"
#include "game/services/text_table.h"
#include <cmath>
#include <cstdio>

namespace wispwood {

int PendingEntry = 0;
Text PendingName;
int PendingScore = 0;
Text PendingExtra;
ScoreTable PendingTable = ScoreTable::Timed;
int PendingReplaces = 0;

int NewSlot = 0;
Ref<THighScoreTable> ShownTable;
std::vector<int> NameCharScales, ScoreCharScales;
int ExtrasArrived = 0;
TList<Ref<HighScoreMenuDisplayParticle>> HighScoreSparks;
Ref<ParticleGroup> HighScoreLayer = New<ParticleGroup>();
std::array<GlowLogic, 4> RowGlows;

namespace {

constexpr float kRowStep = 32;
// Where the sparks that write a new entry come from.
constexpr float kWriteStartY = 50;

Ref<TImage> gBackground, gFairy, gGlow;
Ref<TAnim> gFairyAnim;

// The columns of a row; the first default given for a name holds for the
// whole run, so every caller goes through these.
float NameX() {
    return GetTunable("hsbasex", "400") - GetTunable("hsextrax", "220");
}
float ScoreX() {
    return GetTunable("hsbasex", "400") + GetTunable("hsextrax2", "91");
}
float CountersX() {
    return GetTunable("hsbasex", "400") + GetTunable("hsextrax3", "162");
}
float FairyPointX() {
    return GetTunable("fairy2x", "81");
}
float FairyPointY() {
    return GetTunable("fairy2y", "497");
}

// Characters that have not arrived yet are drawn at scale 0.
FontDrawStyle Scales(const std::vector<int>& arrived) {
    FontDrawStyle style;
    for (int a : arrived) style.Scale.push_back(static_cast<float>(a));
    return style;
}

} // namespace

HighScoreMenu::HighScoreMenu() : guiBase(New<guiContainer>()) {}

int HighScoreMenu::Load() {
    gBackground = LoadGameImage("media\\highscores\\background.jpg");
    gFairy = LoadGameFramedImage("media\\highscores\\girl.png", 170, 170, 0, 3);
    gGlow = LoadCentredGameImage("media\\highscores\\glow.png");
    LoadCountersImages();
    LoadScoreTables();
    return 0;
}

int HighScoreMenu::Init() {
    if (!HighScores) Load();
    HighScoreSparks.Clear();
    HighScoreLayer = New<ParticleGroup>();
    ExtrasArrived = 0;
    if (gFairy) {
        gFairyAnim = TAnim::CreateFromImage(gFairy);
        if (gFairyAnim && gFairyAnim->CurrentAnimStretch) gFairyAnim->CurrentAnimStretch->FrameTickSpeed = 3;
    }
    // The fairy's trail is already drawn out when the screen appears.
    for (int i = 0; i <= 1000; ++i) {
        FairyDust(*HighScoreLayer, FairyPointX(), FairyPointY());
        HighScoreLayer->Update();
    }
    NameCharScales.clear();
    ScoreCharScales.clear();
    OK = guiBase->AddButton(340, 514, GuiButtonEmptySmall);
    if (OK) {
        OK->DrawnText = GetText("highscores", "ok");
        OK->GrabText = "hok";
    }
    NewSlot = 0;
    // Looking from the menu, the player sees the table their games go to.
    const bool relaxed = CurrentProfile && CurrentProfile->Relaxed;
    ShowTable(PendingEntry == 1 ? PendingTable : relaxed ? ScoreTable::Relaxed : ScoreTable::Timed);
    if (PendingEntry == 1) {
        PendingEntry = 0;
        // A relaxed game's own row makes way for its final score.
        if (PendingReplaces > 0) ShownTable->RemoveScore(PendingName, PendingReplaces);
        NewSlot = ShownTable->ScoreInsertionSlot(PendingScore);
        std::printf("ADDING SLOT:%d,%d\n", NewSlot, PendingScore);
        if (NewSlot == -1) NewSlot = 0;
        if (NewSlot != 0) {
            NameCharScales.assign(PendingName.size(), 0);
            ScoreCharScales.assign(IntToText(PendingScore).size(), 0);
        }
    }
    // While a score is written in, the screen stays on its table.
    if (NewSlot == 0) {
        OtherTable = guiBase->AddButton(500, 514, GuiButtonEmptySmall);
        if (OtherTable) OtherTable->DrawnTextScale = 0.8f;
        ShowTable(Shown);
    }
    CreateDecorationSparks();
    return 0;
}

void HighScoreMenu::ShowTable(ScoreTable table) {
    Shown = table;
    ShownTable = TableOf(table)->Copy();
    if (OtherTable)
        OtherTable->DrawnText =
            GetText("highscores", table == ScoreTable::Timed ? "showrelaxed" : "showtimed");
}

void HighScoreMenu::CreateDecorationSparks() {
    float sx = GetTunable("particlestartx", "408"), sy = GetTunable("particlestarty", "44");
    for (int r = 0; r < kScoreRows; ++r) {
        for (int k = 1; k <= 2; ++k) {
            float dx = k == 1 ? -RandomFloatF(5, 6) : RandomFloatF(5, 6);
            float dy = -RandomFloatF(4, 6);
            auto spark = HighScoreMenuDisplayParticle::Create(sx, sy, dx, dy, k == 1 ? 170.0f : 625.0f,
                                                              159 + kRowStep * static_cast<float>(r));
            if (k == 2) spark->DriftLeft = 1;
            // Lands as the row below starts to fade in.
            spark->Delay = FirstDelay() - 100 + CumulativeDelay() * (r + 1);
            HighScoreSparks.AddLast(spark);
        }
    }
}

void HighScoreMenu::CreateWritingSparks() {
    CurrentFontScope font(MainFont);
    const float rowY = 159 + kRowStep * static_cast<float>(NewSlot - 1);
    const float cx = static_cast<float>(GraphicsWidth() / 2);
    std::vector<CharDrawInfo> name = LayoutText(PendingName, NameX(), rowY, -1, 1);
    for (size_t i = 0; i < name.size(); ++i) {
        auto spark = HighScoreMenuDisplayParticle::Create(cx, kWriteStartY, -RandomFloatF(5, 6),
                                                          -RandomFloatF(4, 6), name[i].x, name[i].y - 16);
        spark->AddingChar = 1;
        spark->AddingCharNumber = static_cast<int>(i);
        spark->Delay = 10 * static_cast<int>(i);
        HighScoreSparks.AddLast(spark);
    }
    const Text score = IntToText(PendingScore);
    std::vector<CharDrawInfo> digits = LayoutText(score, ScoreX(), rowY, AlignRight, 1);
    const int count = static_cast<int>(digits.size());
    const float firstY = count > 0 ? digits[0].y : rowY;
    for (int i = 0; i <= count + 4; ++i) {
        float tx, ty;
        auto spark = HighScoreMenuDisplayParticle::Create(cx, kWriteStartY, RandomFloatF(5, 6),
                                                          -RandomFloatF(4, 6), 0, 0);
        if (i < count) {
            tx = digits[i].x;
            ty = digits[i].y - 16;
        } else {
            tx = ScoreX() + 50 + 20 * static_cast<float>(i - count);
            ty = firstY - 16;
            spark->AddingExtras = 1;
        }
        spark->targetx = tx;
        spark->targety = ty;
        spark->AddingChar = 2;
        spark->AddingCharNumber = i;
        spark->Delay = std::max(0, 10 * (count - 1 - i));
        HighScoreSparks.AddLast(spark);
    }
}

void HighScoreMenu::KeepNewEntry() {
    if (NewSlot == 0) return;
    Ref<THighScoreTable> table = TableOf(Shown);
    if (PendingReplaces > 0) table->RemoveScore(PendingName, PendingReplaces);
    table->AddScore(PendingName, PendingScore, PendingExtra);
    // The entry is in the table now, once; the screen leaves showing it.
    NewSlot = 0;
}

void HighScoreMenu::Leave() {
    Ref<GameLoop> top = TopScene();
    if (top.get() == this) PopScene(top, 1);
}

int HighScoreMenu::Update() {
    FairyDust(*HighScoreLayer, FairyPointX(), FairyPointY());
    if (gFairyAnim) gFairyAnim->Update();
    guiBase->Update();
    if (NewSlot != 0 && !TransitionInProgress() && !JinglePlayed) {
        JinglePlayed = 1;
        GameSound("media\\jingles\\gethighscore.ogg")->Play();
    }
    for (GlowLogic& glow : RowGlows) glow.Update();
    if (OK && OK->mhit) {
        KeepNewEntry();
        Leave();
    } else if (OtherTable && OtherTable->mhit) {
        ShowTable(Shown == ScoreTable::Timed ? ScoreTable::Relaxed : ScoreTable::Timed);
        // The rows fade in again, from the first.
        Ticks = FirstDelay() - CumulativeDelay();
    } else if (ToEscape(0)) {
        // A score the player earned is theirs however they leave: Escape
        // (a pad's B) is how many leave a screen, and it must not throw
        // the game's entry away.
        KeepNewEntry();
        Leave();
    }
    Ticks += 1;
    if (Ticks == 600 && NewSlot != 0) CreateWritingSparks();
    if (Ticks > kLeaveAfterTicks) {
        KeepNewEntry();
        Leave();
    }
    for (const auto& spark : HighScoreSparks) {
        spark->Update();
        if (spark->Invalid) HighScoreSparks.Remove(spark);
    }
    HighScoreLayer->Update();
    return 0;
}

int HighScoreMenu::ToEscape(int reference) {
    (void)reference;
    return GameKeyPresses(KeyEscape) ? 1 : 0;
}

float HighScoreMenu::HighlightAlpha(int row) const {
    return 1.5f - static_cast<float>(row) / 20;
}

float HighScoreMenu::FadeInAlpha(int row) const {
    float b = static_cast<float>(Ticks - row * CumulativeDelay() - FirstDelay());
    if (b < 0) return 0;
    if (b >= 60) return 1;
    return std::min(1.0f, b / 40) + LerpParabolicClamped(0, 1, b / 60);
}

void HighScoreMenu::RenderRows() {
    CurrentFontScope font(MainFont);
    float y = GetTunable("hsbasey", "166");
    const float slide = LerpLinearClamped(0, 1, static_cast<float>(Ticks - 500) / 50);
    for (int r = 1; r <= kScoreRows; ++r) {
        if (r == NewSlot && Ticks > 500) {
            FontDrawStyle nameStyle = Scales(NameCharScales), scoreStyle = Scales(ScoreCharScales);
            PrintText(PendingName, NameX(), y, -1, 1, &nameStyle);
            PrintText(IntToText(PendingScore), ScoreX(), y, AlignRight, 1, &scoreStyle);
            if (ExtrasArrived > 2) RenderCountersRow(PendingExtra, CountersX(), y);
            y += kRowStep * slide;
        }
        float alpha = HighlightAlpha(r) * FadeInAlpha(r);
        // The old last row makes way for the new entry.
        if (r == kScoreRows && NewSlot != 0 && Ticks > 500) alpha *= 1 - slide;
        if (alpha > 0 && ShownTable) {
            TDrawState::Push();
            TDrawState::PushAlpha(alpha);
            PrintText(ShownTable->NameAtSlot(r - 1), NameX(), y, -1, 1);
            PrintText(IntToText(ShownTable->ScoreAtSlot(r - 1)), ScoreX(), y, AlignRight, 1);
            RenderCountersRow(ShownTable->ExtraDataAtSlot(r - 1), CountersX(), y);
            TDrawState::Pop();
        }
        y += kRowStep;
    }
}

int HighScoreMenu::Render() {
    TDrawState::Push();
    SetColor(255, 255, 255);
    SetBlend(ALPHABLEND);
    DrawGameImage(gBackground, 0, 0);
    if (BigFont)
        BigFont->FontPrint(GetText("highscores", Shown == ScoreTable::Timed ? "timed" : "relaxed"), 400,
                           GetTunable("highscorey", "111"), AlignMiddle, 1);
    RenderRows();

    for (const auto& spark : HighScoreSparks) spark->Render();
    TDrawState::Push();
    TDrawState::PushBlend(LIGHTBLEND);
    HighScoreLayer->Render();
    TDrawState::Pop();

    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    float bob = 3 * std::sin(static_cast<float>(Ticks) / 1.5f * 3.14159265f / 180);
    DrawGameImage(gFairyAnim ? gFairyAnim->Image() : gFairy, GetTunable("fairyx", "-23"),
                  GetTunable("fairyy", "414") + bob, gFairyAnim ? gFairyAnim->Frame() : 0);
    TDrawState::Pop();

    auto glow = [](const Ref<TImage>& image, float x, float y, float g) {
        TDrawState::Push();
        TDrawState::PushBlend(LIGHTBLEND);
        TDrawState::PushAlpha(g);
        float s = 1.5f * std::sqrt(std::max(0.0f, g));
        TDrawState::PushScale(s, s);
        DrawGameImage(image, x, y);
        TDrawState::Pop();
    };
    glow(gGlow, GetTunable("maintwinklex", "649"), GetTunable("maintwinkley", "530"), RowGlows[0].Glow());
    glow(EffectImages.Star, GetTunable("toptwinklex", "405"), GetTunable("toptwinkley", "45"),
         RowGlows[1].Glow());

    guiBase->Render();
    TDrawState::Pop();
    return 0;
}

void ResetHighScoreMenu() {
    PendingEntry = 0;
    PendingName.clear();
    PendingScore = 0;
    PendingExtra.clear();
    PendingTable = ScoreTable::Timed;
    PendingReplaces = 0;
    NewSlot = 0;
    ShownTable = nullptr;
    NameCharScales.clear();
    ScoreCharScales.clear();
    ExtrasArrived = 0;
    HighScoreSparks.Clear();
    HighScoreLayer = New<ParticleGroup>();
    RowGlows = {};
    gBackground = gFairy = gGlow = nullptr;
    gFairyAnim = nullptr;
    ResetCountersImages();
}

void HighScoreMenu::NavigationTargets(NavTargets& targets) {
    AddGadgetTargets(*guiBase, targets);
}

} // namespace wispwood
