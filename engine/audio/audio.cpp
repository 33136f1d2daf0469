#include "engine/audio/audio.h"
#include "engine/audio/ogg_stream.h"
#include "engine/io/file_stream.h"
#include "engine/audio/sample_loaders.h"
#include "engine/audio/sdl_audio_driver.h"
#include "engine/io/text_routines.h"

namespace wispwood {
namespace {

Ref<TAudioDriver>& Current() {
    static Ref<TAudioDriver> driver;
    return driver;
}

// The back end a name selects, not yet started; null for an unknown name.
Ref<TAudioDriver> DriverNamed(const Text& name) {
    Text lower = LowerText(name);
    if (lower == "directsound" || lower == "sdl" || lower == "default")
        return New<TSDLAudioDriver>(name, false);
    if (lower == "silent") return New<TSDLAudioDriver>(name, true);
    return nullptr;
}

} // namespace

int SetAudioDriver(const Text& name) {
    Ref<TAudioDriver> next = DriverNamed(name);
    if (!next) return 0;
    if (Current()) Current()->Shutdown();
    Current() = nullptr;
    if (!next->Startup()) return 0;
    Current() = next;
    return 1;
}

Ref<TAudioDriver> CurrentAudioDriver() {
    if (!Current()) SetAudioDriver("Default");
    return Current();
}

Ref<TSound> LoadSound(const Ref<TAudioSample>& sample, int flags) {
    if (!sample) return nullptr;
    Ref<TAudioDriver> driver = CurrentAudioDriver();
    return driver ? driver->CreateSound(sample, flags) : nullptr;
}

Ref<TSound> LoadSound(const Text& path, int flags) {
    if (!(flags & SoundFlagStream)) return LoadSound(LoadAudioSample(path), flags);
    Ref<TStream> stream = ReadFile(path);
    Ref<TSound> sound = LoadSound(stream, flags);
    if (stream) stream->Close();
    return sound;
}

Ref<TSound> LoadSound(const Ref<TStream>& stream, int flags) {
    if (!stream || !(flags & SoundFlagStream)) return LoadSound(LoadAudioSample(stream), flags);
    flags &= ~SoundFlagStream;
    int64_t start = stream->Pos();
    if (Ref<const TOggRecording> recording = TOggRecording::Load(*stream)) {
        Ref<TAudioDriver> driver = CurrentAudioDriver();
        return driver ? driver->CreateStreamedSound(recording, flags) : nullptr;
    }
    if (start < 0 || stream->Seek(start) != start) return nullptr;
    return LoadSound(LoadAudioSample(stream), flags);
}

Ref<TChannel> AllocChannel() {
    Ref<TAudioDriver> driver = CurrentAudioDriver();
    return driver ? driver->AllocChannel() : nullptr;
}

Ref<TChannel> PrepareSound(const Ref<TSound>& sound, const Ref<TChannel>& channel) {
    return sound ? sound->Cue(channel) : nullptr;
}

Ref<TChannel> PlaySound(const Ref<TSound>& sound, const Ref<TChannel>& channel) {
    return sound ? sound->Play(channel) : nullptr;
}

void ResumeChannel(const Ref<TChannel>& channel) {
    if (channel) channel->SetPaused(0);
}

void PauseChannel(const Ref<TChannel>& channel) {
    if (channel) channel->SetPaused(1);
}

void StopChannel(const Ref<TChannel>& channel) {
    if (channel) channel->Stop();
}

int ChannelPlaying(const Ref<TChannel>& channel) {
    return channel ? channel->Playing() : 0;
}

void SetChannelVolume(const Ref<TChannel>& channel, float volume) {
    if (channel) channel->SetVolume(volume);
}

void SetChannelPan(const Ref<TChannel>& channel, float pan) {
    if (channel) channel->SetPan(pan);
}

void SetChannelDepth(const Ref<TChannel>& channel, float depth) {
    if (channel) channel->SetDepth(depth);
}

void SetChannelRate(const Ref<TChannel>& channel, float rate) {
    if (channel) channel->SetRate(rate);
}

void ResetAudio() {
    if (Current()) Current()->Shutdown();
    Current() = nullptr;
}

} // namespace wispwood
