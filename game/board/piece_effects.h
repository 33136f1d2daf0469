#pragma once
// The small effects pieces make on their own: sparkles as they are created,
// the twinkle and the glint of a reachable powerup, and the shimmer and
// points of a gold piece leaving.
#include "engine/core/ref.h"

namespace wispwood {

class Piece;
class Effect;

void CreationSparkles(Piece& piece);
void PowerupTwinkle(Piece& piece, float x, float y);
// Keeps a glint over a reachable powerup, now and then.
void PowerupShine(Piece& piece);
void GoldRemovalEffect(Piece& piece);
// The piece a powerup glint sits on, or null for any other effect.
Ref<Piece> PieceGlintOwner(const Effect& effect);

} // namespace wispwood
