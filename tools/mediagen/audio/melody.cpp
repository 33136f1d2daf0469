// Melody writing: a rhythm built from a small stock of cells with the first
// bar's rhythm coming back (which makes a motif), and pitches chosen note
// by note to favour steps, chord tones on strong beats, an arch over the
// phrase, leaps recovered in the other direction and a proper cadence note.
#include "tools/mediagen/audio/composer.h"
#include <algorithm>
#include <cmath>

namespace wispwood::mediagen {

namespace {

using Cell = std::vector<double>;

const std::vector<Cell>& Cells(int beatsPerBar, bool cadence) {
    static const std::vector<Cell> four = {
        {1, 1, 1, 1}, {1.5, 0.5, 1, 1}, {0.5, 0.5, 1, 1, 1},     {1, 0.5, 0.5, 2},
        {2, 1, 1},    {1, 1, 2},        {0.5, 0.5, 0.5, 0.5, 2}, {1.5, 0.5, 2}};
    static const std::vector<Cell> fourEnd = {{1, 1, 2}, {2, 2}, {1, 3}, {0.5, 0.5, 1, 2}};
    static const std::vector<Cell> three = {
        {1, 1, 1}, {2, 1}, {1.5, 0.5, 1}, {1, 0.5, 0.5, 1}, {0.5, 0.5, 1, 1}};
    static const std::vector<Cell> threeEnd = {{1, 2}, {3}, {0.5, 0.5, 2}};
    if (beatsPerBar == 3) return cadence ? threeEnd : three;
    return cadence ? fourEnd : four;
}

bool Contains(const std::vector<int>& pcs, int midi) {
    return std::find(pcs.begin(), pcs.end(), PitchClass(midi)) != pcs.end();
}

int Closest(const std::vector<int>& candidates, int to) {
    int best = candidates.front();
    for (int c : candidates)
        if (std::abs(c - to) < std::abs(best - to)) best = c;
    return best;
}

std::vector<int> PitchesIn(const std::vector<int>& pcs, MelodyRange range) {
    std::vector<int> out;
    for (int m = range.low; m <= range.high; ++m)
        if (Contains(pcs, m)) out.push_back(m);
    return out;
}

} // namespace

std::vector<MelodyNote> MakeMelody(Rng& rng, const Key& key, const std::vector<Chord>& chords,
                                   int beatsPerBar, Cadence cadence, MelodyRange range,
                                   const std::vector<MelodyNote>* opening, int openingBars) {
    const int bars = int(chords.size());
    const double total = double(bars * beatsPerBar);
    std::vector<MelodyNote> notes;
    int startBar = 0;
    if (opening) {
        for (const MelodyNote& n : *opening)
            if (n.beat < openingBars * beatsPerBar) notes.push_back(n);
        startBar = openingBars;
    }

    // Rhythm: the motif bar returns two bars later, as a motif does.
    std::vector<Cell> rhythm(static_cast<size_t>(bars));
    for (int bar = 0; bar < bars; ++bar) {
        bool last = bar == bars - 1;
        const auto& cells = Cells(beatsPerBar, last);
        rhythm[bar] = cells[size_t(rng.Int(0, int(cells.size()) - 1))];
        if (!last && bar >= 2 && Chance(rng, 0.65)) rhythm[bar] = rhythm[bar - 2];
    }

    // The arch: low-middle at the start, a peak two thirds in, settling.
    const double mid = (range.low + range.high) / 2.0, span = (range.high - range.low) / 2.0;
    const double peakAt = rng.Range(0.5, 0.7);
    auto contour = [&](double x) {
        double rise = x < peakAt ? x / peakAt : 1.0 - (x - peakAt) / (1.0 - peakAt);
        return mid - 0.45 * span + 1.1 * span * rise;
    };

    int prev = notes.empty() ? -1 : notes.back().midi;
    int prevInterval = 0;
    for (int bar = startBar; bar < bars; ++bar) {
        const Chord& chord = chords[size_t(bar)];
        const auto tones = ChordPitchClasses(key, chord);
        const auto candidates = PitchesIn(ScaleOver(key, chord), range);
        double beat = 0;
        for (size_t k = 0; k < rhythm[bar].size(); ++k) {
            const double length = rhythm[bar][k];
            const double at = bar * beatsPerBar + beat;
            const bool strong = beat == 0 || (beatsPerBar == 4 && beat == 2);
            const bool final = bar == bars - 1 && k + 1 == rhythm[bar].size();
            int pick;
            if (prev < 0) {
                // Open on a tonic-chord tone near the low middle.
                pick = Closest(PitchesIn(tones, range), int(contour(0)));
            } else if (final) {
                std::vector<int> goals;
                if (cadence == Cadence::Full) {
                    goals = PitchesIn({key.tonic % 12}, range);
                } else {
                    goals = PitchesIn(tones, range); // a tone of V, left hanging
                }
                pick = Closest(goals, prev);
            } else {
                double bestCost = 1e9;
                pick = candidates.front();
                for (int c : candidates) {
                    int interval = c - prev, size = std::abs(interval);
                    double cost = size == 0   ? 1.5
                                  : size <= 2 ? 0.0
                                  : size <= 4 ? 1.0
                                  : size <= 5 ? 2.0
                                  : size <= 7 ? 3.0
                                              : 6.0;
                    bool chordTone = Contains(tones, c);
                    if (strong && !chordTone) cost += 4.0;
                    if (!strong && !chordTone && size > 2) cost += 2.0;
                    if (std::abs(prevInterval) > 4 && (interval > 0) == (prevInterval > 0) && size > 0)
                        cost += 3.0;
                    cost += 0.25 * std::fabs(c - contour(at / total));
                    cost += rng.Range(0.0, 2.0);
                    if (cost < bestCost) {
                        bestCost = cost;
                        pick = c;
                    }
                }
            }
            notes.push_back({at, length, pick});
            if (prev >= 0) prevInterval = pick - prev;
            prev = pick;
            beat += length;
        }
    }
    return notes;
}

} // namespace wispwood::mediagen
