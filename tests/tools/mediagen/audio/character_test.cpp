// Listening checks: measures that stand in for hearing whether a sound has
// the character its moment in the game asks for.
#include "tests/tools/mediagen/audio/audio_probe.h"
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood::mediagen {
namespace {

using namespace probe;

struct Heard {
    Pcm pcm;
    Mono mono;
    std::vector<double> spectrum;
};

Heard Listen(const std::string& path, double from = 0, double to = 1e9) {
    auto pcm = HeardFile(ItemNamed(path));
    if (!pcm) throw std::runtime_error(path + " does not decode");
    Heard h{*pcm, MonoPart(*pcm, from, to), {}};
    h.spectrum = PowerSpectrum(h.mono, h.pcm.rate);
    return h;
}

TEST(AudioCharacter, TheTileClickIsShortAndBright) {
    Heard click = Listen("media/sound/tileclick.ogg");
    EXPECT_LE(click.pcm.Seconds(), 0.1);
    EXPECT_LT(EnergyTime(click.mono, click.pcm.rate, 0.9), 0.03);
    EXPECT_GT(Centroid(click.spectrum, click.pcm.rate), 2000.0);
}

TEST(AudioCharacter, TheEarthquakeIsLowLongAndFadesAway) {
    Heard quake = Listen("media/sound/earthquake.ogg");
    EXPECT_GE(quake.pcm.Seconds(), 2.5);
    EXPECT_GT(BandShare(quake.spectrum, quake.pcm.rate, 0, 250), 0.7);
    EXPECT_LT(Centroid(quake.spectrum, quake.pcm.rate), 500.0);
    const double end = quake.pcm.Seconds();
    EXPECT_LT(RmsOf(MonoPart(quake.pcm, end - 0.5, end)), RmsOf(MonoPart(quake.pcm, 0, 1)) * DbToGain(-12));
}

TEST(AudioCharacter, TheCoinRingsOnItsNotes) {
    // B5 then E6: the second strike dominates once it sounds.
    Heard coin = Listen("media/sound/vinegold.ogg", 0.09, 0.3);
    EXPECT_NEAR(DominantHz(coin.spectrum, coin.pcm.rate), 1318.5, 20.0);
    Heard first = Listen("media/sound/vinegold.ogg", 0.0, 0.065);
    EXPECT_NEAR(DominantHz(first.spectrum, first.pcm.rate), 987.8, 30.0);
}

TEST(AudioCharacter, LandingOnTheFloorIsDullerThanLandingOnAPiece) {
    Heard onPiece = Listen("media/sound/piecehitpiece.ogg");
    Heard onFloor = Listen("media/sound/piecehitground.ogg");
    EXPECT_LT(Centroid(onFloor.spectrum, onFloor.pcm.rate), Centroid(onPiece.spectrum, onPiece.pcm.rate));
    EXPECT_GT(BandShare(onFloor.spectrum, onFloor.pcm.rate, 0, 300), 0.5);
}

TEST(AudioCharacter, SoundsPlayedFasterKeepTheirWeightBelowTheTop) {
    // The game raises these by up to 1.7 times; what is under 6 kHz stays
    // under about 10 kHz then, instead of turning into a hiss.
    for (const char* path : {"media/sound/tileexplode.ogg", "media/sound/gold-row.ogg",
                             "media/sound/vinegold.ogg", "media/sound/timetick.ogg"}) {
        Heard h = Listen(path);
        EXPECT_GT(BandShare(h.spectrum, h.pcm.rate, 0, 6000), 0.75) << path;
    }
}

TEST(AudioCharacter, TheTimeTickIsVeryShortAndTheGoodbyeEndsBeforeTheProgramDoes) {
    EXPECT_LE(Listen("media/sound/timetick.ogg").pcm.Seconds(), 0.06);
    EXPECT_LE(Listen("media/sound/guiover.ogg").pcm.Seconds(), 0.06);
    EXPECT_LE(Listen("media/jingles/exitgametotally.ogg").pcm.Seconds(), 1.5);
}

TEST(AudioCharacter, ChimesAreTonalAndTheBurstIsNoisy) {
    // A chime's power gathers in a few partials; a crumble spreads out.
    auto peakiness = [](const std::vector<double>& s) {
        double sum = 0, top = 0;
        for (double p : s) {
            sum += p;
            top = std::max(top, p);
        }
        return top / sum;
    };
    Heard match = Listen("media/sound/tilematch.ogg");
    Heard burst = Listen("media/sound/tileexplode.ogg");
    EXPECT_GT(peakiness(match.spectrum), 10 * peakiness(burst.spectrum));
}

TEST(AudioCharacter, TheGameOverJingleIsInAMinorAndTheFanfaresInMajor) {
    // The closing pitch of the low voices names the key the phrase ends in.
    auto lastBass = [](const char* path, double from) {
        Heard h = Listen(path, from, from + 0.6);
        // Look for the strongest low note only.
        std::vector<double> low(h.spectrum.begin(), h.spectrum.begin() + 1024 * 300 / h.pcm.rate);
        return DominantHz(low, h.pcm.rate);
    };
    double gameOver = lastBass("media/jingles/gameover.ogg", 1.6);
    EXPECT_NEAR(std::fmod(12 * std::log2(gameOver / 55.0) + 120.5, 12.0), 0.5, 0.5)
        << gameOver << " Hz is not an A";
    double fanfare = lastBass("media/jingles/levelcomplete.ogg", 0.6);
    EXPECT_NEAR(std::fmod(12 * std::log2(fanfare / 65.41) + 120.5, 12.0), 0.5, 0.5)
        << fanfare << " Hz is not a C";
}

} // namespace
} // namespace wispwood::mediagen
