#include "tests/support/sound_fixtures.h"
#include "engine/audio/audio.h"
#include "engine/audio/sdl_audio_driver.h"
#include "engine/input/event.h"
#include "engine/input/polled_input.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/path.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "tests/support/input_events.h"
#include "tests/support/wav_builder.h"
#include <vector>
#include "game/app/world_reset.h"

namespace wispwood::test {

Text ConstantWav(int16_t value, int frames) {
    WavFormat format;
    format.hertz = 44100;
    return MakeWav(format, Pcm16(std::vector<int16_t>(static_cast<size_t>(frames), value)));
}

int WriteConstantWav(const Text& path, int16_t value, int frames) {
    const Text folder = DirectoryPart(path);
    if (!folder.empty()) CreateDir(folder, 1);
    return SaveText(path, ConstantWav(value, frames));
}

void SilentAudioTest::SetUp() {
    clock = New<TManualClock>();
    SetClock(clock);
    ASSERT_EQ(SetAudioDriver("Silent"), 1);
    ASSERT_TRUE(Cast<TSDLAudioDriver>(CurrentAudioDriver()));
}

void SilentAudioTest::TearDown() {
    ResetAudio();
    ResetClock();
}

TMixer& SilentAudioTest::Mixer() {
    return *Cast<TSDLAudioDriver>(CurrentAudioDriver())->Mixer();
}

int SilentAudioTest::Pull(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    Mixer().Mix(out.data(), frames);
    return out[0];
}

double SilentAudioTest::Level(int16_t value, float volume) {
    return value * static_cast<double>(AttenuationGain(VolumeToAttenuation(volume)));
}

void SoundManagerTest::SetUp() {
    // Before the audio output opens: the world's reset closes the one
    // start-up opened.
    ResetWorld();
    SilentAudioTest::SetUp();
}

void SoundManagerTest::TearDown() {
    ResetWorld();
    // Disconnects the input a deactivated window connected.
    ResetInput();
    SilentAudioTest::TearDown();
}

void SoundManagerTest::DeactivateWindow() {
    EnablePolledInput();
    EmitInput(EventAppSuspend, 0, 0, 0);
}

Ref<Sound> SoundManagerTest::LoadConstant(const std::vector<int16_t>& values, int frames, int music) {
    TextArray names;
    for (int16_t value : values) {
        Text name =
            dir.File(Text("c").append(IntToText(value)).append("_").append(IntToText(frames)) + ".wav");
        WriteConstantWav(name, value, frames);
        names.push_back(name);
    }
    return SoundWrapper::Load(names, 0, music);
}

} // namespace wispwood::test
