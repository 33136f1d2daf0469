#pragma once
// A software mixer: recordings are shared PCM, every channel is a voice
// with its own position, volume, pan and rate, and any number of voices may
// play the same recording at once. The output is interleaved stereo 16-bit
// at a fixed rate; recordings of other rates are resampled linearly.
//
// The mixer is pulled: an audio device's callback (the one other thread)
// asks it for the next frames, a test asks it directly, and without a device
// it can follow the clock instead, moving voices on by the time passed so
// that recordings still end when they would have.
#include "engine/audio/audio_driver.h"
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace wispwood {

// Volume 0-1 as the back end's attenuation in hundredths of a decibel:
// trunc((1 - v^0.1) x -10000); 0 is full level, -10000 silence.
int VolumeToAttenuation(float volume);
// Pan -1..1 as the back end's balance, trunc(p x 10000): a positive balance
// attenuates the left side by that many hundredths of a decibel, a negative
// one the right side.
int PanToBalance(float pan);
// The linear factor of an attenuation; exactly 0 at -10000 and below.
float AttenuationGain(int hundredthsOfDecibel);
// Samples per second of a recording played at a rate: trunc(rate x hertz),
// kept within 100 - 200000.
int PlaybackFrequency(float rate, int hertz);

struct TMixVoice;
struct TMixPcm;
class TOggRecording;
class TOggDecoder;

class TMixer : public std::enable_shared_from_this<TMixer> {
  public:
    explicit TMixer(int outputHertz = 44100);
    ~TMixer();

    int OutputHertz() const { return outputHertz_; }

    // Null for a sample of unknown format. Flag SoundFlagLoop repeats it.
    Ref<TSound> CreateSound(const Ref<TAudioSample>& sample, int flags);
    // Decoded as it plays, by each voice playing it.
    Ref<TSound> CreateStreamedSound(const Ref<const TOggRecording>& recording, int flags);
    Ref<TChannel> AllocChannel();

    // The next frames of every playing voice, summed and clipped.
    void Mix(int16_t* out, int frames);
    // Moves every playing voice on by frames without producing sound.
    void Skip(int64_t frames);
    // With a clock to follow, every channel call first skips the frames of
    // the time passed on the installed clock since the previous call.
    void FollowClock(bool follow);
    // Asked on every channel call while the mixer does not follow the clock:
    // once it answers false (the device that pulled the mix is gone) the
    // mixer follows the clock from then on.
    void SetDeviceCheck(std::function<bool()> deviceAlive);
    // Stops every voice for good: recordings cued later end at once.
    void Close();
    // Voices holding a recording that has not ended (paused ones included).
    int ActiveVoices();

  private:
    friend class TMixChannel;
    friend class TMixSound;

    // The lock every voice change holds, the clock caught up first.
    std::unique_lock<std::mutex> Acquire();
    void CatchUpWithClock();
    void SkipLocked(int64_t frames);
    void Cue(const Ref<TMixVoice>& voice, const Ref<const TMixPcm>& pcm, Ref<TOggDecoder> decoder);
    void Prune();

    const int outputHertz_;
    std::mutex mutex_;
    std::vector<Ref<TMixVoice>> active_;
    std::vector<float> accumulator_;
    bool closed_ = false;
    bool followClock_ = false;
    std::function<bool()> deviceAlive_;
    int lastClock_ = 0;
    int64_t clockRemainder_ = 0; // frame-milliseconds not yet turned into frames
};

} // namespace wispwood
