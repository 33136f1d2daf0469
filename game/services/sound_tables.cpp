#include "game/services/sound_tables.h"
#include "engine/core/tmap.h"
#include "engine/io/path.h"
#include "engine/io/text_routines.h"
#include "framework/data/data_file_report.h"

namespace wispwood {

std::array<Ref<Sound>, 4> GameMusicTracks;
Ref<Sound> MenuMusic;
Ref<MusicScene> MenuMusicScene;
Ref<MusicScene> GameMusicScene;

namespace {

TMap<Text, Ref<Sound>> gSoundsByPath;

Text PathKey(const Text& path) {
    return LowerText(NormalisePath(path));
}

// Loader settings go on real sounds only: the silent sound is shared.
void SetMaxInstances(const Ref<Sound>& sound, int count) {
    if (!sound->Dummy) sound->MaxInstances = count;
}

void LoadEffects(std::initializer_list<const char*> paths) {
    for (const char* path : paths) LoadGameSound(path);
}

void LoadGameTrack(int i) {
    GameMusicTracks[i] = LoadGameSound("media\\music\\game" + std::to_string(i) + ".ogg", 0, 1);
}

} // namespace

Ref<Sound> LoadGameSound(const Text& path, int flags, int music) {
    Ref<Sound> sound = SoundWrapper::Load({path}, flags, music);
    if (sound->Dummy) {
        const Text problem = DataFileProblem(path);
        ReportDataFile(path, problem.empty() ? "is not a whole Ogg Vorbis or WAV sound" : problem,
                       music ? "the music stays silent" : "the sound stays silent");
    }
    gSoundsByPath[PathKey(path)] = sound;
    return sound;
}

Ref<Sound> LoadJingle(const Text& path, int stopsMusic) {
    Ref<Sound> sound = LoadGameSound(path, 0, 0);
    if (!sound->Dummy) {
        sound->Jingle = 1;
        sound->JingleStopMusic = stopsMusic;
    }
    return sound;
}

void LoadEffectsA() {
    LoadEffects({"media\\sound\\largecombo.ogg", "media\\sound\\cheif.ogg", "media\\sound\\vinegold.ogg",
                 "media\\sound\\powerupsound.ogg", "media\\sound\\staff.ogg",
                 "media\\sound\\silverreveal.ogg", "media\\sound\\goldreveal.ogg",
                 "media\\sound\\fairyreleased.ogg", "media\\sound\\vineactivate.ogg",
                 "media\\sound\\flowerpop.ogg", "media\\sound\\gemreleased.ogg", "media\\sound\\gemflip.ogg",
                 "media\\sound\\vineblow.ogg", "media\\sound\\timetick.ogg", "media\\sound\\timedone.ogg",
                 "media\\sound\\textwhoosh.ogg", "media\\sound\\confettishoot.ogg",
                 "media\\sound\\confettiboom.ogg"});
}

void LoadEffectsB() {
    // Pieces landing together must not pile up into one loud crash.
    SetMaxInstances(LoadGameSound("media\\sound\\piecehitpiece.ogg"), 3);
    SetMaxInstances(LoadGameSound("media\\sound\\piecehitground.ogg"), 3);
    LoadEffects({"media\\sound\\gold-row.ogg", "media\\sound\\tileclick.ogg", "media\\sound\\tilematch.ogg",
                 "media\\sound\\tileexplode.ogg", "media\\sound\\pointsappear.ogg",
                 "media\\sound\\tileflip.ogg", "media\\sound\\bonusflip.ogg", "media\\sound\\bonusreveal.ogg",
                 "media\\sound\\bonuscorrect.ogg", "media\\sound\\mistake.ogg"});
}

void LoadEffectsAndJingles() {
    LoadEffects({"media\\sound\\rowcreate.ogg", "media\\sound\\scoremagicstart.ogg",
                 "media\\sound\\scoremagicdone.ogg"});
    const std::pair<const char*, int> jingles[] = {
        {"media\\jingles\\levelcomplete.ogg", 1},
        {"media\\jingles\\outoftime.ogg", 1},
        {"media\\jingles\\gameover.ogg", 1},
        {"media\\jingles\\bonusgameperfect.ogg", 0},
        {"media\\jingles\\bonusgamenotperfect.ogg", 0},
        {"media\\jingles\\startgame.ogg", 0},
        {"media\\jingles\\magicalreveal.ogg", 1},
        {"media\\jingles\\exitplayinggame.ogg", 1},
        {"media\\jingles\\exitgametotally.ogg", 0},
        {"media\\jingles\\gethighscore.ogg", 1},
        {"media\\jingles\\questcompleted.ogg", 1},
        {"media\\jingles\\medalawarded.ogg", 0},
    };
    for (const auto& [path, stopsMusic] : jingles) LoadJingle(path, stopsMusic);
    LoadGameSound("media\\sound\\earthquake.ogg");
}

void LoadGameTrack0() {
    LoadGameTrack(0);
}
void LoadGameTrack1() {
    LoadGameTrack(1);
}
void LoadGameTrack2() {
    LoadGameTrack(2);
}
void LoadGameTrack3() {
    LoadGameTrack(3);
}

void CreateGameMusicScene() {
    GameMusicScene = CreateMusicScene();
    std::vector<Ref<Sound>> playlist;
    for (const Ref<Sound>& track : GameMusicTracks) playlist.push_back(track ? track : SilentSound);
    GameMusicScene->Music = {playlist};
    GameMusicScene->SceneValue = 1;
    GameMusicScene->DontChangeWhilePlaying = 1;
}

void CreateMenuMusic() {
    MenuMusic = LoadGameSound("media\\music\\menu.ogg", 0, 1);
    MenuMusicScene = CreateMusicScene();
    MenuMusicScene->Music = {{MenuMusic}};
    // The menu track plays at a third of a game track's volume.
    MenuMusicScene->NormalizeVolume = 0.33f;
    MenuMusicScene->SceneValue = 2;
}

Ref<Sound> GameSound(const Text& path) {
    auto found = gSoundsByPath.find(PathKey(path));
    return found != gSoundsByPath.end() && found->second ? found->second : SilentSound;
}

void ResetSoundTables() {
    gSoundsByPath.clear();
    GameMusicTracks = {};
    MenuMusic = nullptr;
    MenuMusicScene = GameMusicScene = nullptr;
}

} // namespace wispwood
