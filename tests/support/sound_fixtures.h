#pragma once
// Recordings and an audio output for sound tests: constant-level WAV files
// and the silent back end on a manual clock, whose mixer the test pulls.
#include "engine/audio/mixer.h"
#include "engine/input/clock.h"
#include "framework/sound/sound.h"
#include "tests/support/paths.h"
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace wispwood::test {

// A mono 16-bit WAV at 44100 Hz holding one value throughout.
Text ConstantWav(int16_t value, int frames);
// The same written to a file (folders made as needed); 1 on success.
int WriteConstantWav(const Text& path, int16_t value, int frames);

// Frames of one 10 ms update at the mixer's rate.
constexpr int kFramesPerUpdate = 441;

// The silent audio back end with the clock stopped: nothing plays on by
// itself, and Pull hands the test the mix.
class SilentAudioTest : public ::testing::Test {
  protected:
    Ref<TManualClock> clock;
    void SetUp() override;
    void TearDown() override;
    TMixer& Mixer();
    // The left channel's first sample of the next frames (the level while
    // every voice has a constant recording).
    int Pull(int frames = kFramesPerUpdate);
    // What a constant recording of the value sounds like at that volume.
    static double Level(int16_t value, float volume);
};

// The same with the sound manager and the random generator at their
// start-up state, and recordings made to order.
class SoundManagerTest : public SilentAudioTest {
  protected:
    TempDir dir;
    void SetUp() override;
    void TearDown() override;
    // A sound of constant recordings, one per value, each lasting frames.
    Ref<Sound> LoadConstant(const std::vector<int16_t>& values, int frames, int music = 0);
    // The game window loses focus, as the platform reports it (until the
    // test ends).
    void DeactivateWindow();
};

} // namespace wispwood::test
