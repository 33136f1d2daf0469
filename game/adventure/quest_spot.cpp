#include "game/adventure/quest_spot.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/io/text_convert.h"
#include "framework/data/data_file_report.h"
#include "framework/data/section_file.h"
#include "framework/data/split_string.h"
#include "framework/images/game_image.h"
#include "game/board/level.h"
#include "game/board/piece_definition.h"
#include <algorithm>

namespace wispwood {

TList<Ref<QuestSpot>> QuestSpots;
const char* const kQuestSpotsPath = "media\\quest\\coords.txt";

namespace {

// Boards wider than this use the smaller pieces.
constexpr int kWidestLargePieceBoard = 12;

// The file's positions of locations 1 to 9 and 11 to 27 are offsets from
// the painted trail (the media data writes the inverse); these bands move
// them onto it.
constexpr float kBendLeft = 409, kBendRight = 647, kBendTargetLeft = 448;

template <class T>
T ElementOr(const std::vector<T>& list, size_t i) {
    return i < list.size() ? list[i] : T{};
}

template <class T, class Convert>
std::vector<T> ParseList(const TextArray& parts, const std::vector<T>& fallback, int repeat,
                         Convert convert) {
    if (parts.empty()) return fallback;
    std::vector<T> list;
    list.reserve(parts.size() + std::max(repeat, 0));
    for (const Text& part : parts) list.push_back(convert(part));
    for (int i = 0; i < repeat; ++i) list.push_back(list.back());
    return list;
}

void AdjustPosition(QuestSpot& spot) {
    if (spot.n >= 1 && spot.n <= 9) {
        spot.x -= 15;
    } else if (spot.n >= 11 && spot.n <= 27) {
        float t = std::clamp((spot.x - kBendLeft) / (kBendRight - kBendLeft), 0.0f, 1.0f);
        spot.y -= 15 * (1 - t);
        spot.x = kBendTargetLeft + t * (kBendRight - kBendTargetLeft);
    }
}

// Three frames of equal width side by side, handle at the frame's centre.
Ref<TImage> LoadTempleSprite(const Text& name) {
    Text path = "media\\quest\\" + name + ".png";
    Ref<TPixmap> pixmap = LoadPixmap(path);
    // A picture that does not load is reported by the loader with its path.
    Ref<TImage> image =
        pixmap ? LoadGameFramedImage(pixmap, std::max(pixmap->width / 3, 1), pixmap->height, 0, 3)
               : LoadGameImage(path);
    if (image) CentreImageHandle(image);
    return image;
}

} // namespace

std::vector<int> ParseIntList(const GameFileNode& section, const Text& key, const std::vector<int>& fallback,
                              int repeat) {
    Text value = section.GetData(key);
    if (value.empty()) return fallback;
    return ParseList(SplitString(value, ","), fallback, repeat, TextToInt);
}

std::vector<float> ParseFloatList(const GameFileNode& section, const Text& key,
                                  const std::vector<float>& fallback, int repeat) {
    return ParseList(SplitString(section.GetData(key), ","), fallback, repeat, TextToFloat);
}

Ref<QuestSpot> ReadQuestSpot(const GameFileNode& section, int n) {
    auto spot = New<QuestSpot>();
    QuestSpot& s = *spot;
    s.n = n;
    s.x = static_cast<float>(TextToInt(section.GetData("x")));
    s.y = static_cast<float>(TextToInt(section.GetData("y")));
    s.Big = TextToInt(section.GetData("big"));
    auto ints = [&](const char* key, std::vector<int> fallback) {
        return ParseIntList(section, key, fallback, 1);
    };
    s.Quota = ints("quota", {100, 200, 250, 200});
    s.Colors = ints("colors", {3, 3, 3, 3});
    s.BonusColors = ints("bonuscolors", {1, 2});
    s.BoardWidth = ints("boardwidth", {5, 5, 5, 5});
    s.Speed = ParseFloatList(section, "speed", {1, 1, 1, 1}, 1);
    s.Time = ints("time", {0, 0, 0, 0});
    s.CreationOverride = ints("modifier", {0, 0, 0, 0});
    s.VineCreationOverride = ints("vinemodifier", {0, 0, 0, 0});
    s.GroupFactor = ParseFloatList(section, "groupfactor", {0.5f, 0.5f, 0.5f, 0.5f}, 1);
    s.BombFrequency = ints("bombfrequency", {0, 0, 0});
    s.StonePieceFrequency = ints("stonepiecefrequency", {0, 0, 0});
    s.ExtraLifeFrequency = ints("extralifefrequency", {0, 0, 0});
    s.DestroyHorizontalFrequency = ints("destroyhorizontalfrequency", {0, 0, 0});
    s.DestroyVerticalFrequency = ints("destroyverticalfrequency", {0, 0, 0});
    s.EarthquakeFrequency = ints("earthquakefrequency", {0, 0, 0});
    s.BlockProducingVines = ints("blockyvines", {0, 0, 0});
    s.RainbowFrequency = ints("rainbowfrequency", {0, 0, 0});
    s.GemFrequency = ints("gemfrequency", {0, 0, 0});
    s.BoardColumns[0] = ParseIntList(section, "boardcolumns1", {}, 0);
    s.BoardColumns[1] = ParseIntList(section, "boardcolumns2", {}, 0);
    s.BoardColumns[2] = ParseIntList(section, "boardcolumns3", {}, 0);
    s.Images = StandardPieceImages;
    bool large = ElementOr(s.BoardWidth, 0) <= kWidestLargePieceBoard;
    s.PieceWidth = s.PieceHeight = large ? 48 : 40;
    AdjustPosition(s);
    return spot;
}

int LoadQuestSpots(const Text& path) {
    QuestSpots.Clear();
    auto file = GameFile::Create(path);
    if (!ReadDataFile(*file, "the quest map has no locations")) return 0;
    int bonuses = 0;
    for (const auto& branch : file->Nodes().GetBranches()) {
        if (branch.Name.empty()) continue;
        Ref<QuestSpot> spot = ReadQuestSpot(*branch.Value, QuestSpots.Count());
        // Entering the map numbers the bonus levels the same way; numbering
        // them here too gives a location started without the map (the run
        // switch, the level-board tools) the bonus pattern the map would.
        if (spot->DoBonus()) spot->BonusNumber = bonuses++;
        Text sprite = branch.Value->GetData("sprite");
        if (!sprite.empty()) spot->Location = LoadTempleSprite(sprite);
        QuestSpots.AddLast(spot);
    }
    if (QuestSpots.IsEmpty()) ReportDataFile(path, "holds no locations", "the quest map has none");
    return 1;
}

int LocationExists(int index) {
    return index >= 0 && index < QuestSpots.Count() ? 1 : 0;
}

Ref<QuestSpot> SpotAt(int index) {
    return LocationExists(index) ? QuestSpots.ValueAtIndex(index) : nullptr;
}

void ResetQuestSpots() {
    QuestSpots.Clear();
}

int QuestSpot::DoBonus() {
    if (n == 0) return 0;
    return n % 5 == 0 || Big ? 1 : 0;
}

std::vector<Ref<Level>> QuestSpot::CreateLevels() {
    auto level = New<Level>();
    level->_Quota = ElementOr(Quota, 0);
    level->Colors = Colors;
    level->BonusColors = BonusColors;
    level->Columns = BoardColumns[0];
    level->BombFrequency = ElementOr(BombFrequency, 0);
    level->StonePieceFrequency = ElementOr(StonePieceFrequency, 0);
    level->ExtraLifeFrequency = ElementOr(ExtraLifeFrequency, 0);
    level->DestroyHorizontalFrequency = ElementOr(DestroyHorizontalFrequency, 0);
    level->DestroyVerticalFrequency = ElementOr(DestroyVerticalFrequency, 0);
    level->EarthquakeFrequency = ElementOr(EarthquakeFrequency, 0);
    level->RainbowFrequency = ElementOr(RainbowFrequency, 0);
    level->GemFrequency = ElementOr(GemFrequency, 0);
    level->BlockProducingVines = ElementOr(BlockProducingVines, 0);
    level->Time = ElementOr(Time, 0);
    level->CreationOverride = ElementOr(CreationOverride, 0);
    level->VineCreationOverride = ElementOr(VineCreationOverride, 0);
    std::vector<Ref<Level>> levels{level};
    if (DoBonus()) {
        auto bonus = New<BonusLevel>();
        bonus->BonusColors = BonusColors;
        levels.push_back(bonus);
    }
    for (size_t i = 0; i < levels.size(); ++i) {
        Level& l = *levels[i];
        l._Width = ElementOr(BoardWidth, i);
        l._Speed = ElementOr(Speed, i);
        l.GroupFactor = ElementOr(GroupFactor, i);
        l.PieceImages = Images;
        l.PieceWidth = PieceWidth;
        l.PieceHeight = PieceHeight;
        l.BonusNumber = BonusNumber;
        l.n = n;
    }
    return levels;
}

} // namespace wispwood
