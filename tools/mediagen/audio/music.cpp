// The five pieces of music and how a score becomes stereo sound: every note
// rendered by its instrument, placed in the stereo field, and sent to a
// shared hall so that all parts sit in one room.
#include "tools/mediagen/audio/composer.h"
#include "tools/mediagen/audio/recipes.h"
#include <algorithm>

namespace wispwood::mediagen {

namespace {

float SendLevel(Instrument i) {
    switch (i) {
    case Instrument::Bass:
        return 0.08f;
    case Instrument::Pad:
        return 0.3f;
    case Instrument::Harp:
        return 0.3f;
    case Instrument::Flute:
        return 0.35f;
    default:
        return 0.42f;
    }
}

float SendLevel(Drum d) {
    return d == Drum::Kick ? 0.05f : 0.18f;
}

// A short silence before the first note so that the track starts from
// nothing; the tail leaves the hall time to die away before the restart.
constexpr double kLeadIn = 0.05, kTail = 3.5;

Pcm RenderScore(const Score& score, uint64_t seed) {
    const int rate = kMusicRate;
    const double spb = 60.0 / score.bpm;
    Rng rng(seed);
    std::vector<float> dry, send;
    auto place = [&](const Mono& voice, double beat, float gain, float sendLevel, float pan) {
        size_t at = SecondsToFrames(kLeadIn + std::max(0.0, beat) * spb, rate);
        MixStereo(dry, voice, at, gain, pan);
        MixStereo(send, voice, at, gain * sendLevel, pan);
    };
    for (const ScoreNote& n : score.notes)
        place(RenderNote(n.instrument, rate, MidiToHz(n.midi), n.beats * spb, n.velocity, rng), n.beat,
              n.gain, SendLevel(n.instrument), n.pan);
    for (const ScoreHit& h : score.hits)
        place(RenderDrum(h.drum, rate, h.velocity, rng), h.beat, h.gain, SendLevel(h.drum), h.pan);
    const size_t frames = SecondsToFrames(kLeadIn + score.lengthBeats * spb + kTail, rate);
    dry.resize(2 * frames, 0.0f);
    send.resize(2 * frames, 0.0f);
    Reverb hall(rate, 0.78, 0.45, 1.0);
    for (size_t i = 0; i < frames; ++i) {
        float l, r;
        hall.Process(send[2 * i], send[2 * i + 1], l, r);
        dry[2 * i] += l;
        dry[2 * i + 1] += r;
    }
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = 2;
    pcm.data = std::move(dry);
    return pcm;
}

Pcm Piece(const PieceStyle& style) {
    return RenderScore(ComposePiece(style), style.seed * 31 + 7);
}

} // namespace

// Keys, metres and voices differ so the five pieces are told apart; the
// instruments and the hall are shared, so they belong together.
Pcm MenuMusic() {
    return Piece({0x5EED0001, {5, false}, 84, 3, Instrument::Flute, Instrument::Celesta, 0, false, 1});
}

Pcm GameMusic0() {
    return Piece({0x5EED0010, {7, false}, 112, 4, Instrument::Celesta, Instrument::Flute, 2, true, 1});
}

Pcm GameMusic1() {
    return Piece({0x5EED0011, {9, true}, 100, 4, Instrument::Flute, Instrument::Harp, 1, false, 1});
}

Pcm GameMusic2() {
    return Piece({0x5EED0012, {2, false}, 100, 3, Instrument::Celesta, Instrument::Flute, 1, false, 2});
}

Pcm GameMusic3() {
    return Piece({0x5EED0013, {4, true}, 108, 4, Instrument::Flute, Instrument::Celesta, 2, true, 1});
}

} // namespace wispwood::mediagen
