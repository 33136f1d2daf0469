#pragma once
// Music scenes: sets of playlists with slow cross-fades. One scene is
// current at a time; the others fade out. A copy of a scene fades out the
// old playlist when a scene switches to another one.
#include "framework/sound/sound.h"

namespace wispwood {

class MusicScene : public std::enable_shared_from_this<MusicScene> {
  public:
    std::vector<std::vector<Ref<Sound>>> Music; // playlists by MusicSet
    Ref<Sound> StartMusic;                      // played first, consumed when started
    Ref<Sound> StartMusicSound;                 // restored into StartMusic after a full fade
    int Current = 0;
    Ref<ActiveChannel> Channel; // the track now playing
    Ref<Sound> Playing;
    float OverallVolume = 1.0f;
    float NormalizeVolume = 1.0f;   // evens out recordings mastered louder
    int DontChangeWhilePlaying = 0; // 1: one track, drawn on activation, repeats
    int MusicSet = 0;
    int SceneValue = 0;
    float FadingProgress = 0;
    int Bastard = 0; // a fading copy; removes itself once silent
    float Rate = 0;

    virtual ~MusicScene() = default;
    virtual void SetStartMusic(const Ref<Sound>& sound);
    virtual void SetVolume(float v);
    // One step of the fade and, when the track ended, the next track.
    virtual void Update();
    // A different playlist: the old one fades out in a copy of the scene
    // while this scene fades in again from silence.
    virtual void SetMusicSet(int set);
    virtual void SetMusicRate(float rate);
    virtual Ref<MusicScene> CreateBastard();
};

extern TList<Ref<MusicScene>> MusicScenes;
extern Ref<MusicScene> PendingMusicScene;

// A new scene at the end of MusicScenes.
Ref<MusicScene> CreateMusicScene();
// The scene to make current at the end of the next UpdateSounds.
void RequestMusicScene(const Ref<MusicScene>& scene);
void ActivateMusicScene(const Ref<MusicScene>& scene);
// The per-update audio step: every music scene, every channel record and
// cue, then the requested scene switch.
void UpdateSounds();

void ResetMusicScenes();

} // namespace wispwood
