#pragma once
// The three gems of a perfect bonus game: they fade in under the grid one
// after another, wait, and fly to the gem counter of the side panel. They
// count for the level at once, so a level that ends before they arrive
// keeps them.
namespace wispwood {

class ParticleGroup;

constexpr int PerfectBonusGems = 3;

// The gems into group; the first one rings as it is released.
void ReleasePerfectGems(ParticleGroup& group);

} // namespace wispwood
