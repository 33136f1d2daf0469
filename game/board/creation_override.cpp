#include "game/board/creation_override.h"
#include "engine/io/text_routines.h"
#include "game/board/defined_levels.h"
#include "game/board/gap_patterns.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/use_predefined.h"
#include "game/board/vine_patterns.h"
#include <vector>

namespace wispwood {

TList<Ref<CreationOverride>> ActiveOverrides;

namespace {

std::vector<Ref<GapCreationOverrideBase>> GapCatalogue;
std::vector<Ref<GapCreationOverrideBase>> VineCatalogue;

void FillCatalogues() {
    if (!GapCatalogue.empty()) return;
    GapCatalogue = {New<ChunkGap>(),
                    New<DoubleWingSides>(),
                    New<LineGap>(),
                    New<SingleWingsides>(),
                    New<TetrisPiece>(),
                    New<VerticalDoubleGap>(),
                    New<VerticalGap>(),
                    New<SimpleSideMissing>(),
                    New<AlternatingSideMissing>(),
                    New<Holey>()};
    VineCatalogue = {New<CurvyLeftVine>(), New<CurvyRightVine>(), New<CurvyAlternateVine>(),
                     New<BlockyAlternating>(), New<SimpleHover>()};
}

Ref<GapCreationOverrideBase> Entry(const std::vector<Ref<GapCreationOverrideBase>>& catalogue, int entry) {
    if (entry < 1 || entry > static_cast<int>(catalogue.size())) return nullptr;
    return catalogue[entry - 1];
}

} // namespace

void CreationOverride::BoardMovedDown() {
    for (const auto& waiting : Pieces) {
        waiting->y -= 1;
        if (waiting->y < 0) Pieces.Remove(waiting);
    }
    if (Pieces.Count() == 0) ActiveOverrides.Remove(shared_from_this());
}

Ref<Piece> CreationOverride::Override(int x) {
    for (const auto& waiting : Pieces) {
        if (waiting->x == x && waiting->y == 0) {
            Pieces.Remove(waiting);
            return waiting->p;
        }
    }
    return nullptr;
}

int CreationOverride::IsGap(int) {
    return 0;
}

void GapCreationOverrideBase::BoardMovedDown() {
    y += 1;
}

Ref<Piece> GapCreationOverrideBase::Override(int) {
    return nullptr;
}

int GapCreationOverrideBase::IsGap(int) {
    return 0;
}

Text GapCreationOverrideBase::Name() {
    return "";
}

int GapCreationOverrideBase::ValidSize(int) {
    return 0;
}

void GapCreationOverrideBase::reset() {
    y = 0;
}

int OverrideIsGap(int x) {
    for (const auto& o : ActiveOverrides)
        if (o->IsGap(x)) return 1;
    return 0;
}

Ref<Piece> OverridePiece(int x) {
    for (const auto& o : ActiveOverrides)
        if (Ref<Piece> p = o->Override(x)) return p;
    return nullptr;
}

void OverridesRowDone() {
    for (const auto& o : ActiveOverrides) o->BoardMovedDown();
}

Ref<GapCreationOverrideBase> GapCatalogueEntry(int entry) {
    FillCatalogues();
    return Entry(GapCatalogue, entry);
}

Ref<GapCreationOverrideBase> VineCatalogueEntry(int entry) {
    FillCatalogues();
    return Entry(VineCatalogue, entry);
}

Ref<GapCreationOverrideBase> GapPatternNamed(const Text& name) {
    FillCatalogues();
    Text wanted = LowerText(TrimText(name));
    for (const auto& pattern : GapCatalogue)
        if (LowerText(TrimText(pattern->Name())) == wanted) return pattern;
    return nullptr;
}

void StartLevelOverrides() {
    ActiveOverrides.Clear();
    if (!CurrentLevel) return;
    if (Ref<PredefinedLevel> layout = PredefinedLevelFor(CurrentLevel->n)) {
        ActiveOverrides.AddLast(MakeUsePredefined(layout));
        return;
    }
    for (const auto& pattern : {GapCatalogueEntry(CurrentLevel->CreationOverride),
                                VineCatalogueEntry(CurrentLevel->VineCreationOverride)}) {
        if (!pattern) continue;
        pattern->reset();
        ActiveOverrides.AddLast(pattern);
    }
}

void ResetCreationOverrides() {
    ActiveOverrides.Clear();
    GapCatalogue.clear();
    VineCatalogue.clear();
}

} // namespace wispwood
