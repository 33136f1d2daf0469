#include "game/board/combo_groups.h"
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "framework/particles/particle_logic.h"
#include "framework/sound/sound.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/board/falling_pieces.h"
#include "game/board/game_stats.h"
#include "game/board/level_set.h"
#include "game/board/quota_particle.h"
#include "game/board/reward_text.h"
#include "game/board/score_popups.h"
#include "game/services/sound_tables.h"
#include <algorithm>
#include <cmath>
#include <vector>

namespace wispwood {

TList<Ref<PieceParticleComboGroup>> ComboGroups;
int NextComboGroupID = 0;

namespace {

constexpr int kSmallGroup = 4;  // at most this many: plain pieces that fade
constexpr int kSilverGroup = 4; // more than this: a silver combo
constexpr int kGoldGroup = 14;  // more than this: a gold combo
constexpr int kSilverPiecePoints = 20;
constexpr int kGoldPiecePoints = 50;
constexpr int kPlainPiecePoints = 10;
// The group's popup appears once its lowest pieces have started to turn.
constexpr float kScoreDelay = 40;
// A tile is gone once its turn has run this far.
constexpr int kMorphedAway = 60;
// The columny rows whose first fallen piece chimes.
constexpr int kChimeRows = 11;
constexpr int kBannerDelay = 40;
constexpr int kLargeComboSoundDelay = 100;
const double kPowBase = 4.466835676; // 10^0.65: the lowest piece turns at once

void LeaveGroup(PieceParticleComboGroup& g, const Ref<PieceParticle>& r) {
    r->Finished = 1;
    ForgetFallingPiece(r);
    g.Pieces.Remove(r);
    if (g.Pieces.IsEmpty()) g.AllMorphed = 1;
}

void Twinkles(const PieceParticleComboGroup& g, const PieceParticle& r) {
    const Ref<TImage>& image = g.MorphGold ? EffectImages.TwinkleGold : EffectImages.Twinkle;
    for (int i = 0; i < 8; ++i) {
        float tx = r.x + static_cast<float>(RandomFloat(0, CellWidth)) - static_cast<float>(BoardLeft());
        float ty = r.y + static_cast<float>(RandomFloat(0, CellHeight));
        AddTwinkle(BoardEffects, tx, ty, 0, image, 5, 1);
    }
}

// The lowest pieces turn first: a piece's turn starts later the higher it
// lies, growing with the height to the power 0.65.
int MorphingFor(float progress, float y) {
    double height = std::max(0.0, static_cast<double>(ScreenHeight - y) + 10);
    double delay = (std::pow(height, 0.65) - kPowBase) * 2;
    return static_cast<int>(std::max(static_cast<double>(progress) - delay, 0.0));
}

void StepTileAnimation(float progress, PieceParticle& r) {
    if (progress <= 0 || r.StopAnimating) return;
    if (r.AnimDelay > 0) {
        r.AnimDelay -= 1;
        return;
    }
    // One shimmer over the 25 frames, starting and ending on frame 12.
    r.MorphingFrame += 1;
    if (r.MorphingFrame > 24) r.MorphingFrame = 0;
    if (r.MorphingFrame == 12) r.StopAnimating = 1;
}

void MorphMember(PieceParticleComboGroup& g, const Ref<PieceParticle>& r) {
    float y = r->y;
    r->Morphing = MorphingFor(g.MorphProgress, y);
    r->MorphingBase = static_cast<int>(std::max(g.MorphProgress - (ScreenHeight - y) / 10, 0.0f));
    r->MorphingGold = g.MorphGold;
    StepTileAnimation(g.MorphProgress, *r);
    if (r->Morphing <= kMorphedAway) return;
    LeaveGroup(g, r);
    // Higher rows chime higher.
    float h = static_cast<float>(CellHeight);
    if (r->ToPlaySound) PlayBoardSound("media\\sound\\gold-row.ogg", 1 + (ScreenHeight - (y + h)) / h / 25);
    Twinkles(g, *r);
}

// The run's records, column by column, become one group; a run without
// records still uses up its id.
void MakeComboGroup(const std::vector<Ref<PieceParticle>>& run) {
    NextComboGroupID += 1;
    if (run.empty()) return;
    auto g = New<PieceParticleComboGroup>();
    g->GroupID = NextComboGroupID;
    for (const Ref<PieceParticle>& r : run) {
        g->Pieces.AddLast(r);
        r->ComboGroup = g->GroupID;
    }
    ComboGroups.AddLast(g);
    g->Init();
    int small = g->Pieces.Count() <= kSmallGroup ? 1 : 0;
    for (const Ref<PieceParticle>& r : g->Pieces) r->ShowScore = small;
}

void GroupByColumnRuns() {
    std::vector<Ref<PieceParticle>> run;
    for (int x = 0; x < BoardWidth; ++x) {
        bool any = false;
        for (const Ref<PieceParticle>& r : FallingPieces) {
            if (r->columnx != x || r->ComboGroup != 0) continue;
            run.push_back(r);
            any = true;
        }
        if (!any) {
            MakeComboGroup(run);
            run.clear();
        }
    }
    MakeComboGroup(run);
}

// At most one chime per board row the pieces came from.
void MarkChimes() {
    for (int row = 0; row < kChimeRows; ++row)
        for (const Ref<PieceParticle>& r : FallingPieces)
            if (r->columny == row) {
                r->ToPlaySound = 1;
                break;
            }
}

void ShowBanner() {
    int silver = 0, gold = 0, size = 0;
    for (const Ref<PieceParticleComboGroup>& g : ComboGroups) {
        if (g->CreatedText) continue;
        g->CreatedText = 1;
        if (!g->Morph) continue;
        size = g->Pieces.Count();
        (g->MorphGold ? gold : silver) += 1;
    }
    if (silver + gold == 0) return;
    ComboBanner banner = ComboBannerFor(silver, gold, size);
    Ref<RewardTextGroup> text = CreateRewardText(banner.text, "", 0, gold > 0 ? 2 : 0, 0);
    text->Delayed = kBannerDelay;
    if (banner.loud && !(CurrentLevel && CurrentLevel->DoneQuotaBottleEffect))
        GameSound("media\\sound\\largecombo.ogg")->PlayIn(kLargeComboSoundDelay);
}

const char* Count(int n, const char* two, const char* three, const char* many) {
    return n == 2 ? two : n == 3 ? three : many;
}

} // namespace

void PieceParticleComboGroup::Init() {
    int count = Pieces.Count();
    Morph = count > kSilverGroup ? 1 : 0;
    MorphGold = count > kGoldGroup ? 1 : 0;
    Size = count;
    for (const Ref<PieceParticle>& r : Pieces) r->AnimDelay = RandomInt(20, 80);
}

int PieceParticleComboGroup::Score() {
    return Pieces.Count() * (MorphGold ? kGoldPiecePoints : kSilverPiecePoints);
}

void PieceParticleComboGroup::CreateAveragedScoreParticle() {
    if (Size <= kSilverGroup || Pieces.IsEmpty()) return;
    float ax = 0, ay = 0;
    for (const Ref<PieceParticle>& r : Pieces) {
        ax += r->x + static_cast<float>(CellWidth) / 2;
        ay += r->y - static_cast<float>(CellHeight) / 2;
    }
    float n = static_cast<float>(Pieces.Count());
    ax /= n;
    ay /= n;
    ShowPoints(Score(), ax, ay, 1.6f + static_cast<float>(Size) / 60, 1, 250, MorphGold);
    ComboQuotaParticle(ax, ay, MorphGold, Pieces.Count());
}

void PieceParticleComboGroup::Update() {
    if (!BiggestComboSet) {
        if (BiggestComboStat && Score() > BiggestComboStat->Value()) BiggestComboStat->Set(Score());
        BiggestComboSet = 1;
    }
    MorphProgress += 1;
    if (MorphProgress > kScoreDelay && !ScoreCreated) {
        CreateAveragedScoreParticle();
        ScoreCreated = 1;
    }
    for (const Ref<PieceParticle>& r : Pieces) {
        if (Morph) MorphMember(*this, r);
        if (r->ShowScore && !r->Score)
            r->Score = ShowPoints(kPlainPiecePoints, r->x + static_cast<float>(CellWidth) / 2,
                                  r->y - static_cast<float>(CellHeight) / 2, 0.75f, 1, 100, 0);
        if (!Morph) {
            r->Alpha -= 0.03f;
            if (r->Alpha < 0) LeaveGroup(*this, r);
        }
        r->dy = 0;
        if (r->y > ScreenHeight) {
            r->Finished = 1;
            ForgetFallingPiece(r);
        }
    }
    if (!AllMorphed) return;
    for (const Ref<PieceParticleComboGroup>& g : ComboGroups)
        if (g.get() == this) ComboGroups.Remove(g);
    if (!Morph) return;
    const Ref<GameStats>& stat = MorphGold ? GoldCombosStat : SilverCombosStat;
    if (stat) stat->Inc();
}

void FormComboGroups() {
    GroupByColumnRuns();
    MarkChimes();
    ShowBanner();
}

ComboBanner ComboBannerFor(int silver, int gold, int size) {
    if (silver + gold == 0) return {};
    if (gold == 0) {
        if (silver == 1) return {size < 10 ? "SILVER COMBO" : "LARGE SILVER COMBO", 0};
        return {Count(silver, "DOUBLE SILVER COMBO", "TRIPPLE SILVER COMBO", "MULTI SILVER COMBO"), 0};
    }
    if (silver == 0) {
        if (gold == 1) {
            if (size < 25) return {"GOLD COMBO", 0};
            return {size < 35 ? "LARGE GOLD COMBO" : "MEGA GOLD COMBO", 1};
        }
        return {Count(gold, "DOUBLE GOLD COMBO", "TRIPPLE GOLD COMBO", "MULTI GOLD COMBO"), 1};
    }
    int n = silver + gold;
    return {Count(n, "DOUBLE COMBO", "TRIPPLE COMBO", "MULTI COMBO"), n > 2 ? 1 : 0};
}

void ResetComboGroups() {
    ComboGroups.Clear();
    NextComboGroupID = 0;
}

} // namespace wispwood
