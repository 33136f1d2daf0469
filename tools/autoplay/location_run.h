#pragma once
// One location played to its end by the bot through the real game scene:
// the scene's own update, run back to back on a manual clock.

namespace wispwood::autoplay {

struct LocationRun {
    int location = 0;
    int seed = 0;
    bool won = false;
    // Of the first board level: the share of its time limit left when its
    // quota was met and the board emptied (1 for an untimed level), and
    // the medal that earns (0 bronze, 1 silver, 2 gold).
    double timeLeftShare = 0;
    int medal = 0;
    int score = 0;
    int stuckRecoveries = 0;
    int updates = 0;
    double cpuSeconds = 0;
};

// The game must have been opened (OpenSession). Each run starts from a
// fresh profile with three lives; losing a life counts as a loss.
// fastPace: the bot clicks at its quickest, without looking for pairs.
// toTheEnd: the game is played on to its end, through retries and the
// tally's "ok", as a recording of it needs; otherwise the run stops where
// its result is known.
LocationRun PlayLocation(int location, int seed, bool masterQuest, bool fastPace = false,
                         bool toTheEnd = false);

// The generator seed a run starts from: distinct per location and seed.
int RunSeed(int location, int seed);

} // namespace wispwood::autoplay
