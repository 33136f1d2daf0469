#pragma once
// The game's sound effects, jingles and music, loaded by the loading
// screen's steps and at start-up. Game code names a sound by its file path
// and gets the object loaded for it with GameSound.
#include "framework/sound/music_scene.h"
#include <array>

namespace wispwood {

extern std::array<Ref<Sound>, 4> GameMusicTracks;
extern Ref<Sound> MenuMusic;
extern Ref<MusicScene> MenuMusicScene;
extern Ref<MusicScene> GameMusicScene;

// One recording; a file that cannot be loaded gives the silent sound (its
// name printed after "Music not found: "), so a missing recording never
// ends a player's session.
Ref<Sound> LoadGameSound(const Text& path, int flags = 0, int music = 0);
// A jingle; stopsMusic ducks the music while it plays.
Ref<Sound> LoadJingle(const Text& path, int stopsMusic);

// Loading-screen steps.
void LoadEffectsA();
void LoadEffectsB();
void LoadEffectsAndJingles();
void LoadGameTrack0();
void LoadGameTrack1();
void LoadGameTrack2();
void LoadGameTrack3();
void CreateGameMusicScene();
// Start-up: the menu track and its music scene.
void CreateMenuMusic();

// The sound loaded for the path (letter case and slashes do not matter);
// the silent sound when none was.
Ref<Sound> GameSound(const Text& path);

void ResetSoundTables();

} // namespace wispwood
