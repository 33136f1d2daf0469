// Effects of the board: selecting, matching, bursting, landing, flipping and
// the powerups. They are short and mostly tuned to the bells of the music;
// several are replayed faster for variety (up to 1.7 times), so none relies
// on a low body that would turn thin when raised.
#include "tools/mediagen/audio/recipes.h"
#include <cmath>

namespace wispwood::mediagen {

Pcm TileClick() {
    SoundCanvas c = EffectCanvas("tileclick");
    // A hard, tiny tick: a bright noise spark over a short woody ping.
    c.Tick(0, 0.02, Biquad::HighPass(c.rate, 2500.0, 0.7), 1.0, 0.0025);
    c.Chirp(0, 0.05, 3400, 3000, 0.5f, [](double x) { return Strike(x, 0.02, 0.12); });
    c.Chirp(0, 0.04, 1500, 1350, 0.25f, [](double x) { return Strike(x, 0.03, 0.15); });
    return c.Finish(0.08);
}

Pcm TileMatch() {
    SoundCanvas c = EffectCanvas("tilematch");
    c.Note(Instrument::Celesta, 0.0, 88, 0.1, 0.8);  // E6
    c.Note(Instrument::Celesta, 0.06, 95, 0.1, 0.7); // B6
    c.Note(Instrument::Glockenspiel, 0.06, 100, 0.05, 0.3, 0.4f);
    return c.Finish(0.45);
}

Pcm TileExplode() {
    SoundCanvas c = EffectCanvas("tileexplode");
    // A burst of small shards over a short dry knock.
    c.DarkNoise(0, 0.06, 900, 0.7f, [](double x) { return Strike(x, 0.05, 0.3); });
    c.Crackle(0.0, 0.22, 45, 1200, 6500, 0.45f, 0.005);
    c.Noise(0, 0.25, 3500, 1800, 1.2, 0.5f, [](double x) { return Strike(x, 0.02, 0.25); });
    return c.Finish(0.3);
}

Pcm PieceHitPiece() {
    SoundCanvas c = EffectCanvas("piecehitpiece");
    // Two stone-like blocks knocking: inharmonic partials dying fast.
    c.Chirp(0, 0.08, 820, 800, 0.6f, [](double x) { return Strike(x, 0.01, 0.25); });
    c.Chirp(0, 0.06, 2150, 2100, 0.35f, [](double x) { return Strike(x, 0.01, 0.18); });
    c.Noise(0, 0.03, 1800, 1500, 1.5, 0.6f, [](double x) { return Strike(x, 0.02, 0.2); });
    c.DarkNoise(0, 0.05, 400, 0.4f, [](double x) { return Strike(x, 0.04, 0.3); });
    return c.Finish(0.15);
}

Pcm PieceHitGround() {
    SoundCanvas c = EffectCanvas("piecehitground");
    c.Chirp(
        0, 0.2, 130, 75, 0.8f, [](double x) { return Strike(x, 0.01, 0.25); }, 0.5);
    c.DarkNoise(0, 0.08, 500, 0.8f, [](double x) { return Strike(x, 0.02, 0.3); });
    c.Chirp(0, 0.05, 600, 560, 0.2f, [](double x) { return Strike(x, 0.02, 0.2); });
    return c.Finish(0.2);
}

Pcm GoldRow() {
    SoundCanvas c = EffectCanvas("gold-row");
    c.Note(Instrument::Glockenspiel, 0, 86, 0.1, 0.8); // D6
    c.Note(Instrument::Celesta, 0, 98, 0.1, 0.4, 0.6f);
    return c.Finish(0.55);
}

Pcm PointsAppear() {
    SoundCanvas c = EffectCanvas("pointsappear");
    const int notes[] = {91, 95, 98, 103, 100};
    for (int i = 0; i < 5; ++i) c.Note(Instrument::Celesta, i * 0.045, notes[i], 0.05, 0.55 - 0.05 * i);
    c.Noise(0, 0.3, 7000, 9000, 2.0, 0.06f, [](double x) { return Swell(x, 0.2); });
    return c.Finish(0.42);
}

Pcm TileFlip() {
    SoundCanvas c = EffectCanvas("tileflip");
    c.Noise(0, 0.14, 1800, 3600, 0.9, 0.8f, [](double x) { return Swell(x, 0.35); });
    c.Chirp(0.12, 0.04, 1900, 1700, 0.25f, [](double x) { return Strike(x, 0.05, 0.2); });
    return c.Finish(0.2);
}

Pcm RowCreate() {
    SoundCanvas c = EffectCanvas("rowcreate");
    c.Noise(0, 0.28, 5000, 8000, 3.0, 0.25f, [](double x) { return Swell(x, 0.3); });
    c.Sparkle(0.02, 0.14, 3, 96, 103, 0.35f);
    return c.Finish(0.32);
}

Pcm Cheif() {
    SoundCanvas c = EffectCanvas("cheif");
    // A beam shooting up the column: a buzzing rising zap with an electric
    // crackle and a bright sparkle where it leaves the board.
    SawOsc saw;
    Biquad bp;
    size_t n = 0;
    c.Add(0, 0.45, [&](double t) {
        double x = t / 0.45, f = Glide(220, 1760, x, 0.7);
        if (n++ % 16 == 0) bp.SetBandPass(c.rate, f * 2.0, 2.0);
        double buzz = bp.Process(saw.Step(f, c.rate));
        return float(buzz * Swell(x, 0.6) * 0.9);
    });
    c.Chirp(
        0, 0.5, 440, 3520, 0.35f, [](double x) { return Swell(x, 0.7); }, 0.8);
    c.Crackle(0.05, 0.5, 30, 2500, 8000, 0.3f, 0.002);
    c.Sparkle(0.35, 0.3, 5, 93, 105, 0.35f, Instrument::Glockenspiel);
    return c.Finish(0.85);
}

Pcm PowerupSound() {
    SoundCanvas c = EffectCanvas("powerupsound");
    c.DarkNoise(0, 0.15, 700, 0.8f, [](double x) { return Strike(x, 0.05, 0.3); });
    c.Noise(0, 0.35, 4500, 900, 1.0, 0.6f, [](double x) { return Strike(x, 0.03, 0.35); });
    const int notes[] = {84, 88, 91, 96, 100};
    for (int i = 0; i < 5; ++i) c.Note(Instrument::Celesta, 0.03 + i * 0.04, notes[i], 0.05, 0.7);
    c.Sparkle(0.2, 0.35, 5, 98, 108, 0.25f, Instrument::Glockenspiel);
    return c.Finish(0.75);
}

Pcm Earthquake() {
    SoundCanvas c = EffectCanvas("earthquake");
    // A deep, shuddering rumble under stones rattling against each other;
    // it swells in fast and dies away over three seconds.
    const double len = 3.0;
    auto envelope = [](double x) {
        return std::min(1.0, x / 0.05) * (x < 0.45 ? 1.0 : std::pow((1 - x) / 0.55, 1.6));
    };
    Phasor sub(0.0), wobble(0.0);
    Biquad lp1 = Biquad::LowPass(c.rate, 140, 0.8), lp2 = Biquad::LowPass(c.rate, 140, 0.8);
    OnePoleLowPass shudder(c.rate, 9.0);
    c.Add(0, len, [&](double t) {
        double x = t / len;
        double shake = 0.6 + 0.8 * std::fabs(shudder.Process(Bipolar(c.rng) * 6.0f));
        double rumble = lp2.Process(lp1.Process(Bipolar(c.rng))) * 3.0;
        double body = SineCycle(sub.Step(42 + 6 * SineCycle(wobble.Step(0.7, c.rate)), c.rate)) * 0.5;
        return float((rumble + body) * shake * envelope(x));
    });
    // Rattles: dull knocks of stone and wood, thick at first, then fewer.
    for (int i = 0; i < 70; ++i) {
        double x = c.rng.Unit();
        double at = len * 0.75 * x * x;
        double f = c.rng.Range(350, 1100);
        double level = 0.25 * (1.0 - x) * (0.5 + c.rng.Unit());
        c.Chirp(at, 0.05, f, f * 0.96, float(level), [](double y) { return Strike(y, 0.02, 0.2); });
    }
    c.Crackle(0.0, len * 0.7, 40, 500, 2000, 0.12f, 0.006);
    return c.Finish(len);
}

Pcm VineActivate() {
    SoundCanvas c = EffectCanvas("vineactivate");
    // Ignition: a soft whoomph, then crackling leaves and a dry rustle.
    c.Noise(0, 0.35, 300, 1800, 0.8, 0.9f, [](double x) { return Swell(x, 0.3); });
    c.Crackle(0.03, 0.55, 60, 1500, 7000, 0.35f, 0.003);
    c.Flutter(0.05, 0.5, 25.0, Biquad::BandPass(c.rate, 3500, 1.0), 0.5,
              [](double x) { return Swell(x, 0.3); });
    return c.Finish(0.62);
}

Pcm VineGold() {
    SoundCanvas c = EffectCanvas("vinegold");
    // The two-step coin "ching".
    c.Note(Instrument::Glockenspiel, 0.0, 83, 0.05, 0.8); // B5
    c.Note(Instrument::Glockenspiel, 0.07, 88, 0.1, 0.9); // E6
    c.Note(Instrument::Bell, 0.07, 100, 0.05, 0.4, 0.35f);
    return c.Finish(0.45);
}

Pcm VineBlow() {
    SoundCanvas c = EffectCanvas("vineblow");
    c.Chirp(0, 0.07, 320, 110, 0.8f, [](double x) { return Strike(x, 0.05, 0.3); });
    c.Noise(0, 0.2, 1200, 600, 0.7, 0.7f, [](double x) { return Strike(x, 0.03, 0.25); });
    c.Crackle(0.04, 0.3, 14, 2500, 6000, 0.2f, 0.003);
    return c.Finish(0.4);
}

Pcm FairyReleased() {
    SoundCanvas c = EffectCanvas("fairyreleased");
    // A glittering flutter that climbs away: a run up the pentatonic scale
    // over a fluttering whistle.
    for (int i = 0; i < 14; ++i)
        c.Note(Instrument::Celesta, i * 0.035 + c.rng.Range(0, 0.01), PentatonicNote(81, i), 0.04,
               0.35 + 0.03 * i, 0.8f);
    c.Whistle(0.0, 0.6, 1300, 3000, 1.0, 22, 0.03, 0.18, [](double x) { return Swell(x, 0.3); });
    return c.Finish(0.85);
}

Pcm FlowerPop() {
    SoundCanvas c = EffectCanvas("flowerpop");
    c.Chirp(
        0, 0.05, 700, 180, 0.9f, [](double x) { return Strike(x, 0.05, 0.35); }, 0.6);
    c.Noise(0, 0.03, 1500, 1000, 1.0, 0.3f, [](double x) { return Strike(x, 0.05, 0.3); });
    // The bloom: notes opening upward.
    c.Note(Instrument::Celesta, 0.04, 79, 0.1, 0.6);  // G5
    c.Note(Instrument::Celesta, 0.1, 86, 0.1, 0.55);  // D6
    c.Note(Instrument::Celesta, 0.16, 91, 0.1, 0.45); // G6
    return c.Finish(0.55);
}

Pcm GemReleased() {
    SoundCanvas c = EffectCanvas("gemreleased");
    // Crystal clink: two glassy strikes with inharmonic ring.
    c.Note(Instrument::Glockenspiel, 0, 96, 0.02, 0.8);
    c.Note(Instrument::Glockenspiel, 0.045, 103, 0.02, 0.6, 0.7f);
    c.Chirp(0, 0.3, 5400, 5350, 0.12f, [](double x) { return Strike(x, 0.01, 0.25); });
    return c.Finish(0.42);
}

Pcm GemFlip() {
    SoundCanvas c = EffectCanvas("gemflip");
    c.Note(Instrument::Glockenspiel, 0, 100, 0.02, 0.75); // E7
    c.Chirp(0, 0.25, 6200, 6150, 0.1f, [](double x) { return Strike(x, 0.01, 0.3); });
    c.Noise(0, 0.12, 8000, 9500, 3.0, 0.08f, [](double x) { return Swell(x, 0.2); });
    return c.Finish(0.32);
}

} // namespace wispwood::mediagen
