#pragma once
// The instruments of the game's musical world. Music, jingles and the tuned
// effects all play these, so that a chime in play sounds like the celesta of
// the menu theme. Each call renders one note, mono, at the given rate,
// including its natural ring-out; the note starts at frame 0.
#include "tools/mediagen/audio/dsp.h"
#include "tools/mediagen/audio/pcm.h"

namespace wispwood::mediagen {

enum class Instrument {
    Harp,         // plucked string, long ring
    Celesta,      // soft struck bars, mostly fundamental and octave
    Glockenspiel, // bright metal bars with inharmonic partials
    Bell,         // small chime bell with a hum tone
    Flute,        // breathy lead with delayed vibrato
    Pad,          // detuned saws through a low-pass, slow swell
    Horn,         // soft brass for fanfares: brightens as it swells
    Bass,         // round plucked bass
};

enum class Drum {
    Kick,       // soft low thump
    Shaker,     // short bright noise
    Snap,       // finger snap / rim
    FrameDrum,  // warm hand drum
    Tambourine, // jingles
};

double MidiToHz(double midi);

// `length` is how long the note is held in seconds; `velocity` 0..1.
Mono RenderNote(Instrument instrument, int rate, double freq, double length, double velocity, Rng& rng);
Mono RenderDrum(Drum drum, int rate, double velocity, Rng& rng);

} // namespace wispwood::mediagen
