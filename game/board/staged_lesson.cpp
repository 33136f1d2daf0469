#include "game/board/staged_lesson.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_gadget.h"
#include "game/board/piece.h"
#include "game/board/tutorial_images.h"
#include <algorithm>

namespace wispwood {

namespace {

bool Contains(const PieceGroup& group, const Ref<Piece>& piece) {
    return std::find(group.begin(), group.end(), piece) != group.end();
}

} // namespace

void GroupCentre(const PieceGroup& group, float& x, float& y) {
    x = y = 0;
    if (!group.empty()) {
        for (const Ref<Piece>& p : group) {
            x += static_cast<float>(p->GetX());
            y += static_cast<float>(p->GetY());
        }
        x = x / static_cast<float>(group.size()) + static_cast<float>(CellWidth) / 2;
        y = y / static_cast<float>(group.size()) + static_cast<float>(CellHeight) / 2;
    }
    x += static_cast<float>(BoardLeft());
    y -= static_cast<float>(CellHeight);
}

void CellCentre(Piece& piece, float& x, float& y) {
    x = static_cast<float>(piece.GetX() + BoardLeft() + CellWidth / 2);
    y = static_cast<float>(piece.GetY() - CellHeight / 2);
}

TutorialObjectBase::TutorialObjectBase() {
    ArrowA = New<PointyArrow>();
    ArrowB = New<PointyArrow>();
    ArrowA->Image = ArrowB->Image = TutorialArrowImage;
    ArrowA->Hide = ArrowB->Hide = 1;
    ArrowB->Angle = 135;
}

bool TutorialObjectBase::GetGroup(const std::vector<PieceGroup>& pair) {
    if (pair.size() < 2 || pair[0].empty() || pair[1].empty()) return false;
    for (size_t i = 0; i < 2; ++i)
        if (std::find(pair[i].begin(), pair[i].end(), nullptr) != pair[i].end()) return false;
    GroupA = pair[0];
    GroupB = pair[1];
    PieceTargetA = GroupA.back();
    PieceTargetB = GroupB.back();
    return true;
}

void TutorialObjectBase::ArrowsAtGroupCentres() {
    GroupCentre(GroupA, ArrowA->x, ArrowA->y);
    GroupCentre(GroupB, ArrowB->x, ArrowB->y);
}

void TutorialObjectBase::ShowGroupA() {
    // Every piece of the group may have left the board without being
    // picked (cleared by the stuck recovery, say); the player could then
    // click nothing at all, so the lesson looks for its pieces again.
    if (std::none_of(GroupA.begin(), GroupA.end(), [](const Ref<Piece>& p) { return p->OnBoard; })) {
        Stage = LessonSearching;
        ArrowA->Hide = ArrowB->Hide = 1;
        return;
    }
    bool shown = false;
    for (const Ref<Piece>& p : GroupA) {
        if (p->CreationShine == 0) {
            p->Highlightfortutorial = 1;
            shown = true;
        }
        if (p->MahjongOver && Stage == LessonGroupA) {
            if (Backing) Backing->ChangeDrawnTextLines(Block(1));
            Stage = LessonGroupB;
        }
    }
    ArrowA->Hide = shown ? 0 : 1;
    ArrowB->Hide = 1;
}

void TutorialObjectBase::ShowGroupB() {
    for (const Ref<Piece>& p : GroupB) {
        p->Highlightfortutorial = 1;
        if (!p->OnBoard) Stage = LessonFinished;
    }
    // The player dropped the selection: back to group A, the text stays.
    // Once group B is going the lesson is over whatever group A does.
    if (Stage == LessonGroupB && std::any_of(GroupA.begin(), GroupA.end(), [](const Ref<Piece>& p) {
            return p->OnBoard && !p->PieceExplosionParticle && !p->MarkForDestruction && !p->MahjongOver;
        }))
        Stage = LessonGroupA;
    ArrowA->Hide = 1;
    ArrowB->Hide = 0;
}

void TutorialObjectBase::Update() {
    TutorialObject::Update();
    ArrowA->Update();
    ArrowB->Update();
    if (ArrowA->Alpha + ArrowB->Alpha > 0 && Container) Container->Update();
    switch (Stage) {
    case LessonSearching:
        InitGroups();
        // A lesson that refuses every click while it searches also holds
        // the clock: a board that never shows its groups would hold the
        // level for ever, so such a lesson gives up after a few seconds.
        if (Stage == LessonSearching && PlayerClickDisallow(nullptr) == 1 &&
            ++SearchTicks > kLessonSearchPatience)
            RemoveSelf();
        break;
    case LessonGroupA:
        ShowGroupA();
        break;
    case LessonGroupB:
        ShowGroupB();
        break;
    default:
        ArrowA->Hide = ArrowB->Hide = 1;
        ArrowB->Kill();
        if (ArrowB->Killed) RemoveSelf();
        break;
    }
}

void TutorialObjectBase::Render() {
    // The panel fades in and out with the arrows.
    if (Backing) Backing->OverallAlpha = ArrowA->Alpha + ArrowB->Alpha;
    if (Container) Container->Render(0);
    ArrowA->Render();
    ArrowB->Render();
}

int TutorialObjectBase::AllowedFor(const Ref<Piece>& piece) const {
    return (Stage == LessonGroupA && Contains(GroupA, piece)) ||
           (Stage == LessonGroupB && Contains(GroupB, piece));
}

int TutorialObjectBase::PlayerClickDisallow(const Ref<Piece>& piece) {
    if (piece) return AllowedFor(piece) ? 0 : 1;
    int refused = 1;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (refused && p->mover && AllowedFor(p)) refused = 0;
    });
    return refused;
}

} // namespace wispwood
