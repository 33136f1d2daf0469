#include "game/board/pair_lessons.h"
#include "game/board/gem_piece.h"
#include "game/board/groups.h"
#include "game/board/match_availability.h"
#include "game/board/piece.h"
#include "game/board/powerup.h"
#include "game/board/tutorials.h"
#include "game/board/vine_pieces.h"
#include <utility>

namespace wispwood {

namespace {

// The cell's piece as a one-piece group, or no group for an empty cell.
PieceGroup PieceOf(int column, int row) {
    Ref<Piece> p = PieceAt(column, row);
    return p ? PieceGroup{p} : PieceGroup{};
}

bool QualifiesAsPowerup(const Ref<Piece>& p) {
    if (PieceAt(p->x, p->y + 1)) return false;
    return (IsKind<Powerup>(p) && !IsKind<VineBase>(p)) || IsKind<GemPiece>(p);
}

} // namespace

void TutorialObjectIntro::InitGroups() {
    std::vector<PieceGroup> pair = FindMatchingPair(-1, 1, ReverseAll);
    if (pair.size() < 2) return;
    if (ReverseGroups) std::swap(pair[0], pair[1]);
    if (!GetGroup(pair)) return;
    Stage += 1;
    ArrowsAtGroupCentres();
}

void TutorialObjectSpecific::InitGroups() {
    if (!GetGroup({PieceOf(coords[0][0], coords[0][1] + 1), PieceOf(coords[1][0], coords[1][1] + 1)})) return;
    Stage += 1;
    ArrowsAtGroupCentres();
}

void TutorialObjectPowerup::InitGroups() {
    PieceGroup found;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (found.size() < 2 && QualifiesAsPowerup(p)) found.push_back(p);
    });
    if (found.size() < 2 || !GetGroup({{found[0]}, {found[1]}})) return;
    Stage += 1;
    CellCentre(*PieceTargetA, ArrowA->x, ArrowA->y);
    CellCentre(*PieceTargetB, ArrowB->x, ArrowB->y);
}

void TutorialObjectCombo::InitGroups() {
    Ref<Piece> low = PieceAt(0, 8), high = PieceAt(5, 6);
    if (!low || !high || !GetGroup({SameColourGroup(low), SameColourGroup(high)})) return;
    Stage += 1;
    ArrowsAtGroupCentres();
    // Group B is wide; the arrow stands off to its right.
    ArrowB->x += 80;
    ArrowB->y -= 10;
}

void TutorialObjectChains::InitGroups() {
    if (!GetGroup(FindMatchingPair(-1, 0, 0))) return;
    Stage += 1;
    CellCentre(*PieceTargetA, ArrowA->x, ArrowA->y);
    CellCentre(*PieceTargetB, ArrowB->x, ArrowB->y);
}

void StartPowerupTutorial(const Text& name) {
    auto lesson = New<TutorialObjectPowerup>();
    FillLessonTexts(*lesson, name + "tutorial", {"firstgroup", "secondgroup"});
    lesson->txt = "POWERUP";
    lesson->Init();
    AddTutorial(lesson);
}

} // namespace wispwood
