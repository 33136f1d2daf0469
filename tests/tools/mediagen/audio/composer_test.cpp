// The composer writes music a listener would accept as music: it stays in
// its key, its phrases close with cadences, its melodies move mostly by
// step with chord tones on the strong beats, and a seed always gives the
// same piece.
#include "tools/mediagen/audio/composer.h"
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood::mediagen {
namespace {

const Key kC{0, false}, kAMinor{9, true};

bool InKey(const Key& key, int midi) {
    auto scale = ScaleOver(key, {0, false});
    auto raised = ScaleOver(key, {4, false}); // the leading tone of minor keys
    int pc = PitchClass(midi);
    return std::count(scale.begin(), scale.end(), pc) || std::count(raised.begin(), raised.end(), pc);
}

TEST(Composer, ChordsAreBuiltOnTheScaleWithTheLeadingToneInMinor) {
    EXPECT_EQ(ChordPitchClasses(kC, {0, false}), (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(ChordPitchClasses(kC, {4, true}), (std::vector<int>{7, 11, 2, 5}));
    EXPECT_EQ(ChordPitchClasses(kAMinor, {0, false}), (std::vector<int>{9, 0, 4}));
    EXPECT_EQ(ChordPitchClasses(kAMinor, {4, false}), (std::vector<int>{4, 8, 11})); // E major
    EXPECT_EQ(ChordPitchClasses(kAMinor, {3, false}), (std::vector<int>{2, 5, 9}));
}

TEST(Composer, ProgressionsEndInTheirCadence) {
    for (uint64_t seed = 1; seed <= 200; ++seed) {
        Rng rng(seed);
        const Key& key = seed % 2 ? kC : kAMinor;
        auto full = MakeProgression(rng, key, 4, Cadence::Full, 0);
        ASSERT_EQ(full.size(), 4u);
        EXPECT_EQ(full[0].degree, 0);
        EXPECT_EQ(full[2].degree, 4);
        EXPECT_EQ(full[3].degree, 0);
        auto half = MakeProgression(rng, key, 4, Cadence::Half, 3);
        EXPECT_EQ(half[0].degree, 3);
        EXPECT_EQ(half[3].degree, 4);
        EXPECT_NE(half[2].degree, 4) << "the dominant arrives only at the cadence";
    }
}

TEST(Composer, MelodiesMoveByStepLandOnCadenceNotesAndKeepTheirRange) {
    int steps = 0, moves = 0, strongChordTones = 0, strong = 0;
    for (uint64_t seed = 1; seed <= 100; ++seed) {
        Rng rng(seed);
        const Key& key = seed % 2 ? kC : kAMinor;
        const MelodyRange range{69, 84};
        auto chords = MakeProgression(rng, key, 4, Cadence::Full, 0);
        auto tune = MakeMelody(rng, key, chords, 4, Cadence::Full, range, nullptr, 0);
        ASSERT_FALSE(tune.empty());
        double beat = 0;
        for (size_t i = 0; i < tune.size(); ++i) {
            const MelodyNote& n = tune[i];
            EXPECT_DOUBLE_EQ(n.beat, beat) << "notes follow each other without gaps";
            beat += n.length;
            EXPECT_GE(n.midi, range.low);
            EXPECT_LE(n.midi, range.high);
            EXPECT_TRUE(InKey(key, n.midi));
            if (i > 0) {
                moves++;
                steps += std::abs(n.midi - tune[i - 1].midi) <= 2;
            }
            if (std::fmod(n.beat, 2.0) == 0) {
                auto tones = ChordPitchClasses(key, chords[size_t(n.beat / 4)]);
                strong++;
                strongChordTones += std::count(tones.begin(), tones.end(), PitchClass(n.midi)) > 0;
            }
        }
        EXPECT_DOUBLE_EQ(beat, 16.0) << "the phrase fills its four bars";
        EXPECT_EQ(PitchClass(tune.back().midi), key.tonic) << "a full cadence ends on the tonic";

        auto halfChords = MakeProgression(rng, key, 4, Cadence::Half, 0);
        auto half = MakeMelody(rng, key, halfChords, 3, Cadence::Half, range, nullptr, 0);
        auto dominant = ChordPitchClasses(key, {4, false});
        EXPECT_TRUE(std::count(dominant.begin(), dominant.end(), PitchClass(half.back().midi)))
            << "a half cadence stops on a tone of the dominant";
    }
    EXPECT_GT(double(steps) / moves, 0.5);
    EXPECT_GT(double(strongChordTones) / strong, 0.85);
}

TEST(Composer, AnAnsweringPhraseOpensLikeTheQuestion) {
    Rng rng(7);
    auto chords = MakeProgression(rng, kC, 4, Cadence::Half, 0);
    auto question = MakeMelody(rng, kC, chords, 4, Cadence::Half, {67, 84}, nullptr, 0);
    auto answerChords = chords;
    answerChords[2] = {4, false};
    answerChords[3] = {0, false};
    auto answer = MakeMelody(rng, kC, answerChords, 4, Cadence::Full, {67, 84}, &question, 2);
    for (size_t i = 0; i < question.size() && question[i].beat < 8; ++i) {
        ASSERT_LT(i, answer.size());
        EXPECT_EQ(answer[i].midi, question[i].midi);
        EXPECT_EQ(answer[i].beat, question[i].beat);
    }
    EXPECT_EQ(PitchClass(answer.back().midi), 0);
}

TEST(Composer, ASeedAlwaysGivesTheSamePieceAndAnotherSeedAnother) {
    const PieceStyle style{42, {2, false}, 100, 4, Instrument::Flute, Instrument::Celesta, 1, false, 1};
    Score a = ComposePiece(style), b = ComposePiece(style);
    ASSERT_EQ(a.notes.size(), b.notes.size());
    for (size_t i = 0; i < a.notes.size(); ++i) {
        EXPECT_EQ(a.notes[i].midi, b.notes[i].midi);
        EXPECT_EQ(a.notes[i].beat, b.notes[i].beat);
    }
    PieceStyle other = style;
    other.seed = 43;
    Score c = ComposePiece(other);
    auto melody = [](const Score& s) {
        std::vector<int> m;
        for (const ScoreNote& n : s.notes)
            if (n.instrument == Instrument::Flute) m.push_back(n.midi);
        return m;
    };
    EXPECT_NE(melody(a), melody(c));
}

TEST(Composer, APieceHasItsFormAndStaysInItsKey) {
    for (int beatsPerBar : {3, 4}) {
        const PieceStyle style{9, {9, true}, 100, beatsPerBar, Instrument::Flute, Instrument::Harp,
                               2, true,      1};
        Score score = ComposePiece(style);
        // intro 2 + A 8 + A 8 + B 8 + A 8 + coda 3 bars
        EXPECT_EQ(score.lengthBeats, 37.0 * beatsPerBar);
        EXPECT_FALSE(score.hits.empty());
        bool leadPlays = false, secondLeads = false;
        for (const ScoreNote& n : score.notes) {
            EXPECT_GE(n.beat, 0.0);
            EXPECT_LT(n.beat, score.lengthBeats);
            // The walking bass may approach a root chromatically; all else is in A minor.
            if (n.instrument != Instrument::Bass) {
                EXPECT_TRUE(InKey(style.key, n.midi)) << n.midi;
            }
            leadPlays |= n.instrument == Instrument::Flute;
            secondLeads |= n.instrument == Instrument::Harp && n.midi >= 60 && n.beat >= 18 * beatsPerBar &&
                           n.beat < 26 * beatsPerBar;
        }
        EXPECT_TRUE(leadPlays);
        EXPECT_TRUE(secondLeads) << "the middle section is led by the second voice";
    }
}

} // namespace
} // namespace wispwood::mediagen
