#pragma once
// The output back end's interface: recordings prepared for it (TSound) play
// on voices (TChannel). A channel holds one recording at a time; cueing a
// recording on a channel replaces whatever it held.
#include "engine/audio/audio_sample.h"
#include "engine/core/text.h"

namespace wispwood {

class TChannel {
  public:
    virtual ~TChannel() = default;
    virtual void Stop() = 0;
    virtual void SetPaused(int paused) = 0;
    // 0-1, heard with an attenuation of 100 x (1 - volume^0.1) dB.
    virtual void SetVolume(float volume) = 0;
    // -1 (left) to 1 (right).
    virtual void SetPan(float pan) = 0;
    virtual void SetDepth(float depth) = 0;
    // Playback speed relative to the recording's own rate.
    virtual void SetRate(float rate) = 0;
    // 1 from the cue until the recording ends or the channel is stopped,
    // paused or not.
    virtual int Playing() = 0;
};

class TSound {
  public:
    virtual ~TSound() = default;
    // Cue, then un-pause.
    virtual Ref<TChannel> Play(Ref<TChannel> channel) = 0;
    // Puts the recording on the channel (a new one when null) paused at its
    // start, with the channel's volume, pan and rate.
    virtual Ref<TChannel> Cue(Ref<TChannel> channel) = 0;
};

constexpr int SoundFlagLoop = 1;
// An Ogg Vorbis file stays compressed and is decoded as it plays (long
// recordings: music); any other file loads whole as without the flag.
constexpr int SoundFlagStream = 2;

class TOggRecording;

class TAudioDriver {
  public:
    virtual ~TAudioDriver() = default;
    virtual Text Name() = 0;
    // 1 when the back end is ready.
    virtual int Startup() = 0;
    virtual void Shutdown() = 0;
    virtual Ref<TSound> CreateSound(const Ref<TAudioSample>& sample, int flags) = 0;
    virtual Ref<TSound> CreateStreamedSound(const Ref<const TOggRecording>& recording, int flags) = 0;
    virtual Ref<TChannel> AllocChannel() = 0;
};

} // namespace wispwood
