#pragma once
// The locations of the adventure, read once from "media\quest\coords.txt":
// where each sits on the map and the parameters of its level and, for some,
// of the bonus level that follows it.
#include "engine/core/text.h"
#include "engine/core/tlist.h"
#include <vector>

namespace wispwood {

class GameFileNode;
class Level;
class TImage;
class guiContainer;
class guiGadget;

class QuestSpot {
  public:
    virtual ~QuestSpot() = default;

    int n = 0; // position in QuestSpots
    float x = 0, y = 0;
    int Big = 0; // 1 for a temple
    Ref<guiGadget> Gadget;
    int Finished = 0;
    int RevealDelay = 500;
    int RevealQueued = 0;
    int RevealQueuedOld = 0;
    int HideSmall = 0;
    Ref<TImage> Location; // temple sprite: three frames side by side

    // Level parameters: element 0 for the location's level; element 1 of
    // BoardWidth, Speed and GroupFactor for its bonus level.
    std::vector<int> CreationOverride;
    std::vector<int> VineCreationOverride;
    std::vector<int> BombFrequency;
    std::vector<int> StonePieceFrequency;
    std::vector<int> ExtraLifeFrequency;
    std::vector<int> DestroyHorizontalFrequency;
    std::vector<int> DestroyVerticalFrequency;
    std::vector<int> EarthquakeFrequency;
    std::vector<int> RainbowFrequency;
    std::vector<int> GemFrequency;
    std::vector<int> BlockProducingVines;
    std::vector<int> Quota;
    std::vector<float> Speed;
    std::vector<float> GroupFactor;
    std::vector<int> Time;
    std::vector<int> Colors;
    std::vector<int> BonusColors;
    std::vector<int> BoardWidth;
    std::vector<int> BoardColumns[3]; // the level uses the first
    std::vector<Ref<TImage>> Images;
    int PieceWidth = 48;
    int PieceHeight = 48;
    int BonusNumber = 0; // ordinal among the locations with a bonus level
    float SmallDotsTotal = 0;
    float SmallDotsComplete = 0;

    // Forgets the map's view of the location: no clickable area, visible,
    // unfinished, no reveal pending.
    virtual void Reset();
    // The medal reveal fires after delay counting ticks; until then the
    // location shows oldState.
    virtual void QueueReveal(int oldState, int delay);
    // The sound and sparkles of a medal appearing.
    virtual void UpgradeEffect();
    // Per tick on the map: the pending reveal and the gold shine.
    virtual void Update();
    // 1 while the marker is walking away from this location.
    virtual int CurrentlyUnlocking();
    // The clickable area that replays the location.
    virtual void InitGadget(guiContainer& container);
    virtual void Render();
    virtual int FilledGold();
    // The level state the current profile holds for the location.
    virtual int FilledNumber();
    // The medallion to draw now.
    virtual Ref<TImage> FilledIMage();

    // The location's level, followed by its bonus level when it has one.
    virtual std::vector<Ref<Level>> CreateLevels();
    // 1 when a bonus level follows: every fifth location and every temple,
    // never the first location.
    virtual int DoBonus();
};

extern TList<Ref<QuestSpot>> QuestSpots;
extern const char* const kQuestSpotsPath; // "media\quest\coords.txt"

// A list value of the location file: the comma-separated numbers (text that
// is not a number reads 0) followed by the last of them repeat more times.
// An int list with an empty or absent value is the fallback itself; a float
// list never is, since an empty value still makes one part (0).
std::vector<int> ParseIntList(const GameFileNode& section, const Text& key, const std::vector<int>& fallback,
                              int repeat);
std::vector<float> ParseFloatList(const GameFileNode& section, const Text& key,
                                  const std::vector<float>& fallback, int repeat);

// One location from its section: the keys with their defaults, the cell size
// and the map position adjusted for its index n. The temple sprite is not
// loaded here.
Ref<QuestSpot> ReadQuestSpot(const GameFileNode& section, int n);

// Replaces QuestSpots by the file's locations, one per named section in
// section order (empty when the file cannot be read); 1 when it was read.
int LoadQuestSpots(const Text& path = kQuestSpotsPath);

// 1 when the game has a location at that index.
int LocationExists(int index);
// The location at that index, or null when there is none.
Ref<QuestSpot> SpotAt(int index);

// The locations after and before spot in QuestSpots, null past the ends.
Ref<QuestSpot> NextQuestSpot(const Ref<QuestSpot>& spot);
Ref<QuestSpot> PreviousQuestSpot(const Ref<QuestSpot>& spot);

// No locations (start-up state).
void ResetQuestSpots();

} // namespace wispwood
