#pragma once
// The shard burst of a cleared piece and the sparkles over a cell.
#include "engine/core/ref.h"
#include "framework/particles/particle.h"
#include <vector>

namespace wispwood {

class Piece;
class PieceDefinition;
class TImage;

// One shard of the burst: its picture and where its centre sits within a
// 48-pixel cell.
class PieceCrumbling {
  public:
    Ref<TImage> Image;
    float offsetx = 0;
    float offsety = 0;
    // Outward drift: shards left of the middle fly left, the others right.
    float dx();
    float dy() { return 0; }
};

extern std::vector<Ref<PieceCrumbling>> CrumbleShards;
extern std::vector<Ref<TImage>> CrumbleFollowers;
// The shards of bursts when the caller names no group of its own.
extern ParticleGroup ShardParticles;

// The six shards and the three follower bits.
void LoadCrumbleShards();

// The burst at a cell's top-left corner (board coordinates). With sparse
// set only about one shard in the shard count is kept; with a definition
// its coloured flash goes off and the sound rises with its colour.
void CrumbleEffect(const Ref<PieceDefinition>& definition, float x, float y, int sparse,
                   ParticleGroup* group);

// count twinkles over the piece's cell, drifting at up to speed.
void Sparkles(Piece& piece, int count, float speed);

// No shards flying.
void ResetCrumble();
// No shard pictures (start-up state).
void ResetCrumbleShards();

} // namespace wispwood
