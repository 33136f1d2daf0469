// Chords, scales and progressions.
#include "tools/mediagen/audio/composer.h"
#include <algorithm>

namespace wispwood::mediagen {

namespace {

const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

int ScaleStep(const Key& key, int degree) {
    int d = ((degree % 7) + 7) % 7;
    return (key.minor ? kMinor : kMajor)[d];
}

bool UsesLeadingTone(const Key& key, const Chord& chord) {
    return key.minor && (chord.degree == 4 || chord.degree == 6);
}

// Weighted next chords for each degree: tonic -> predominant -> dominant.
struct Move {
    int degree, weight;
};
const std::vector<Move>& MovesFrom(const Key& key, int degree) {
    static const std::vector<Move> major[7] = {
        {{3, 4}, {5, 4}, {1, 2}, {4, 2}, {2, 1}}, // I
        {{4, 5}, {6, 1}, {3, 1}},                 // ii
        {{5, 3}, {3, 3}},                         // iii
        {{4, 4}, {0, 3}, {1, 3}},                 // IV
        {{0, 5}, {5, 2}},                         // V
        {{1, 4}, {3, 4}, {4, 2}},                 // vi
        {{0, 4}, {2, 1}},                         // vii
    };
    static const std::vector<Move> minor[7] = {
        {{3, 4}, {5, 4}, {6, 2}, {2, 1}}, // i
        {{4, 5}},                         // ii
        {{5, 3}, {3, 3}},                 // III
        {{4, 4}, {0, 3}, {6, 2}},         // iv
        {{0, 5}, {5, 2}},                 // V
        {{3, 4}, {2, 2}, {6, 3}},         // VI
        {{2, 4}, {0, 3}},                 // VII
    };
    return (key.minor ? minor : major)[degree];
}

int Pick(Rng& rng, const std::vector<Move>& moves, int avoid) {
    int total = 0;
    for (const Move& m : moves)
        if (m.degree != avoid) total += m.weight;
    if (total == 0) return moves.front().degree;
    int r = rng.Int(0, total - 1);
    for (const Move& m : moves) {
        if (m.degree == avoid) continue;
        if ((r -= m.weight) < 0) return m.degree;
    }
    return moves.back().degree;
}

bool LeadsToDominant(const Key& key, int degree) {
    for (const Move& m : MovesFrom(key, degree))
        if (m.degree == 4) return true;
    return false;
}

} // namespace

std::vector<int> ChordPitchClasses(const Key& key, const Chord& chord) {
    std::vector<int> pcs;
    for (int k = 0; k < (chord.seventh ? 4 : 3); ++k) {
        int degree = chord.degree + 2 * k;
        int pc = key.tonic + ScaleStep(key, degree);
        if (UsesLeadingTone(key, chord) && ((degree % 7) + 7) % 7 == 6) pc += 1;
        pcs.push_back(PitchClass(pc));
    }
    return pcs;
}

std::vector<int> ScaleOver(const Key& key, const Chord& chord) {
    std::vector<int> pcs;
    for (int d = 0; d < 7; ++d) {
        int pc = key.tonic + ScaleStep(key, d);
        if (UsesLeadingTone(key, chord) && d == 6) pc += 1;
        pcs.push_back(PitchClass(pc));
    }
    return pcs;
}

std::vector<Chord> MakeProgression(Rng& rng, const Key& key, int bars, Cadence cadence, int first) {
    std::vector<Chord> chords(size_t(std::max(bars, 2)));
    chords[0].degree = first;
    const int last = int(chords.size()) - 1;
    // The closing bars are fixed by the cadence; the walk fills the rest and
    // must arrive on a chord that can lead into them.
    const int cadenceStart = cadence == Cadence::Full ? last - 1 : last;
    for (int i = 1; i < cadenceStart; ++i) {
        int next = Pick(rng, MovesFrom(key, chords[i - 1].degree), chords[i - 1].degree);
        if (i == cadenceStart - 1 && !LeadsToDominant(key, next)) next = Chance(rng, 0.5) ? 3 : 1;
        if (next == 4 && i < cadenceStart - 1) next = key.minor ? 5 : 3; // keep the dominant for the cadence
        chords[i].degree = next;
    }
    if (cadence == Cadence::Full) {
        chords[last - 1] = {4, Chance(rng, 0.5)};
        chords[last] = {0, false};
    } else {
        chords[last] = {4, false};
    }
    return chords;
}

} // namespace wispwood::mediagen
