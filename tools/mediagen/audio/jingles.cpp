// The jingles: short phrases played by the instruments of the music, so
// that a fanfare belongs to the same world as the menu theme. Positions are
// in beats of each jingle's own tempo.
#include "tools/mediagen/audio/recipes.h"

namespace wispwood::mediagen {

namespace {

struct Phrase {
    SoundCanvas canvas;
    double secondsPerBeat;

    Phrase(const char* name, double bpm) : canvas(EffectCanvas(name)), secondsPerBeat(60.0 / bpm) {}
    double At(double beat) const { return beat * secondsPerBeat; }
    void Play(Instrument instrument, double beat, int midi, double beats, double velocity,
              float gain = 1.0f) {
        canvas.Note(instrument, At(beat), midi, beats * secondsPerBeat, velocity, gain);
    }
    void Chord(Instrument instrument, double beat, std::initializer_list<int> notes, double beats,
               double velocity, float gain = 1.0f) {
        for (int n : notes) Play(instrument, beat, n, beats, velocity, gain);
    }
    void Strum(double beat, std::initializer_list<int> notes, double spread, double velocity,
               float gain = 1.0f) {
        int i = 0;
        for (int n : notes) Play(Instrument::Harp, beat + spread * i++, n, 1.0, velocity, gain);
    }
    void Hit(Drum drum, double beat, double velocity, float gain = 1.0f) {
        canvas.Hit(drum, At(beat), velocity, gain);
    }
    Pcm Finish(double maxSeconds, float wet = 0.25f) {
        canvas.Reverberate(wet, 0.6, 0.8);
        return canvas.Finish(maxSeconds);
    }
};

} // namespace

Pcm LevelComplete() {
    Phrase p("levelcomplete", 132);
    // Triplet pickup into a held C major chord: G C E | G - - -
    const int pickup[] = {67, 72, 76};
    for (int i = 0; i < 3; ++i) p.Play(Instrument::Horn, i / 3.0, pickup[i], 0.3, 0.75, 0.7f);
    p.Play(Instrument::Horn, 1, 79, 2.5, 0.9, 0.7f);
    p.Chord(Instrument::Horn, 1, {64, 67, 72}, 2.5, 0.7, 0.45f);
    p.Play(Instrument::Bass, 1, 48, 2.5, 0.8, 0.6f);
    p.Strum(1, {60, 64, 67, 72, 76, 79, 84}, 0.08, 0.7, 0.5f);
    const int sparkle[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i) p.Play(Instrument::Glockenspiel, 1.5 + i * 0.25, sparkle[i], 0.2, 0.6, 0.5f);
    p.Hit(Drum::FrameDrum, 1, 0.9);
    p.Hit(Drum::Tambourine, 1, 0.7, 0.7f);
    p.Hit(Drum::Tambourine, 2, 0.5, 0.6f);
    return p.Finish(2.6);
}

Pcm OutOfTime() {
    Phrase p("outoftime", 120);
    // "Time's up": a clock-like tick, then a falling minor line that stops
    // on an unresolved note.
    p.Hit(Drum::Snap, 0, 0.7, 0.7f);
    p.Hit(Drum::Snap, 0.5, 0.6, 0.6f);
    const int line[] = {76, 74, 72, 71};
    for (int i = 0; i < 4; ++i) p.Play(Instrument::Flute, 1 + i * 0.5, line[i], 0.45, 0.8);
    p.Play(Instrument::Flute, 3, 69, 0.9, 0.75);
    p.Chord(Instrument::Pad, 1, {57, 60, 64}, 2.2, 0.6, 0.5f);
    p.Play(Instrument::Harp, 3, 45, 1.0, 0.8, 0.7f);
    p.Play(Instrument::Harp, 3, 57, 1.0, 0.6, 0.5f);
    return p.Finish(2.1);
}

Pcm GameOver() {
    Phrase p("gameover", 80);
    // A slow, sad cadence in A minor: iv - V - i, the flute sighing down.
    p.Chord(Instrument::Pad, 0, {50, 57, 62, 65}, 1.0, 0.6, 0.55f); // Dm
    p.Chord(Instrument::Pad, 1, {52, 56, 59, 64}, 1.0, 0.6, 0.55f); // E
    p.Chord(Instrument::Pad, 2, {45, 52, 57, 60}, 1.7, 0.6, 0.55f); // Am
    p.Play(Instrument::Flute, 0, 77, 0.9, 0.7);
    p.Play(Instrument::Flute, 1, 76, 0.45, 0.7);
    p.Play(Instrument::Flute, 1.5, 74, 0.45, 0.65);
    p.Play(Instrument::Flute, 2, 72, 0.5, 0.6);
    p.Play(Instrument::Flute, 2.5, 71, 0.35, 0.55);
    p.Play(Instrument::Flute, 2.9, 69, 1.0, 0.55);
    p.Play(Instrument::Bass, 0, 38, 0.9, 0.7, 0.7f);
    p.Play(Instrument::Bass, 1, 40, 0.9, 0.7, 0.7f);
    p.Play(Instrument::Bass, 2, 33, 1.5, 0.7, 0.7f);
    p.Strum(2, {45, 52, 57, 60, 64}, 0.1, 0.5, 0.5f);
    return p.Finish(3.1, 0.3f);
}

Pcm BonusGamePerfect() {
    Phrase p("bonusgameperfect", 140);
    // A happy run up two octaves and a bright landing chord.
    const int run[] = {72, 74, 76, 79, 81, 84, 86, 88, 91, 93, 96};
    for (int i = 0; i < 11; ++i) p.Play(Instrument::Celesta, i * 0.18, run[i], 0.2, 0.55 + 0.03 * i, 0.8f);
    p.Strum(2, {60, 64, 67, 72, 76}, 0.06, 0.7, 0.6f);
    p.Chord(Instrument::Glockenspiel, 2, {84, 88, 91}, 0.5, 0.7, 0.5f);
    p.Chord(Instrument::Pad, 0, {60, 64, 67}, 3.0, 0.5, 0.35f);
    p.Hit(Drum::Tambourine, 2, 0.8, 0.8f);
    p.Hit(Drum::Shaker, 1, 0.6, 0.5f);
    p.Hit(Drum::Shaker, 1.5, 0.6, 0.5f);
    p.canvas.Sparkle(p.At(2.2), 0.6, 6, 96, 108, 0.25f, Instrument::Glockenspiel);
    return p.Finish(2.1);
}

Pcm BonusGameNotPerfect() {
    Phrase p("bonusgamenotperfect", 110);
    // A modest, friendly "that's all right".
    p.Play(Instrument::Celesta, 0, 76, 0.4, 0.6);
    p.Play(Instrument::Celesta, 0.5, 74, 0.4, 0.55);
    p.Play(Instrument::Celesta, 1, 76, 1.0, 0.6);
    p.Strum(0, {53, 57, 60, 65}, 0.07, 0.5, 0.5f);
    p.Strum(1, {48, 55, 60, 64}, 0.07, 0.5, 0.5f);
    return p.Finish(1.6);
}

Pcm StartGame() {
    Phrase p("startgame", 150);
    // "Let's go": a bright pickup and a punchy landing.
    p.Play(Instrument::Horn, 0, 67, 0.4, 0.75, 0.7f);
    p.Play(Instrument::Horn, 0.5, 72, 0.4, 0.8, 0.7f);
    p.Play(Instrument::Horn, 1, 74, 0.4, 0.8, 0.7f);
    p.Play(Instrument::Horn, 1.5, 76, 1.4, 0.9, 0.7f);
    p.Chord(Instrument::Horn, 1.5, {60, 67}, 1.4, 0.7, 0.45f);
    p.Play(Instrument::Bass, 1.5, 48, 1.2, 0.8, 0.6f);
    p.Hit(Drum::Snap, 0.5, 0.6, 0.6f);
    p.Hit(Drum::Snap, 1, 0.6, 0.6f);
    p.Hit(Drum::FrameDrum, 1.5, 0.9);
    p.Hit(Drum::Tambourine, 1.5, 0.7, 0.7f);
    p.Play(Instrument::Glockenspiel, 1.5, 88, 0.3, 0.6, 0.5f);
    return p.Finish(1.6);
}

Pcm MagicalReveal() {
    Phrase p("magicalreveal", 100);
    // A harp glissando across the pentatonic scale over a swelling pad.
    for (int i = 0; i < 16; ++i)
        p.Play(Instrument::Harp, i * 0.07, PentatonicNote(55, i), 1.0, 0.5 + 0.02 * i, 0.6f);
    p.Chord(Instrument::Pad, 0, {55, 60, 64, 67}, 2.4, 0.6, 0.45f);
    p.canvas.Sparkle(p.At(1.0), 1.0, 8, 91, 108, 0.3f);
    return p.Finish(2.2, 0.35f);
}

Pcm ExitPlayingGame() {
    Phrase p("exitplayinggame", 126);
    const int line[] = {79, 76, 72, 67};
    for (int i = 0; i < 4; ++i) p.Play(Instrument::Celesta, i * 0.5, line[i], 0.5, 0.65);
    p.Strum(0, {48, 55, 60}, 0.08, 0.5, 0.5f);
    p.Play(Instrument::Harp, 1.5, 43, 1.5, 0.6, 0.6f);
    p.Chord(Instrument::Pad, 0, {55, 60, 64}, 2.0, 0.5, 0.35f);
    return p.Finish(1.6);
}

Pcm ExitGameTotally() {
    Phrase p("exitgametotally", 120);
    // "Bye-bye": two falling notes and a soft closing chord, done in time
    // for the program to close after a second and a half.
    p.Play(Instrument::Flute, 0, 79, 0.4, 0.7);
    p.Play(Instrument::Flute, 0.5, 72, 0.9, 0.65);
    p.Strum(0.5, {48, 55, 64, 67}, 0.06, 0.55, 0.5f);
    p.Play(Instrument::Celesta, 0.5, 84, 0.3, 0.4, 0.5f);
    return p.Finish(1.4, 0.2f);
}

Pcm GetHighScore() {
    Phrase p("gethighscore", 128);
    // A celebratory fanfare: I - IV - V - I with horns, harp and bells.
    const int melody[] = {72, 76, 79, 77, 81, 79, 76, 74, 84};
    const double at[] = {0, 0.5, 1, 2, 2.5, 3, 4, 4.5, 5};
    const double len[] = {0.45, 0.45, 0.9, 0.45, 0.45, 0.9, 0.45, 0.45, 1.4};
    for (int i = 0; i < 9; ++i) p.Play(Instrument::Horn, at[i], melody[i], len[i], 0.85, 0.7f);
    p.Chord(Instrument::Pad, 0, {48, 55, 64}, 1.9, 0.6, 0.4f);
    p.Chord(Instrument::Pad, 2, {53, 57, 65}, 1.9, 0.6, 0.4f);
    p.Chord(Instrument::Pad, 4, {55, 59, 62}, 0.9, 0.6, 0.4f);
    p.Chord(Instrument::Pad, 5, {48, 55, 64}, 1.4, 0.6, 0.4f);
    const int bass[] = {36, 41, 43, 36};
    const double bassAt[] = {0, 2, 4, 5};
    for (int i = 0; i < 4; ++i) p.Play(Instrument::Bass, bassAt[i], bass[i], 0.9, 0.8, 0.6f);
    p.Strum(5, {60, 64, 67, 72, 76, 79, 84}, 0.05, 0.7, 0.5f);
    for (double b : {0.0, 2.0, 4.0, 5.0}) p.Hit(Drum::FrameDrum, b, 0.8, 0.8f);
    for (double b = 0.5; b < 5; b += 1.0) p.Hit(Drum::Tambourine, b, 0.5, 0.5f);
    p.canvas.Sparkle(p.At(5.1), 0.6, 6, 96, 108, 0.25f, Instrument::Glockenspiel);
    return p.Finish(3.2);
}

Pcm QuestCompleted() {
    Phrase p("questcompleted", 104);
    // The grand one: broad horns, a full cadence (I - IV - I64 - V - I),
    // harp sweep and bells ringing out.
    p.Play(Instrument::Horn, 0, 67, 0.3, 0.7, 0.7f);
    p.Play(Instrument::Horn, 0.33, 67, 0.3, 0.7, 0.7f);
    p.Play(Instrument::Horn, 0.67, 67, 0.3, 0.75, 0.7f);
    p.Play(Instrument::Horn, 1, 72, 1.4, 0.9, 0.7f);
    p.Chord(Instrument::Horn, 1, {60, 64}, 1.4, 0.7, 0.4f);
    p.Play(Instrument::Horn, 2.5, 77, 0.45, 0.85, 0.7f);
    p.Chord(Instrument::Horn, 2.5, {65, 69}, 0.45, 0.7, 0.4f);
    p.Play(Instrument::Horn, 3, 76, 0.45, 0.85, 0.7f);
    p.Chord(Instrument::Horn, 3, {67, 72}, 0.45, 0.7, 0.4f);
    p.Play(Instrument::Horn, 3.5, 74, 0.45, 0.85, 0.7f);
    p.Chord(Instrument::Horn, 3.5, {65, 71}, 0.45, 0.7, 0.4f);
    p.Play(Instrument::Horn, 4, 72, 1.6, 0.95, 0.7f);
    p.Chord(Instrument::Horn, 4, {60, 64, 67}, 1.6, 0.75, 0.4f);
    p.Chord(Instrument::Pad, 1, {48, 55, 64}, 1.4, 0.6, 0.4f);
    p.Chord(Instrument::Pad, 2.5, {53, 57, 65}, 0.45, 0.6, 0.4f);
    p.Chord(Instrument::Pad, 3, {55, 60, 64}, 0.45, 0.6, 0.4f);
    p.Chord(Instrument::Pad, 3.5, {55, 59, 62}, 0.45, 0.6, 0.4f);
    p.Chord(Instrument::Pad, 4, {48, 55, 64}, 1.8, 0.6, 0.4f);
    const int bass[] = {36, 41, 43, 43, 36};
    const double bassAt[] = {1, 2.5, 3, 3.5, 4};
    for (int i = 0; i < 5; ++i) p.Play(Instrument::Bass, bassAt[i], bass[i], i == 4 ? 1.6 : 0.45, 0.8, 0.7f);
    for (int i = 0; i < 14; ++i) p.Play(Instrument::Harp, 4 + i * 0.06, PentatonicNote(60, i), 1, 0.6, 0.5f);
    p.Chord(Instrument::Bell, 4, {72, 79, 84}, 0.5, 0.6, 0.4f);
    for (double b : {1.0, 2.5, 4.0}) p.Hit(Drum::FrameDrum, b, 0.9);
    for (double b : {0.0, 0.33, 0.67}) p.Hit(Drum::Snap, b, 0.5, 0.5f);
    p.Hit(Drum::Tambourine, 4, 0.8, 0.7f);
    p.canvas.Sparkle(p.At(4.3), 1.0, 8, 96, 108, 0.25f, Instrument::Glockenspiel);
    return p.Finish(3.8, 0.3f);
}

Pcm MedalAwarded() {
    Phrase p("medalawarded", 140);
    // The medal's clink, then a small brass flourish.
    p.Play(Instrument::Glockenspiel, 0, 96, 0.1, 0.8, 0.8f);
    p.Play(Instrument::Glockenspiel, 0.12, 103, 0.1, 0.6, 0.6f);
    const int arpeggio[] = {60, 64, 67};
    for (int i = 0; i < 3; ++i) p.Play(Instrument::Horn, 0.75 + i * 0.33, arpeggio[i], 0.3, 0.75, 0.7f);
    p.Play(Instrument::Horn, 1.75, 72, 1.2, 0.85, 0.7f);
    p.Chord(Instrument::Horn, 1.75, {64, 67}, 1.2, 0.7, 0.4f);
    p.Hit(Drum::Tambourine, 1.75, 0.6, 0.6f);
    return p.Finish(1.6);
}

} // namespace wispwood::mediagen
