#pragma once
// Every audio file of the default media tree: where it goes, what kind of
// sound it is, what it should sound like, and the recipe that makes it.
#include "tools/mediagen/audio/pcm.h"
#include <vector>

namespace wispwood::mediagen {

enum class AudioKind { Effect, Jingle, Music };

struct AudioItem {
    const char* path; // below the game folder, "/"-separated
    AudioKind kind;
    const char* description; // what it is meant to sound like
    float trimDb;            // offset from its kind's loudness target
    Pcm (*make)();           // renders the sound before mastering
};

// In the order the game loads them, music last.
const std::vector<AudioItem>& AudioCatalog();

constexpr int kEffectRate = 22050;
constexpr int kMusicRate = 44100;

} // namespace wispwood::mediagen
