#include "engine/audio/sdl_audio_driver.h"
#include <SDL.h>

namespace wispwood {
namespace {

constexpr int OutputHertz = 44100;
// About 23 ms a buffer: short enough for clicks to sound immediate, long
// enough not to starve on a busy machine.
constexpr int BufferFrames = 1024;

} // namespace

TSDLAudioDriver::TSDLAudioDriver(Text name, bool forceSilent)
    : name_(std::move(name)), forceSilent_(forceSilent) {}

TSDLAudioDriver::~TSDLAudioDriver() {
    Shutdown();
}

void TSDLAudioDriver::Callback(void* mixer, unsigned char* stream, int bytes) {
    static_cast<TMixer*>(mixer)->Mix(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

bool TSDLAudioDriver::OpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    audioInitialised_ = true;
    SDL_AudioSpec want = {};
    want.freq = OutputHertz;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = BufferFrames;
    want.callback = Callback;
    SDL_AudioSpec have = {};
    // The mixer's own format is kept; SDL converts for a device that differs.
    auto mixer = New<TMixer>(OutputHertz);
    want.userdata = mixer.get();
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) return false;
    mixer_ = mixer;
    // A device unplugged during play stops pulling; sounds must still end.
    SDL_AudioDeviceID device = device_;
    mixer_->SetDeviceCheck([device] { return SDL_GetAudioDeviceStatus(device) == SDL_AUDIO_PLAYING; });
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

int TSDLAudioDriver::Startup() {
    Shutdown();
    if (forceSilent_ || !OpenDevice()) {
        mixer_ = New<TMixer>(OutputHertz);
        mixer_->FollowClock(true);
    }
    return 1;
}

void TSDLAudioDriver::Shutdown() {
    if (device_ != 0) SDL_CloseAudioDevice(device_); // waits for a running callback
    device_ = 0;
    if (audioInitialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioInitialised_ = false;
    if (mixer_) mixer_->Close();
    mixer_ = nullptr;
}

Ref<TSound> TSDLAudioDriver::CreateSound(const Ref<TAudioSample>& sample, int flags) {
    return mixer_ ? mixer_->CreateSound(sample, flags) : nullptr;
}

Ref<TSound> TSDLAudioDriver::CreateStreamedSound(const Ref<const TOggRecording>& recording, int flags) {
    return mixer_ ? mixer_->CreateStreamedSound(recording, flags) : nullptr;
}

Ref<TChannel> TSDLAudioDriver::AllocChannel() {
    return mixer_ ? mixer_->AllocChannel() : nullptr;
}

} // namespace wispwood
