#include "tools/boardview/location_level.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/game_file.h"
#include "game/board/level.h"
#include "game/board/piece_definition.h"

namespace wispwood {

namespace {

// The first number of a comma-separated list ("11,5" is 11).
int First(const GameFile& file, const Text& key, int fallback) {
    if (!file.DataExists(key)) return fallback;
    Text value = file.GetData(key);
    int comma = FindText(value, ",");
    return TextToInt(comma > 0 ? LeftText(value, comma - 1) : value);
}

float FirstFloat(const GameFile& file, const Text& key, float fallback) {
    if (!file.DataExists(key)) return fallback;
    Text value = file.GetData(key);
    int comma = FindText(value, ",");
    return TextToFloat(comma > 0 ? LeftText(value, comma - 1) : value);
}

} // namespace

Ref<Level> LevelFromLocation(int location) {
    Ref<GameFile> file = GameFile::Create("media\\quest\\coords.txt");
    if (!file->Read()) return nullptr;
    Text section = "spot" + PadLeft(IntToText(location), 3);
    section = ReplaceText(section, " ", "0");
    if (!file->SetNode(section)) return nullptr;
    auto level = New<Level>();
    level->n = location;
    level->_Width = First(*file, "boardwidth", 10);
    level->Colors = {First(*file, "colors", 4)};
    level->_Quota = First(*file, "quota", 100);
    level->Time = First(*file, "time", 0);
    level->_Speed = FirstFloat(*file, "speed", 1);
    level->GroupFactor = FirstFloat(*file, "groupfactor", 0.5f);
    level->CreationOverride = First(*file, "modifier", 0);
    level->VineCreationOverride = First(*file, "vinemodifier", 0);
    level->BlockProducingVines = First(*file, "blockyvines", 0);
    level->GemFrequency = First(*file, "gemfrequency", 0);
    level->BombFrequency = First(*file, "bombfrequency", 0);
    level->DestroyVerticalFrequency = First(*file, "destroyverticalfrequency", 0);
    level->DestroyHorizontalFrequency = First(*file, "destroyhorizontalfrequency", 0);
    level->EarthquakeFrequency = First(*file, "earthquakefrequency", 0);
    level->StonePieceFrequency = First(*file, "stonepiecefrequency", 0);
    level->RainbowFrequency = First(*file, "rainbowfrequency", 0);
    level->PieceImages = StandardPieceImages;
    // Boards wider than twelve columns use the smaller pieces.
    level->PieceWidth = level->PieceHeight = level->_Width > 12 ? 40 : 48;
    return level;
}

} // namespace wispwood
