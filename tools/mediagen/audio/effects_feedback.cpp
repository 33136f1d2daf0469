// Effects around play: the menus, the quest map, the level-end tally, the
// bonus game and the celebrations.
#include "tools/mediagen/audio/recipes.h"

namespace wispwood::mediagen {

Pcm GuiHit() {
    SoundCanvas c = EffectCanvas("guihit");
    // A soft pluck: rounder than the board's click.
    c.Chirp(0, 0.1, 1250, 1150, 0.6f, [](double x) { return Strike(x, 0.02, 0.25); });
    c.Chirp(0, 0.06, 2500, 2300, 0.15f, [](double x) { return Strike(x, 0.03, 0.15); });
    c.Tick(0, 0.01, Biquad::BandPass(c.rate, 3000.0, 1.0), 0.5, 0.002);
    return c.Finish(0.12);
}

Pcm GuiOver() {
    SoundCanvas c = EffectCanvas("guiover");
    c.Tick(0, 0.015, Biquad::HighPass(c.rate, 3500.0, 0.7), 1.0, 0.0018);
    c.Chirp(0, 0.04, 2600, 2500, 0.2f, [](double x) { return Strike(x, 0.03, 0.15); });
    return c.Finish(0.05);
}

Pcm LargeCombo() {
    SoundCanvas c = EffectCanvas("largecombo");
    // A swelling brass chord with a shimmer and a bright run on top.
    const int chord[] = {60, 64, 67, 72};
    for (int note : chord) c.Note(Instrument::Horn, 0.0, note, 1.0, 0.8, 0.5f);
    c.Note(Instrument::Pad, 0.0, 48, 1.1, 0.7, 0.5f);
    c.Noise(0, 1.4, 5000, 8000, 0.8, 0.12f, [](double x) { return Swell(x, 0.45); });
    const int run[] = {84, 88, 91, 96, 100, 103};
    for (int i = 0; i < 6; ++i) c.Note(Instrument::Glockenspiel, 0.25 + i * 0.06, run[i], 0.05, 0.6, 0.6f);
    c.Hit(Drum::FrameDrum, 0.0, 0.8, 0.8f);
    c.Hit(Drum::Tambourine, 0.25, 0.6, 0.6f);
    return c.Finish(1.6);
}

Pcm Staff() {
    SoundCanvas c = EffectCanvas("staff");
    // A wand drawn through the air, leaving sparkles behind.
    c.Noise(0, 0.3, 700, 5000, 1.4, 0.9f, [](double x) { return Swell(x, 0.6); });
    c.Chirp(0.05, 0.25, 900, 2600, 0.12f, [](double x) { return Swell(x, 0.7); });
    c.Sparkle(0.22, 0.3, 6, 91, 105, 0.4f, Instrument::Glockenspiel);
    return c.Finish(0.65);
}

Pcm SilverReveal() {
    SoundCanvas c = EffectCanvas("silverreveal");
    // Cool, shimmering: two bells a fifth apart, beating slightly.
    c.Note(Instrument::Bell, 0.0, 88, 0.2, 0.75);
    c.Note(Instrument::Bell, 0.0, 88.08, 0.2, 0.5, 0.5f);
    c.Note(Instrument::Celesta, 0.08, 95, 0.2, 0.5, 0.7f);
    c.Sparkle(0.1, 0.45, 6, 96, 108, 0.25f, Instrument::Glockenspiel);
    return c.Finish(0.85);
}

Pcm GoldReveal() {
    SoundCanvas c = EffectCanvas("goldreveal");
    // Warmer and fuller than silver: a major arpeggio of bells over a harp.
    const int arpeggio[] = {72, 76, 79, 84, 88};
    for (int i = 0; i < 5; ++i) {
        c.Note(Instrument::Bell, i * 0.07, arpeggio[i], 0.3, 0.7, 0.7f);
        c.Note(Instrument::Harp, i * 0.07, arpeggio[i] - 12, 0.3, 0.6, 0.5f);
    }
    c.Sparkle(0.35, 0.5, 6, 96, 108, 0.2f, Instrument::Glockenspiel);
    return c.Finish(1.05);
}

Pcm TimeTick() {
    SoundCanvas c = EffectCanvas("timetick");
    c.Chirp(0, 0.045, 1900, 1850, 0.8f, [](double x) { return Strike(x, 0.04, 0.25); });
    c.Tick(0, 0.008, Biquad::HighPass(c.rate, 3000.0, 0.7), 0.3, 0.0015);
    return c.Finish(0.05);
}

Pcm TimeDone() {
    SoundCanvas c = EffectCanvas("timedone");
    c.Note(Instrument::Bell, 0.0, 81, 0.3, 0.85); // A5
    c.Note(Instrument::Glockenspiel, 0.0, 93, 0.1, 0.3, 0.4f);
    return c.Finish(0.65);
}

Pcm TextWhoosh() {
    SoundCanvas c = EffectCanvas("textwhoosh");
    c.Noise(0, 0.28, 600, 3200, 1.1, 1.0f, [](double x) { return Swell(x, 0.45); });
    c.Noise(0, 0.28, 1500, 5000, 2.0, 0.3f, [](double x) { return Swell(x, 0.5); });
    return c.Finish(0.3);
}

Pcm ConfettiShoot() {
    SoundCanvas c = EffectCanvas("confettishoot");
    // A party popper: a hollow thump, a paper crack, and fluttering paper.
    c.Chirp(
        0, 0.12, 160, 70, 0.9f, [](double x) { return Strike(x, 0.03, 0.3); }, 0.5);
    c.Noise(0, 0.04, 1600, 1200, 1.2, 1.0f, [](double x) { return Strike(x, 0.03, 0.25); });
    c.Flutter(0.02, 0.36, 30.0, Biquad::HighPass(c.rate, 3000.0, 0.7), 0.4,
              [](double x) { return Strike(x, 0.05, 0.35); });
    return c.Finish(0.4);
}

Pcm ConfettiBoom() {
    SoundCanvas c = EffectCanvas("confettiboom");
    // A small firework: a soft pop and a spray of crackles.
    c.DarkNoise(0, 0.08, 1200, 0.8f, [](double x) { return Strike(x, 0.04, 0.3); });
    c.Crackle(0.03, 0.42, 40, 2000, 8000, 0.4f, 0.002);
    c.Sparkle(0.08, 0.3, 4, 98, 106, 0.15f, Instrument::Glockenspiel);
    return c.Finish(0.5);
}

Pcm BonusFlip() {
    SoundCanvas c = EffectCanvas("bonusflip");
    // Several tiles turning over in a ripple.
    for (int i = 0; i < 5; ++i) {
        double at = i * 0.055 + c.rng.Range(0, 0.02);
        double f = 1700 + 400 * c.rng.Unit();
        c.Noise(at, 0.11, f, f * 1.8, 1.0, 0.55f, [](double x) { return Swell(x, 0.35); });
        c.Chirp(at + 0.09, 0.03, f * 1.1, f, 0.15f, [](double x) { return Strike(x, 0.05, 0.2); });
    }
    return c.Finish(0.42);
}

Pcm BonusReveal() {
    SoundCanvas c = EffectCanvas("bonusreveal");
    const int notes[] = {79, 84, 88, 91, 96, 100};
    for (int i = 0; i < 6; ++i) c.Note(Instrument::Celesta, i * 0.04, notes[i], 0.1, 0.45 + 0.05 * i, 0.8f);
    // The shimmer: two close sines beating under the run.
    Phasor a(0.0), b(0.25);
    c.Add(0, 0.5, [&](double t) {
        double x = t / 0.5;
        return float((SineCycle(a.Step(1568, c.rate)) + SineCycle(b.Step(1575, c.rate))) * Swell(x, 0.3) *
                     0.1);
    });
    return c.Finish(0.55);
}

Pcm BonusCorrect() {
    SoundCanvas c = EffectCanvas("bonuscorrect");
    c.Note(Instrument::Glockenspiel, 0.0, 84, 0.1, 0.75);  // C6
    c.Note(Instrument::Glockenspiel, 0.09, 91, 0.1, 0.85); // G6
    c.Note(Instrument::Harp, 0.09, 79, 0.2, 0.6, 0.6f);
    return c.Finish(0.45);
}

Pcm Mistake() {
    SoundCanvas c = EffectCanvas("mistake");
    // "Oops": a dull knock and two low, muffled notes sagging down.
    c.Chirp(
        0, 0.12, 180, 90, 0.8f, [](double x) { return Strike(x, 0.03, 0.3); }, 0.6);
    c.Note(Instrument::Horn, 0.02, 50, 0.12, 0.7, 0.7f); // D3
    c.Note(Instrument::Horn, 0.18, 47, 0.16, 0.6, 0.7f); // B2
    return c.Finish(0.45);
}

Pcm ScoreMagicStart() {
    SoundCanvas c = EffectCanvas("scoremagicstart");
    // Magic gathering and lifting off: a rising whoosh and whistle.
    c.Noise(0, 0.55, 500, 6000, 1.2, 0.8f, [](double x) { return Swell(x, 0.75); });
    c.Whistle(0.05, 0.5, 600, 2400, 1.3, 9, 0.01, 0.2, [](double x) { return Swell(x, 0.8); });
    c.Sparkle(0.2, 0.35, 4, 93, 105, 0.2f);
    return c.Finish(0.62);
}

Pcm ScoreMagicDone() {
    SoundCanvas c = EffectCanvas("scoremagicdone");
    // Arrival: a bright strike and a shower of coins.
    c.Note(Instrument::Glockenspiel, 0.0, 96, 0.05, 0.85);
    c.Noise(0, 0.06, 3000, 2000, 0.8, 0.5f, [](double x) { return Strike(x, 0.05, 0.3); });
    for (int i = 0; i < 9; ++i)
        c.Note(Instrument::Glockenspiel, 0.04 + i * 0.035 + c.rng.Range(0, 0.012), c.rng.Int(88, 103), 0.03,
               0.35 + 0.3 * c.rng.Unit(), 0.6f);
    return c.Finish(0.52);
}

} // namespace wispwood::mediagen
