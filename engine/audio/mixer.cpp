#include "engine/audio/mixer.h"
#include "engine/audio/ogg_stream.h"
#include "engine/input/clock.h"
#include <algorithm>
#include <cmath>
#include <cstring>

namespace wispwood {

struct TMixPcm {
    std::vector<int16_t> samples; // interleaved
    int channels = 1;
    int frames = 0;
    int hertz = 0;
    bool loop = false;
    Ref<const TOggRecording> streamed; // instead of samples: decoded as it plays
};

// Everything the mixing thread reads; changed only under the mixer's lock.
struct TMixVoice {
    Ref<const TMixPcm> pcm;
    Ref<TOggDecoder> decoder; // for a streamed recording
    uint64_t position = 0;    // frames, 32.32 fixed point
    uint64_t step = 0;        // position advance per output frame
    float volume = 1;
    float pan = 0;
    float rate = 1;
    float depth = 0;
    float left = 1; // gains
    float right = 1;
    bool paused = false;
    bool playing = false;
    bool listed = false; // in the mixer's active list
};

namespace {

constexpr int MinimumFrequency = 100;
constexpr int MaximumFrequency = 200000;

void UpdateGains(TMixVoice& v) {
    float gain = AttenuationGain(VolumeToAttenuation(v.volume));
    int balance = PanToBalance(v.pan);
    v.left = gain * (balance > 0 ? AttenuationGain(-balance) : 1.0f);
    v.right = gain * (balance < 0 ? AttenuationGain(balance) : 1.0f);
}

void UpdateStep(TMixVoice& v, int outputHertz) {
    if (!v.pcm) return;
    uint64_t frequency = static_cast<uint64_t>(PlaybackFrequency(v.rate, v.pcm->hertz));
    v.step = (frequency << 32) / static_cast<uint64_t>(outputHertz);
}

// Moves the position on; false when a recording that does not loop ended.
bool Advance(TMixVoice& v, uint64_t by) {
    const uint64_t end = static_cast<uint64_t>(v.pcm->frames) << 32;
    if (v.pcm->loop && end > 0) {
        v.position = static_cast<uint64_t>((static_cast<unsigned __int128>(v.position) + by) % end);
        return true;
    }
    if (end == 0 || v.position >= end || by >= end - v.position) {
        v.position = end;
        return false;
    }
    v.position += by;
    return true;
}

// Adds one voice into the stereo accumulator; false when it ended.
template <int Channels>
bool MixVoice(TMixVoice& v, float* acc, int frames) {
    const TMixPcm& pcm = *v.pcm;
    const int16_t* s = pcm.samples.data();
    const uint32_t count = static_cast<uint32_t>(pcm.frames);
    const uint64_t end = static_cast<uint64_t>(count) << 32;
    uint64_t pos = v.position;
    for (int i = 0; i < frames; ++i) {
        if (pos >= end) {
            if (!pcm.loop || end == 0) {
                v.position = end;
                return false;
            }
            pos %= end;
        }
        uint32_t at = static_cast<uint32_t>(pos >> 32);
        float frac = static_cast<float>(pos & 0xffffffffu) * (1.0f / 4294967296.0f);
        uint32_t next = at + 1 < count ? at + 1 : pcm.loop ? 0 : at;
        if constexpr (Channels == 1) {
            float a = s[at];
            float value = a + (s[next] - a) * frac;
            acc[2 * i] += value * v.left;
            acc[2 * i + 1] += value * v.right;
        } else {
            float l = s[2 * at], r = s[2 * at + 1];
            acc[2 * i] += (l + (s[2 * next] - l) * frac) * v.left;
            acc[2 * i + 1] += (r + (s[2 * next + 1] - r) * frac) * v.right;
        }
        pos += v.step;
    }
    v.position = pos;
    if (pos >= end && (!pcm.loop || end == 0)) {
        v.position = end;
        return false;
    }
    return true;
}

// At or past the recording's end (32.32 fixed point), a looping voice goes
// round and any other one ends there; false when it has ended.
bool WrapAtEnd(TMixVoice& v, uint64_t& pos, uint64_t end) {
    if (pos < end) return true;
    if (!v.pcm->loop || end == 0) {
        v.position = end;
        return false;
    }
    pos %= end;
    return true;
}

// A streamed recording mixes in blocks, each from a window of decoded frames
// just long enough for it (the rate decides how long).
template <int Channels>
bool MixStreamed(TMixVoice& v, float* acc, int frames) {
    const TMixPcm& pcm = *v.pcm;
    const uint64_t end = static_cast<uint64_t>(pcm.frames) << 32;
    constexpr int Block = 512;
    uint64_t pos = v.position;
    for (int done = 0; done < frames;) {
        if (!WrapAtEnd(v, pos, end)) return false;
        const int n = std::min(frames - done, Block);
        const uint32_t first = static_cast<uint32_t>(pos >> 32);
        uint64_t local = pos & 0xffffffffu;
        const uint64_t wanted = ((local + static_cast<uint64_t>(n - 1) * v.step) >> 32) + 2;
        uint32_t got = 0;
        const int16_t* s = v.decoder->Window(first, static_cast<uint32_t>(wanted), pcm.loop, &got);
        int i = 0;
        for (; i < n; ++i) {
            uint32_t at = static_cast<uint32_t>(local >> 32);
            if (at >= got) break;
            float frac = static_cast<float>(local & 0xffffffffu) * (1.0f / 4294967296.0f);
            uint32_t next = at + 1 < got ? at + 1 : at;
            float* out = acc + 2 * (done + i);
            if constexpr (Channels == 1) {
                float a = s[at];
                float value = a + (s[next] - a) * frac;
                out[0] += value * v.left;
                out[1] += value * v.right;
            } else {
                float l = s[2 * at], r = s[2 * at + 1];
                out[0] += (l + (s[2 * next] - l) * frac) * v.left;
                out[1] += (r + (s[2 * next + 1] - r) * frac) * v.right;
            }
            local += v.step;
        }
        pos = (static_cast<uint64_t>(first) << 32) + local;
        done += i;
        if (i < n) {
            // Only a recording that does not loop runs out of window.
            v.position = end;
            return false;
        }
    }
    if (!WrapAtEnd(v, pos, end)) return false;
    v.position = pos;
    return true;
}

} // namespace

int VolumeToAttenuation(float volume) {
    double v = std::clamp<double>(std::isnan(volume) ? 0.0 : volume, 0.0, 1.0);
    return static_cast<int>(std::trunc((1.0 - std::pow(v, 0.1)) * -10000.0));
}

int PanToBalance(float pan) {
    double p = std::clamp<double>(std::isnan(pan) ? 0.0 : pan, -1.0, 1.0);
    return static_cast<int>(std::trunc(p * 10000.0));
}

float AttenuationGain(int hundredthsOfDecibel) {
    if (hundredthsOfDecibel <= -10000) return 0.0f;
    return static_cast<float>(std::pow(10.0, hundredthsOfDecibel / 2000.0));
}

int PlaybackFrequency(float rate, int hertz) {
    double f = std::trunc(static_cast<double>(rate) * hertz);
    if (!(f >= MinimumFrequency)) return MinimumFrequency; // also NaN
    return f > MaximumFrequency ? MaximumFrequency : static_cast<int>(f);
}

class TMixChannel : public TChannel {
  public:
    explicit TMixChannel(Ref<TMixer> mixer) : mixer_(std::move(mixer)), voice_(New<TMixVoice>()) {}

    void Stop() override {
        Ref<TOggDecoder> decoder;
        auto lock = mixer_->Acquire();
        voice_->playing = false;
        voice_->pcm = nullptr;
        decoder.swap(voice_->decoder); // closed after the lock is let go
    }
    void SetPaused(int paused) override {
        auto lock = mixer_->Acquire();
        voice_->paused = paused != 0;
    }
    void SetVolume(float volume) override {
        auto lock = mixer_->Acquire();
        voice_->volume = volume;
        UpdateGains(*voice_);
    }
    void SetPan(float pan) override {
        auto lock = mixer_->Acquire();
        voice_->pan = pan;
        UpdateGains(*voice_);
    }
    // A stereo output has no depth; the value is kept for a back end that
    // places sounds in space.
    void SetDepth(float depth) override {
        auto lock = mixer_->Acquire();
        voice_->depth = depth;
    }
    void SetRate(float rate) override {
        auto lock = mixer_->Acquire();
        voice_->rate = rate;
        UpdateStep(*voice_, mixer_->OutputHertz());
    }
    int Playing() override {
        auto lock = mixer_->Acquire();
        return voice_->playing ? 1 : 0;
    }

    const Ref<TMixer>& Mixer() const { return mixer_; }
    const Ref<TMixVoice>& Voice() const { return voice_; }

  private:
    Ref<TMixer> mixer_;
    Ref<TMixVoice> voice_;
};

class TMixSound : public TSound {
  public:
    TMixSound(Ref<TMixer> mixer, Ref<const TMixPcm> pcm) : mixer_(std::move(mixer)), pcm_(std::move(pcm)) {}

    Ref<TChannel> Play(Ref<TChannel> channel) override {
        Ref<TChannel> cued = Cue(std::move(channel));
        cued->SetPaused(0);
        return cued;
    }

    Ref<TChannel> Cue(Ref<TChannel> channel) override {
        auto own = Cast<TMixChannel>(channel);
        // A channel of another mixer cannot carry this recording.
        if (!own || own->Mixer() != mixer_) own = New<TMixChannel>(mixer_);
        // The decoder reads the file's headers: done before the mixing
        // thread has to wait for the lock.
        Ref<TOggDecoder> decoder = pcm_->streamed ? New<TOggDecoder>(pcm_->streamed) : nullptr;
        mixer_->Cue(own->Voice(), pcm_, std::move(decoder));
        return own;
    }

  private:
    Ref<TMixer> mixer_;
    Ref<const TMixPcm> pcm_;
};

TMixer::TMixer(int outputHertz) : outputHertz_(outputHertz > 0 ? outputHertz : 44100) {}

TMixer::~TMixer() = default;

Ref<TSound> TMixer::CreateSound(const Ref<TAudioSample>& sample, int flags) {
    if (!sample || sample->Channels() == 0 || sample->length < 0 || (sample->length > 0 && !sample->samples))
        return nullptr;
    auto pcm = New<TMixPcm>();
    pcm->channels = sample->Channels();
    pcm->frames = sample->length;
    pcm->hertz = sample->hertz > 0 ? sample->hertz : outputHertz_;
    pcm->loop = (flags & SoundFlagLoop) != 0;
    size_t count = static_cast<size_t>(pcm->frames) * pcm->channels;
    pcm->samples.resize(count);
    if (sample->format == SampleFormatMono16 || sample->format == SampleFormatStereo16) {
        if (count > 0) std::memcpy(pcm->samples.data(), sample->samples, count * 2);
    } else {
        for (size_t i = 0; i < count; ++i)
            pcm->samples[i] = static_cast<int16_t>((sample->samples[i] - 128) << 8);
    }
    return New<TMixSound>(shared_from_this(), std::move(pcm));
}

Ref<TSound> TMixer::CreateStreamedSound(const Ref<const TOggRecording>& recording, int flags) {
    if (!recording || recording->frames <= 0 || (recording->channels != 1 && recording->channels != 2))
        return nullptr;
    auto pcm = New<TMixPcm>();
    pcm->channels = recording->channels;
    pcm->frames = recording->frames;
    pcm->hertz = recording->hertz > 0 ? recording->hertz : outputHertz_;
    pcm->loop = (flags & SoundFlagLoop) != 0;
    pcm->streamed = recording;
    return New<TMixSound>(shared_from_this(), std::move(pcm));
}

Ref<TChannel> TMixer::AllocChannel() {
    return New<TMixChannel>(shared_from_this());
}

std::unique_lock<std::mutex> TMixer::Acquire() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!followClock_ && deviceAlive_ && !deviceAlive_()) {
        followClock_ = true;
        lastClock_ = Milliseconds();
        clockRemainder_ = 0;
    }
    if (followClock_) CatchUpWithClock();
    return lock;
}

void TMixer::Cue(const Ref<TMixVoice>& voice, const Ref<const TMixPcm>& pcm, Ref<TOggDecoder> decoder) {
    auto lock = Acquire();
    TMixVoice& v = *voice;
    v.pcm = pcm;
    decoder.swap(v.decoder); // the old one is closed after the lock is let go
    v.position = 0;
    v.paused = true;
    v.playing = !closed_;
    UpdateGains(v);
    UpdateStep(v, outputHertz_);
    if (v.playing && !v.listed) {
        v.listed = true;
        active_.push_back(voice);
    }
}

void TMixer::Prune() {
    std::erase_if(active_, [](const Ref<TMixVoice>& v) {
        if (v->playing) return false;
        v->listed = false;
        return true;
    });
}

void TMixer::Mix(int16_t* out, int frames) {
    if (frames <= 0) return;
    std::lock_guard<std::mutex> lock(mutex_);
    accumulator_.assign(static_cast<size_t>(frames) * 2, 0.0f);
    float* acc = accumulator_.data();
    for (const Ref<TMixVoice>& voice : active_) {
        TMixVoice& v = *voice;
        if (!v.playing || v.paused) continue;
        bool going =
            v.decoder
                ? (v.pcm->channels == 1 ? MixStreamed<1>(v, acc, frames) : MixStreamed<2>(v, acc, frames))
                : (v.pcm->channels == 1 ? MixVoice<1>(v, acc, frames) : MixVoice<2>(v, acc, frames));
        if (!going) v.playing = false;
    }
    Prune();
    for (int i = 0; i < frames * 2; ++i) {
        float s = std::nearbyint(acc[i]);
        out[i] = static_cast<int16_t>(s > 32767.0f ? 32767 : s < -32768.0f ? -32768 : s);
    }
}

void TMixer::Skip(int64_t frames) {
    std::lock_guard<std::mutex> lock(mutex_);
    SkipLocked(frames);
}

void TMixer::SkipLocked(int64_t frames) {
    if (frames <= 0) return;
    for (const Ref<TMixVoice>& voice : active_) {
        TMixVoice& v = *voice;
        if (!v.playing || v.paused) continue;
        unsigned __int128 by = static_cast<unsigned __int128>(v.step) * static_cast<uint64_t>(frames);
        uint64_t capped = by > UINT64_MAX ? UINT64_MAX : static_cast<uint64_t>(by);
        if (v.pcm->loop && by > UINT64_MAX) {
            const unsigned __int128 end = static_cast<unsigned __int128>(v.pcm->frames) << 32;
            capped = static_cast<uint64_t>(by % end);
        }
        if (!Advance(v, capped)) v.playing = false;
    }
    Prune();
}

void TMixer::CatchUpWithClock() {
    int now = Milliseconds();
    int64_t elapsed = ElapsedMilliseconds(lastClock_, now);
    lastClock_ = now;
    if (elapsed <= 0) return;
    int64_t frameMs = elapsed * outputHertz_ + clockRemainder_;
    clockRemainder_ = frameMs % 1000;
    SkipLocked(frameMs / 1000);
}

void TMixer::FollowClock(bool follow) {
    std::lock_guard<std::mutex> lock(mutex_);
    followClock_ = follow;
    lastClock_ = Milliseconds();
    clockRemainder_ = 0;
}

void TMixer::SetDeviceCheck(std::function<bool()> deviceAlive) {
    std::lock_guard<std::mutex> lock(mutex_);
    deviceAlive_ = std::move(deviceAlive);
}

void TMixer::Close() {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    for (const Ref<TMixVoice>& v : active_) {
        v->playing = false;
        v->listed = false;
    }
    active_.clear();
}

int TMixer::ActiveVoices() {
    auto lock = Acquire();
    return static_cast<int>(
        std::count_if(active_.begin(), active_.end(), [](const Ref<TMixVoice>& v) { return v->playing; }));
}

} // namespace wispwood
