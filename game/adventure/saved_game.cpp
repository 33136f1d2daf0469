#include "game/adventure/saved_game.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/section_file.h"
#include "framework/data/split_string.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/spot_levels.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/game_score.h"
#include "game/board/level.h"
#include "game/board/level_set.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_factory.h"
#include "game/board/quota.h"
#include "game/board/scroll.h"
#include "game/board/time_limit.h"
#include "game/level/level_end.h"
#include "game/level/level_start.h"
#include "game/services/profiles.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

// The bounds a value read back must keep, so that an edited or damaged
// file cannot stall the level or overflow a count. The game itself never
// comes near them.
constexpr int kMostScore = 999999999;
constexpr int kMostLives = 999;
constexpr int kMostShine = 100;   // a restored piece fades in from 50
constexpr float kTopSpeed = 4.0f; // above the braking curve's top for any board
constexpr int kMostSequenceTicks = 100000;

Text Entry(const Piece& p) {
    return p.Name + "," + IntToText(p.x) + "," + IntToText(p.y) + "," + IntToText(p.Color) + "," +
           IntToText(p.CreationShine);
}

// The value of a key in a section, or nothing when either is absent.
bool Value(const GameFile& file, const char* section, const char* key, Text& value) {
    auto node = file.Nodes().LookUp(section);
    if (!node || !node->DataExists(key)) return false;
    value = node->GetData(key);
    return true;
}

bool IntValue(const GameFile& file, const char* section, const char* key, int& value) {
    Text text;
    if (!Value(file, section, key, text)) return false;
    value = TextToInt(text);
    return true;
}

void RestorePiece(const Text& entry) {
    TextArray parts = SplitString(entry, ",");
    if (parts.size() != 5) return;
    int colour = TextToInt(parts[3]);
    // The colour indexes the colour tables for every kind, not just the
    // standard pieces.
    if (colour < 0 || colour >= kStandardColourCount) return;
    // A shine that never runs down would hold the board still for ever.
    CreatePieceByName(TrimText(parts[0]), TextToInt(parts[1]), TextToInt(parts[2]), colour,
                      std::clamp(TextToInt(parts[4]), 0, kMostShine));
}

} // namespace

int SaveGame(const Text& path) {
    auto file = GameFile::Create(path);
    file->SetNode("player");
    file->AddData("score", IntToText(GameScore));
    file->AddData("lives", IntToText(CurrentProfile ? CurrentProfile->Lives : 0));
    file->SetNode("board");
    file->AddData("y", FloatToText(ScrollOffset));
    file->AddData("currentspeed", FloatToText(CurrentSpeed));
    file->SetNode("pieces");
    int n = 0;
    for (int x = 0; x < BoardWidth; ++x)
        for (int y = 0; y < BoardHeight; ++y)
            if (Ref<Piece> p = Board(x, y)) file->AddData("piece" + IntToText(++n), Entry(*p));
    file->SetNode("bonuspieces");
    file->SetNode("game");
    file->AddData("pops", IntToText(QuotaCollected));
    file->AddData("level", IntToText(CurrentLevelIndex));
    file->AddData("temple", IntToText(CurrentSpotIndex));
    // Without it a resumed level would start its clock again.
    file->AddData("timeleft", IntToText(TimeLeft));
    // The level goes on in the mode it started in, whatever the player's
    // choice is when it is resumed.
    file->AddData("relaxed", RelaxedLevel ? "1" : "0");
    file->SetNode("level");
    file->AddData("firststonewall", IntToText(CurrentLevel ? CurrentLevel->FirstStoneWall : 0));
    file->AddData("newpiecestonewall", IntToText(CurrentLevel ? CurrentLevel->NewPieceStoneWall : 0));
    if (GameOverSequence) {
        file->SetNode("gameover");
        file->AddData("ticks", IntToText(GameOverSequence->Ticks));
    }
    if (SuccessSequence) {
        file->SetNode("gamesuccess");
        file->AddData("ticks", IntToText(SuccessSequence->Ticks));
        file->AddData("tryagain", IntToText(SuccessSequence->TryAgain));
    }
    return file->Write();
}

SavedGameLoad LoadGame(const Text& path) {
    auto file = GameFile::Create(path);
    if (!file->Read()) return SavedGameLoad::Unreadable;
    // The level comes first: a file naming a location or level the game does
    // not have is refused before anything changes.
    int location = CurrentSpotIndex, level = CurrentLevelIndex;
    IntValue(*file, "game", "temple", location);
    IntValue(*file, "game", "level", level);
    if (!LocationExists(location)) return SavedGameLoad::Unreadable;
    Ref<LevelSet> before = CurrentLevelSet;
    LoadSpotLevels(location);
    if (!CurrentLevelSet || level < 0 || level >= static_cast<int>(CurrentLevelSet->Levels.size())) {
        CurrentLevelSet = before;
        return SavedGameLoad::Unreadable;
    }
    // A game saved before relaxed play existed was timed.
    int relaxed = 0;
    IntValue(*file, "game", "relaxed", relaxed);
    TakeLevelMode(relaxed != 0);
    ResumeLevel(level);
    CurrentSpotIndex = location;

    int score = 0;
    if (IntValue(*file, "player", "score", score))
        DisplayedScore = GameScore = std::clamp(score, 0, kMostScore);
    int lives = 0;
    if (CurrentProfile && IntValue(*file, "player", "lives", lives) && lives >= 0)
        CurrentProfile->Lives = std::min(lives, kMostLives);
    Text number;
    if (Value(*file, "board", "y", number)) {
        float y = TextToFloat(number);
        if (std::isfinite(y)) ScrollOffset = std::clamp(y, 0.0f, static_cast<float>(CellHeight));
    }
    // Too fast a speed would push a row in on every update.
    if (Value(*file, "board", "currentspeed", number) && std::isfinite(TextToFloat(number)))
        CurrentSpeed = std::clamp(TextToFloat(number), 0.0f, kTopSpeed);
    int pops = 0;
    if (IntValue(*file, "game", "pops", pops)) QuotaCollected = std::clamp(pops, 0, CurrentLevel->Quota());
    int timeLeft = 0;
    if (IntValue(*file, "game", "timeleft", timeLeft) && IsTimed())
        TimeLeft = std::clamp(timeLeft, 0, LevelTime);
    SnapBoardFrame();
    SetQuotaDisplay();

    if (auto pieces = file->Nodes().LookUp("pieces"))
        for (const auto& entry : pieces->Data.ObjectEnumerator()) RestorePiece(entry->Data);
    int flag = 0;
    if (IntValue(*file, "level", "firststonewall", flag)) CurrentLevel->FirstStoneWall = flag != 0;
    if (IntValue(*file, "level", "newpiecestonewall", flag)) CurrentLevel->NewPieceStoneWall = flag != 0;
    // A sequence's ticks count up from 0; one set far back would hold the
    // level at its end for hours.
    auto ticks = [&](const char* section, int& into) {
        int value = 0;
        if (IntValue(*file, section, "ticks", value)) into = std::clamp(value, 0, kMostSequenceTicks);
    };
    bool ending = false;
    if (file->Nodes().LookUp("gamesuccess")) {
        SuccessSequence = New<GameSuccess>();
        ticks("gamesuccess", SuccessSequence->Ticks);
        if (IntValue(*file, "gamesuccess", "tryagain", flag)) SuccessSequence->TryAgain = flag != 0;
        ending = true;
    }
    if (file->Nodes().LookUp("gameover")) {
        GameOverSequence = New<GameOver>();
        ticks("gameover", GameOverSequence->Ticks);
        ending = true;
    }
    return ending ? SavedGameLoad::ResumedInEnding : SavedGameLoad::Resumed;
}

} // namespace wispwood
