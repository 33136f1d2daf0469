#include "tests/support/sound_fixtures.h"
#include "engine/audio/audio.h"
#include "engine/audio/sdl_audio_driver.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/path.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include <vector>

namespace wispwood::test {

namespace {

void Put(Text& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 255);
}

} // namespace

Text ConstantWav(int16_t value, int frames) {
    Text data;
    data.reserve(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) Put(data, static_cast<uint16_t>(value), 2);
    Text out = "RIFF";
    Put(out, static_cast<uint32_t>(36 + data.size()), 4);
    out += "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, 1, 2);         // PCM
    Put(out, 1, 2);         // mono
    Put(out, 44100, 4);     // frames per second
    Put(out, 44100 * 2, 4); // bytes per second
    Put(out, 2, 2);         // block
    Put(out, 16, 2);        // bits
    out += "data";
    Put(out, static_cast<uint32_t>(data.size()), 4);
    return out + data;
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
    SilentAudioTest::SetUp();
    ResetSoundManager();
    ResetRandom();
}

void SoundManagerTest::TearDown() {
    ResetSoundManager();
    SilentAudioTest::TearDown();
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
