#include "tests/tools/data/data_files.h"

#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/path.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/split_string.h"
#include "game/board/defined_levels.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>
#include <sstream>

namespace wispwood::datatest {

Text ShippedPath(const Text& relative) {
    return test::SourcePath("data/media/" + relative);
}

Ref<GameFile> ReadSectioned(const Text& relative) {
    auto file = GameFile::Create(ShippedPath(relative));
    EXPECT_EQ(file->Read(), 1) << "cannot read " << relative;
    return file;
}

std::vector<Text> SectionNames(const GameFile& file) {
    std::vector<Text> names;
    for (const auto& branch : file.Nodes().GetBranches())
        if (!branch.Name.empty()) names.push_back(branch.Name);
    return names;
}

std::vector<int> IntList(GameFile& file, const Text& key, const std::vector<int>& fallback) {
    Text value = file.GetData(key);
    if (value.empty()) return fallback;
    std::vector<int> list;
    for (const Text& part : SplitString(value, ",")) list.push_back(TextToInt(part));
    list.push_back(list.back());
    return list;
}

std::vector<float> FloatList(GameFile& file, const Text& key) {
    std::vector<float> list;
    for (const Text& part : SplitString(file.GetData(key), ",")) list.push_back(TextToFloat(part));
    list.push_back(list.back());
    return list;
}

RawLines ReadRawLines(const Text& path) {
    RawLines raw;
    Text bytes;
    const bool read = LoadText(path, bytes);
    EXPECT_TRUE(read) << "cannot read " << path;
    if (!read) return raw;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == Text::npos) {
            raw.lines.push_back(bytes.substr(start));
            raw.allCrLf = false; // the last line has no line end
            break;
        }
        Text line = bytes.substr(start, end - start);
        if (line.empty() || line.back() != '\r')
            raw.allCrLf = false;
        else
            line.pop_back();
        raw.lines.push_back(line);
        start = end + 1;
    }
    return raw;
}

std::vector<Text> GeneratedPictureNames() {
    std::vector<Text> names;
    for (const Text& line : ReadRawLines(test::SourcePath("data/media-names.txt")).lines) {
        std::istringstream words(line);
        Text word;
        while (words >> word) {
            if (word.rfind("media/", 0) == 0) names.push_back(word);
        }
    }
    return names;
}

bool IsListedPicture(const Text& path) {
    static const std::vector<Text> names = GeneratedPictureNames();
    Text wanted = NormalisePath(path);
    for (const Text& name : names)
        if (name == wanted) return true;
    return false;
}

static bool FolderHasPictures(const Text& folder) {
    for (const Text& entry : ListDirectory(folder)) {
        Text lower = LowerText(entry);
        if (lower.size() > 4 && (RightText(lower, 4) == ".png" || RightText(lower, 4) == ".jpg")) return true;
    }
    return false;
}

PictureState GeneratedPicture(const Text& mediaPath) {
    Text full = test::GamePath(NormalisePath(mediaPath));
    // The scenery loader retries a missing ".png" as ".jpg"; so does this.
    if (PathKind(full) == 1 || PathKind(ReplaceText(full, "png", "jpg")) == 1) return PictureState::Present;
    return FolderHasPictures(DirectoryPart(full)) ? PictureState::Missing : PictureState::TreeAbsent;
}

const std::vector<LocationParams>& ShippedLocations() {
    static const std::vector<LocationParams> locations = ReadLocations();
    return locations;
}

std::vector<LocationParams> ReadLocations() {
    auto file = ReadSectioned("quest/coords.txt");
    std::vector<LocationParams> locations;
    for (const Text& section : SectionNames(*file)) {
        file->SetNode(section);
        LocationParams p;
        p.n = static_cast<int>(locations.size());
        p.x = TextToInt(file->GetData("x"));
        p.y = TextToInt(file->GetData("y"));
        p.big = TextToInt(file->GetData("big"));
        p.sprite = file->GetData("sprite");
        p.boardWidth = IntList(*file, "boardwidth", {5, 5, 5, 5});
        p.colors = IntList(*file, "colors", {3, 3, 3, 3});
        p.quota = IntList(*file, "quota", {100, 200, 250, 200});
        p.time = IntList(*file, "time", {0, 0, 0, 0});
        p.modifier = IntList(*file, "modifier", {0, 0, 0, 0});
        p.vineModifier = IntList(*file, "vinemodifier", {0, 0, 0, 0});
        p.blockyVines = IntList(*file, "blockyvines", {0, 0, 0});
        p.gem = IntList(*file, "gemfrequency", {0, 0, 0});
        p.bomb = IntList(*file, "bombfrequency", {0, 0, 0});
        p.vertical = IntList(*file, "destroyverticalfrequency", {0, 0, 0});
        p.horizontal = IntList(*file, "destroyhorizontalfrequency", {0, 0, 0});
        p.quake = IntList(*file, "earthquakefrequency", {0, 0, 0});
        p.stone = IntList(*file, "stonepiecefrequency", {0, 0, 0});
        p.rainbow = IntList(*file, "rainbowfrequency", {0, 0, 0});
        p.speed = FloatList(*file, "speed");
        p.groupFactor = FloatList(*file, "groupfactor");
        locations.push_back(p);
    }
    return locations;
}

bool LayoutGrid::Empty() const {
    for (const auto& row : cells)
        for (const Text& cell : row)
            if (!TrimText(cell).empty()) return false;
    return true;
}

Text LayoutGrid::At(int x, int y) const {
    if (y < 0 || y >= static_cast<int>(cells.size()) || x < 0 || x >= static_cast<int>(cells[y].size()))
        return "";
    return cells[y][x];
}

std::vector<LayoutGrid> ReadLayouts() {
    // The cells come from the game's own layout reader; the raw cells, with
    // their backquotes, from the file as written.
    auto file = ReadSectioned("definedlevels.txt");
    std::vector<Ref<PredefinedLevel>> levels = ReadPredefinedLevels(*file);
    std::vector<Text> names = SectionNames(*file);
    EXPECT_EQ(levels.size(), names.size());
    std::vector<LayoutGrid> layouts;
    for (size_t i = 0; i < levels.size() && i < names.size(); ++i) {
        const PredefinedLevel& level = *levels[i];
        file->SetNode(names[i]);
        LayoutGrid grid;
        grid.name = names[i];
        grid.width = level.Width;
        grid.height = level.Height;
        grid.repeatMode = level.RepeatMode;
        grid.successor = level.RepeatSuccessor;
        for (int y = 0; y < grid.height; ++y) {
            Text line = file->GetData("Line" + IntToText(y));
            std::vector<Text> raw, cut;
            for (int x = 0; x < grid.width; ++x) {
                raw.push_back(2 * x < static_cast<int>(line.size()) ? line.substr(2 * x, 2) : "");
                Text cell = level.Pieces[y][x];
                cut.push_back(cell == kEmptyCellCode ? Text() : cell);
            }
            grid.rawCells.push_back(raw);
            grid.cells.push_back(cut);
        }
        layouts.push_back(grid);
    }
    return layouts;
}

static const char* const kGapPatterns[] = {
    "ChunkGap",          "DoubleWingSides", "LineGap",           "SingleWingSides",        "TetrisPiece",
    "VerticalDoubleGap", "VerticalGap",     "SimpleSideMissing", "AlternatingSideMissing", "Holey"};

Text GapPatternName(int pattern) {
    return pattern >= 1 && pattern <= 10 ? kGapPatterns[pattern - 1] : "";
}

bool GapPatternFits(int pattern, int width) {
    switch (pattern) {
    case 1:
        return width > 8;
    case 2:
        return width > 6;
    case 3:
        return width > 8;
    case 4:
        return width > 5;
    case 5:
        return width >= 9 && width % 2 == 1;
    case 6:
        return width > 10 && width % 2 == 1;
    case 7:
        return width >= 7 && width % 2 == 1;
    case 8:
    case 9:
        return true;
    case 10:
        return width % 2 == 1;
    default:
        return false;
    }
}

int GapPatternByName(const Text& name) {
    Text wanted = LowerText(TrimText(name));
    for (int p = 1; p <= 10; ++p)
        if (LowerText(kGapPatterns[p - 1]) == wanted) return p;
    return 0;
}

} // namespace wispwood::datatest
