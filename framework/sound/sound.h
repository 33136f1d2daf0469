#pragma once
// The game's sounds on top of the engine's: each Sound knows its category
// (effect, voice-over, jingle, music), its own volume, how many copies may
// play at once and several interchangeable recordings of which one is
// picked at random per play. Every playing copy is tracked by an
// ActiveChannel so that volume changes reach it and finished copies are
// forgotten.
#include "engine/audio/audio_driver.h"
#include "engine/core/tlist.h"
#include "engine/io/random.h"
#include <memory>
#include <vector>

namespace wispwood {

class ActiveChannel;

class Sound : public std::enable_shared_from_this<Sound> {
  public:
    int Dummy = 0;                   // the shared silent sound: every operation does nothing
    int MaxInstances = -1;           // -1: any number of copies at once
    std::vector<Ref<TSound>> Handle; // the interchangeable recordings
    Ref<TChannel> Channel;           // for plays on the sound's own channel
    float Volume = 1.0f;
    int Scenes = -1;      // scene groups in which the sound may keep playing
    float GameVolume = 0; // the category volume captured at each play
    float OverallVolume = 1.0f;
    int VoiceOver = 0;
    int Jingle = 0;
    int JingleStopMusic = 0; // the music ducks while this plays
    int Music = 0;

    virtual ~Sound() = default;
    // A random recording on the sound's own channel (ownChannel 1, stopping
    // what it played) or on a fresh one. Null for the silent sound and when
    // MaxInstances copies already play.
    virtual Ref<ActiveChannel> Play(int ownChannel = 0);
    // Plays on a fresh channel after the given number of updates.
    virtual void PlayIn(int updates);
    // 1 while the own channel plays.
    virtual int Playing();
    virtual void Stop();
    virtual void SetVolume(float v);
};

class SoundWrapper {
  public:
    // Every name loaded (a name that fails is tried again with ".ogg"
    // replaced by ".wav"); when any recording is missing the names are
    // printed after "Music not found: " and SilentSound is returned.
    static Ref<Sound> Load(const TextArray& names, int flags = 0, int music = 0);
    static void Init();
    // The music duck: down while a jingle that stops music plays, else
    // slowly back up.
    static void Update();
};

// One playing copy of a sound.
class ActiveChannel : public std::enable_shared_from_this<ActiveChannel> {
  public:
    Ref<TChannel> Handle;
    Ref<Sound> BaseSound;
    float Volume = 0;     // the sound's volume when it started
    float FadeOut = 1.0f; // falls while the copy fades out of a scene

    virtual ~ActiveChannel() = default;
    // A record appended to ActiveChannels.
    static Ref<ActiveChannel> Create(const Ref<TChannel>& channel, const Ref<Sound>& sound, float volume);
    virtual void Stop();
    virtual int PLaying();
    virtual void SetVolume(float v);
    virtual void SetRate(float rate);
    // Re-applies the volume and forgets a finished copy; with a scene mask
    // that shares no bit with the sound's Scenes, fades the copy out.
    virtual void Update(int sceneMask);
    virtual void UpdateVolume();
    // The engine volume: FadeOut x the sound's Volume, GameVolume and
    // OverallVolume.
    float ChannelVolume() const;

    // Every record's Update(0), then the cued sounds.
    static void UpdateAll();
};

class CuedSound {
  public:
    Ref<Sound> s;
    int time = 0; // updates left; plays when it falls below 0
};

extern float EffectsVolume;
extern float MusicVolume;
extern float VoiceVolume;
extern float MusicDuck;
extern Ref<Sound> SilentSound;
extern TList<Ref<Sound>> AllSounds;
extern TList<Ref<ActiveChannel>> ActiveChannels;
extern TList<Ref<CuedSound>> CuedSounds;
// Which recording of a sound plays and which track comes next: draws that
// follow the sound card (whether a sound still plays decides whether the
// next one is made at all), so they stay out of the game's generator.
extern TRandom SoundChoices;

// The music volume now heard: 0 while the window is inactive, else the
// duck times the music setting.
float CurrentMusicVolume();
// The volume of the sound's category.
float CategoryVolume(const Sound& sound);
// The category volume into every playing sound and its channel.
void RefreshSoundVolumes();
void ApplyEffectsVolume(float v);
void ApplyMusicVolume(float v);
void ApplyVoiceVolume(float v);

// Forgets every sound, channel record, cue and music scene and restores
// the start-up volumes (tests).
void ResetSoundManager();

} // namespace wispwood
