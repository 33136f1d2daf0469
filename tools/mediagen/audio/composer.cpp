// The form and the arrangement of a piece:
//   intro (2 bars) | A: antecedent + consequent (8) | A again, fuller (8) |
//   B: contrasting middle on the second voice (8) | A returns, fullest (8) |
//   coda (3) and the last chord ringing out.
// Each section is dressed in pads, harp figures, bass, bells and drums
// according to its energy.
#include "tools/mediagen/audio/composer.h"
#include <algorithm>
#include <cmath>

namespace wispwood::mediagen {

namespace {

struct Section {
    std::vector<Chord> chords;
    std::vector<MelodyNote> melody; // beats from the section start
    Instrument lead = Instrument::Flute;
    int energy = 1;        // 0 intro .. 3 fullest
    bool doubling = false; // melody doubled an octave up by the second voice
    bool counter = false;  // bell answers on the off-beats
    bool coda = false;
};

class Arranger {
  public:
    Arranger(const PieceStyle& style, Score& score)
        : style_(style), score_(score), rng_(style.seed ^ 0xA5A5) {}

    void Add(const Section& s, int startBar) {
        const int bpb = style_.beatsPerBar;
        const double origin = double(startBar * bpb);
        for (size_t bar = 0; bar < s.chords.size(); ++bar) {
            const double at = origin + double(bar * bpb);
            const bool last = s.coda && bar + 1 == s.chords.size();
            Pad(s.chords[bar], at, last ? bpb + 2.0 : bpb, s.energy);
            Harp(s.chords[bar], at, s.energy, last);
            if (s.energy > 0) Bass(s, bar, at, last);
            if (style_.drums > 0 && s.energy > 0) Drums(s, bar, at, last);
            if (s.counter && !last) Counter(s.chords[bar], at);
        }
        Melody(s, origin);
    }

  private:
    void Note(Instrument instrument, double beat, double beats, int midi, double velocity, float pan,
              float gain) {
        // Humanised timing must not pull the first note before the start.
        score_.notes.push_back(
            {instrument, std::max(0.0, beat), beats, midi, std::clamp(velocity, 0.05, 1.0), pan, gain});
    }
    void Hit(Drum drum, double beat, double velocity, float pan, float gain) {
        score_.hits.push_back({drum, std::max(0.0, beat), std::clamp(velocity, 0.05, 1.0), pan, gain});
    }
    double Humanise() { return rng_.Range(-0.012, 0.012); }

    // Chord tones stacked upward from `base`, root first.
    std::vector<int> Ladder(const Chord& chord, int base, int count) {
        auto pcs = ChordPitchClasses(style_.key, chord);
        int root = base + PitchClass(pcs[0] - base);
        std::vector<int> out;
        for (int octave = 0; int(out.size()) < count; octave += 12)
            for (int pc : pcs) {
                int m = root + octave + PitchClass(pc - pcs[0]);
                if (int(out.size()) < count) out.push_back(m);
            }
        std::sort(out.begin(), out.end());
        return out;
    }

    void Pad(const Chord& chord, double at, double beats, int energy) {
        // Voice leading: the inversion whose notes move least from the last.
        auto pcs = ChordPitchClasses(style_.key, {chord.degree, false});
        std::vector<int> best;
        int bestMove = 1 << 30;
        for (int inversion = 0; inversion < 3; ++inversion) {
            std::vector<int> v;
            int low = 55;
            for (int k = 0; k < 3; ++k) {
                int pc = pcs[(inversion + k) % 3];
                int m = low + PitchClass(pc - low);
                v.push_back(m);
                low = m + 1;
            }
            int move = 0;
            for (size_t k = 0; k < v.size() && k < lastPad_.size(); ++k) move += std::abs(v[k] - lastPad_[k]);
            if (move < bestMove) {
                bestMove = move;
                best = v;
            }
        }
        lastPad_ = best;
        const float gain = energy == 0 ? 0.3f : 0.26f;
        for (size_t k = 0; k < best.size(); ++k)
            Note(Instrument::Pad, at, beats + 0.05, best[k], 0.6,
                 k == 0   ? -0.5f
                 : k == 1 ? 0.5f
                          : 0.0f,
                 gain);
    }

    void Harp(const Chord& chord, double at, int energy, bool last) {
        const int bpb = style_.beatsPerBar;
        auto ladder = Ladder(chord, 48, 7);
        if (last) { // a closing strum
            for (size_t k = 0; k < ladder.size(); ++k)
                Note(Instrument::Harp, at + 0.08 * k, 4, ladder[k], 0.55, -0.35f, 0.5f);
            return;
        }
        static const int eighths4[] = {0, 2, 4, 5, 6, 5, 4, 2};
        static const int eighths3[] = {0, 2, 4, 6, 4, 2};
        static const int quarters4[] = {0, 4, 2, 5};
        static const int quarters3[] = {0, 4, 5};
        const bool flowing = style_.harpMotion == 1 || energy >= 3;
        const int* pattern = bpb == 3 ? (flowing ? eighths3 : quarters3) : (flowing ? eighths4 : quarters4);
        const int count = flowing ? bpb * 2 : bpb;
        const double step = flowing ? 0.5 : 1.0;
        for (int i = 0; i < count; ++i) {
            double vel = (i == 0 ? 0.62 : 0.5) + rng_.Range(-0.05, 0.05);
            Note(Instrument::Harp, at + i * step + Humanise(), step, ladder[size_t(pattern[i])], vel, -0.35f,
                 energy == 0 ? 0.5f : 0.42f);
        }
    }

    void Bass(const Section& s, size_t bar, double at, bool last) {
        const int bpb = style_.beatsPerBar;
        const Chord& chord = s.chords[bar];
        auto ladder = Ladder(chord, 36, 3); // root, third, fifth
        if (last) {
            Note(Instrument::Bass, at, bpb + 1.0, ladder[0], 0.7, 0.0f, 0.4f);
            return;
        }
        if (!style_.walkingBass) {
            Note(Instrument::Bass, at, bpb == 3 ? 2.5 : 1.8, ladder[0], 0.72, 0.0f, 0.4f);
            if (bpb == 4)
                Note(Instrument::Bass, at + 2, 1.8, ladder[Chance(rng_, 0.6) ? 2 : 0], 0.62, 0.0f, 0.4f);
            return;
        }
        // Walking: root, chord tones, and a step into the next root.
        int nextRoot = bar + 1 < s.chords.size() ? Ladder(s.chords[bar + 1], 36, 1)[0] : ladder[0];
        for (int beat = 0; beat < bpb; ++beat) {
            int m = beat == 0 ? ladder[0] : ladder[size_t(rng_.Int(1, 2))];
            if (beat == bpb - 1) m = nextRoot + (Chance(rng_, 0.5) ? 2 : -1);
            Note(Instrument::Bass, at + beat, 0.9, m, beat == 0 ? 0.72 : 0.6, 0.0f, 0.4f);
        }
    }

    void Drums(const Section& s, size_t bar, double at, bool last) {
        const int bpb = style_.beatsPerBar;
        const int level = std::min(style_.drums, s.energy >= 2 ? 2 : 1);
        if (last) {
            Hit(Drum::FrameDrum, at, 0.7, -0.1f, 0.5f);
            Hit(Drum::Tambourine, at, 0.5, 0.3f, 0.22f);
            return;
        }
        const bool phraseStart = bar % 4 == 0, phraseEnd = bar % 4 == 3;
        for (int e = 0; e < bpb * 2; ++e) {
            double v = (e % 2 == 0 ? 0.55 : 0.38) + rng_.Range(-0.05, 0.05);
            Hit(Drum::Shaker, at + e * 0.5 + Humanise() * 0.5, v, 0.35f, 0.2f);
        }
        Hit(Drum::Kick, at, 0.75, 0.0f, 0.5f);
        if (bpb == 4) {
            if (level >= 2)
                Hit(Drum::Kick, at + 2.5, 0.55, 0.0f, 0.5f);
            else
                Hit(Drum::Kick, at + 2, 0.5, 0.0f, 0.5f);
            Hit(Drum::Snap, at + 1, 0.5, -0.15f, 0.3f);
            Hit(Drum::Snap, at + 3, 0.55, -0.15f, 0.3f);
        } else {
            Hit(Drum::Snap, at + 1, 0.4, -0.15f, 0.25f);
            Hit(Drum::Snap, at + 2, 0.35, -0.15f, 0.25f);
        }
        if (level >= 2 && phraseStart) Hit(Drum::Tambourine, at, 0.6, 0.3f, 0.22f);
        if (level >= 2 && phraseEnd) {
            Hit(Drum::FrameDrum, at + bpb - 1, 0.5, -0.1f, 0.4f);
            Hit(Drum::FrameDrum, at + bpb - 0.5, 0.6, -0.1f, 0.4f);
        }
    }

    void Counter(const Chord& chord, double at) {
        auto ladder = Ladder(chord, 84, 3);
        const double offbeats4[] = {1.5, 3.5}, offbeats3[] = {2.5};
        const double* beats = style_.beatsPerBar == 4 ? offbeats4 : offbeats3;
        int n = style_.beatsPerBar == 4 ? 2 : 1;
        for (int i = 0; i < n; ++i)
            if (Chance(rng_, 0.7))
                Note(Instrument::Glockenspiel, at + beats[i], 0.5, ladder[size_t(rng_.Int(0, 2))], 0.4, 0.45f,
                     0.16f);
    }

    void Melody(const Section& s, double origin) {
        const double total = double(s.chords.size() * size_t(style_.beatsPerBar));
        for (const MelodyNote& n : s.melody) {
            double x = n.beat / total;
            double shape = 0.62 + 0.18 * std::sin(M_PI * x); // phrase swell
            bool downbeat = std::fmod(n.beat, double(style_.beatsPerBar)) == 0;
            double vel = shape + (downbeat ? 0.08 : 0.0) + rng_.Range(-0.04, 0.04);
            double length = n.length * (s.lead == Instrument::Flute ? 0.93 : 1.0);
            Note(s.lead, origin + n.beat + Humanise(), length, n.midi, vel, 0.12f, LeadGain(s.lead));
            if (s.doubling)
                Note(style_.second, origin + n.beat + Humanise(), length, n.midi + 12, vel * 0.8, -0.3f,
                     0.4f * LeadGain(style_.second));
        }
    }

    static float LeadGain(Instrument i) {
        switch (i) {
        case Instrument::Flute:
            return 0.75f;
        case Instrument::Harp:
            return 0.8f;
        case Instrument::Glockenspiel:
            return 0.45f;
        default:
            return 0.7f;
        }
    }

    const PieceStyle& style_;
    Score& score_;
    Rng rng_;
    std::vector<int> lastPad_{55, 60, 64};
};

MelodyRange RangeFor(Instrument i, const Key& key) {
    // Centred on the key so the tonic sits comfortably inside.
    int base = 72 + PitchClass(key.tonic);
    if (base > 77) base -= 12;
    switch (i) {
    case Instrument::Harp:
        return {base - 12, base + 7};
    case Instrument::Glockenspiel:
        return {base, base + 14};
    default:
        return {base - 3, base + 12};
    }
}

// Two four-bar phrases; the second opens with the first one's two bars.
Section Period(Rng& rng, const Key& key, int bpb, const std::vector<Chord>& question,
               const std::vector<Chord>& answer, Cadence close, MelodyRange range) {
    Section s;
    s.chords = question;
    s.chords.insert(s.chords.end(), answer.begin(), answer.end());
    s.melody = MakeMelody(rng, key, question, bpb, Cadence::Half, range, nullptr, 0);
    const auto opening = s.melody;
    for (MelodyNote n : MakeMelody(rng, key, answer, bpb, close, range, &opening, 2)) {
        n.beat += 4 * bpb;
        s.melody.push_back(n);
    }
    return s;
}

} // namespace

Score ComposePiece(const PieceStyle& style) {
    Rng rng(style.seed);
    const Key& key = style.key;
    const int bpb = style.beatsPerBar;
    Score score;
    score.bpm = style.bpm;
    score.beatsPerBar = bpb;

    // A: a parallel period, question and answer opening alike.
    auto ante = MakeProgression(rng, key, 4, Cadence::Half, 0);
    auto cons = ante;
    cons[2] = {4, Chance(rng, 0.5)};
    cons[3] = {0, false};
    Section a = Period(rng, key, bpb, ante, cons, Cadence::Full, RangeFor(style.lead, key));
    a.lead = style.lead;

    // B: away from the tonic, on the second voice, back to the dominant.
    const int away = key.minor ? (Chance(rng, 0.5) ? 5 : 2) : (Chance(rng, 0.5) ? 3 : 5);
    auto b1 = MakeProgression(rng, key, 4, Cadence::Half, away);
    auto b2 = b1;
    auto b2tail = MakeProgression(rng, key, 3, Cadence::Half, b1[1].degree);
    b2[2] = b2tail[1];
    b2[3] = b2tail[2];
    Section b = Period(rng, key, bpb, b1, b2, Cadence::Half, RangeFor(style.second, key));
    b.lead = style.second;

    // Coda: predominant, dominant, tonic.
    Section coda;
    coda.chords = {{Chance(rng, 0.5) ? 3 : 1, false}, {4, true}, {0, false}};
    coda.melody =
        MakeMelody(rng, key, coda.chords, bpb, Cadence::Full, RangeFor(style.lead, key), nullptr, 0);
    coda.lead = style.lead;
    coda.coda = true;

    Section intro;
    intro.chords = {{0, false}, {4, false}};
    intro.energy = 0;

    Arranger arranger(style, score);
    int bar = 0;
    arranger.Add(intro, bar);
    bar += 2;
    arranger.Add(a, bar);
    bar += 8;
    Section a2 = a;
    a2.energy = 2;
    a2.counter = true;
    arranger.Add(a2, bar);
    bar += 8;
    arranger.Add(b, bar);
    bar += 8;
    Section a3 = a;
    a3.energy = 3;
    a3.doubling = true;
    a3.counter = true;
    arranger.Add(a3, bar);
    bar += 8;
    arranger.Add(coda, bar);
    bar += 3;
    score.lengthBeats = double(bar * bpb);
    return score;
}

} // namespace wispwood::mediagen
