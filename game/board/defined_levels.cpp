#include "game/board/defined_levels.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/anim/numeric.h"
#include "framework/data/data_file_report.h"
#include "framework/data/section_file.h"
#include "game/board/hover_piece.h"
#include "game/board/lock_piece.h"
#include "game/board/marker_pieces.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_factory.h"
#include "game/board/powerup.h"
#include "game/board/stone_pieces.h"
#include "game/board/vine_pieces.h"
#include <algorithm>

namespace wispwood {

TList<Ref<PredefinedLevel>> PredefinedLevels;
const char* const kDefinedLevelsPath = "media\\definedlevels.txt";

namespace {

// Bounds on the sizes read from the file: a layout is at most as wide as
// the widest board can use many times over, and the file's own lines
// bound its height.
constexpr int kMaxLayoutWidth = 256;
constexpr int kMaxLayoutHeight = 10000;

Text CutCell(const Text& line, int column) {
    size_t at = size_t(column) * 2;
    Text cell = at < line.size() ? line.substr(at, 2) : Text();
    std::erase(cell, '`');
    return cell.empty() ? Text(kEmptyCellCode) : cell;
}

bool IsDigits(const Text& text) {
    if (text.empty()) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::vector<Ref<PredefinedLevel>> ReadPredefinedLevels(GameFile& file) {
    std::vector<Ref<PredefinedLevel>> levels;
    for (const auto& branch : file.Nodes().GetBranches()) {
        if (branch.Name.empty()) continue;
        file.SetNode(branch.Name);
        auto level = New<PredefinedLevel>();
        level->Name = file.GetData("Name");
        level->Width = std::clamp(TextToInt(file.GetData("Width")), 0, kMaxLayoutWidth);
        level->Height = std::clamp(TextToInt(file.GetData("Height")), 0, kMaxLayoutHeight);
        level->RepeatMode = TextToInt(file.GetData("RepeatMode"));
        level->RepeatSuccessor = file.GetData("Successor");
        for (int row = 0; row < level->Height; ++row) {
            Text line = file.GetData("Line" + IntToText(row));
            std::vector<Text> cells;
            cells.reserve(level->Width);
            for (int col = 0; col < level->Width; ++col) cells.push_back(CutCell(line, col));
            level->Pieces.push_back(std::move(cells));
        }
        levels.push_back(level);
    }
    return levels;
}

int LoadPredefinedLevels(const Text& path) {
    PredefinedLevels.Clear();
    auto file = GameFile::Create(path);
    const Text instead = "the levels it lays out are generated instead";
    if (!ReadDataFile(*file, instead)) return 0;
    for (const auto& level : ReadPredefinedLevels(*file)) PredefinedLevels.AddLast(level);
    if (PredefinedLevels.IsEmpty()) ReportDataFile(path, "holds no level layouts", instead);
    return 1;
}

Ref<PredefinedLevel> PredefinedLevelFor(int n) {
    if (n < 0 || n >= PredefinedLevels.Count()) return nullptr;
    Ref<PredefinedLevel> level = PredefinedLevels.ValueAtIndex(n);
    return level && !level->IsEmpty() ? level : nullptr;
}

Ref<PredefinedLevel> FindPredefinedLevel(const Text& name) {
    Text wanted = LowerText(TrimText(name));
    for (const auto& level : PredefinedLevels)
        if (LowerText(TrimText(level->Name)) == wanted) return level;
    return nullptr;
}

Ref<Piece> PieceFromLayoutCode(const Text& rawCode) {
    Text code = TrimText(rawCode);
    if (code.empty()) return nullptr;
    char first = code[0];
    if (first == 'n') {
        Text rest = code.substr(1);
        if (rest == "x") return nullptr;
        if (rest == "y") return New<DummyForceNormal>();
        if (!IsDigits(rest)) return nullptr;
        int colour = DigitsToInt(rest);
        if (colour < 0 || colour >= kStandardColourCount) return nullptr;
        return NewStandardPiece(colour);
    }
    if (first == 'v' || first == 'c') {
        Ref<VineBase> vine;
        char second = code.size() > 1 ? code[1] : '\0';
        int direction = second == 'u' ? 2 : second == 'd' ? 0 : second == 'l' ? 1 : second == 'r' ? 3 : -1;
        if (direction >= 0) {
            vine = New<VineHead>();
            vine->Overlay = direction;
        } else {
            vine = New<VineBody>();
            vine->Overlay = DigitsToInt(code);
        }
        if (first == 'c') vine->HasCoin = 1;
        return vine;
    }
    if (code == "l") return New<DummyLockedPiece>();
    if (code == "dl") return New<DummyUnlockPiece>();
    if (code == "lk") return New<LockPiece>(1);
    if (code == "k") return New<LockPiece>(0);
    if (code == "h") return New<HoverPiece>();
    if (code == "dh") return New<DestroyHorizontalPiece>();
    if (code == "dv") return New<DestroyVerticalPiece>();
    if (code == "b") return New<Bomb>();
    if (code == "s") return New<StonePiece>();
    return nullptr;
}

void ResetPredefinedLevels() {
    PredefinedLevels.Clear();
}

} // namespace wispwood
