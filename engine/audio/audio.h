#pragma once
// The audio calls the game makes. One back end is current at a time; the
// first call that needs one starts the default output. Every channel call
// accepts null and then does nothing (queries return 0).
#include "engine/audio/audio_driver.h"
#include "engine/io/stream.h"

namespace wispwood {

// Shuts the current back end down and starts the one of that name (letter
// case ignored); 0 when no back end has the name, the current one then stays.
// "DirectSound", "SDL" and "Default" all name the platform's default output,
// which runs silent when no device opens; "Silent" never opens one.
int SetAudioDriver(const Text& name);
// The current back end, starting the default one when there is none.
Ref<TAudioDriver> CurrentAudioDriver();

// Decodes the file (WAV, then Ogg Vorbis) and prepares it for the back end;
// null when no decoder accepts it. Flag SoundFlagLoop repeats it; with
// SoundFlagStream an Ogg Vorbis file is kept compressed and decoded as it
// plays.
Ref<TSound> LoadSound(const Text& path, int flags);
Ref<TSound> LoadSound(const Ref<TStream>& stream, int flags);
Ref<TSound> LoadSound(const Ref<TAudioSample>& sample, int flags);

Ref<TChannel> AllocChannel();
// The sound paused at its start on the channel, or on a new channel when
// null; null when the sound is.
Ref<TChannel> PrepareSound(const Ref<TSound>& sound, const Ref<TChannel>& channel = nullptr);
// PrepareSound, then ResumeChannel.
Ref<TChannel> PlaySound(const Ref<TSound>& sound, const Ref<TChannel>& channel = nullptr);
void ResumeChannel(const Ref<TChannel>& channel);
void PauseChannel(const Ref<TChannel>& channel);
void StopChannel(const Ref<TChannel>& channel);
int ChannelPlaying(const Ref<TChannel>& channel);
void SetChannelVolume(const Ref<TChannel>& channel, float volume);
void SetChannelPan(const Ref<TChannel>& channel, float pan);
void SetChannelDepth(const Ref<TChannel>& channel, float depth);
void SetChannelRate(const Ref<TChannel>& channel, float rate);

// Shuts the back end down; the next call that needs one starts the default.
void ResetAudio();

} // namespace wispwood
