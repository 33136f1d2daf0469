#pragma once
// The output back end: the software mixer on the platform's default audio
// device. When no device can be opened, or the device goes away during play,
// the driver runs silent, its voices following the clock, so the game plays
// on unchanged.
#include "engine/audio/mixer.h"

namespace wispwood {

class TSDLAudioDriver : public TAudioDriver {
  public:
    // forceSilent: never open a device (the "Silent" driver).
    TSDLAudioDriver(Text name, bool forceSilent);
    ~TSDLAudioDriver() override;

    Text Name() override { return name_; }
    int Startup() override;
    void Shutdown() override;
    Ref<TSound> CreateSound(const Ref<TAudioSample>& sample, int flags) override;
    Ref<TSound> CreateStreamedSound(const Ref<const TOggRecording>& recording, int flags) override;
    Ref<TChannel> AllocChannel() override;

    // The mixer of the running driver, or null before Startup.
    const Ref<TMixer>& Mixer() const { return mixer_; }
    // true while a device plays the mix.
    bool HasDevice() const { return device_ != 0; }

  private:
    static void Callback(void* mixer, unsigned char* stream, int bytes);
    bool OpenDevice();

    Text name_;
    bool forceSilent_;
    Ref<TMixer> mixer_;
    unsigned device_ = 0;
    bool audioInitialised_ = false;
};

} // namespace wispwood
