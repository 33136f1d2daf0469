#pragma once
// Outlines around the selected group (bright) and the hovered group of the
// selected colour (faint), built from edge and corner sprites.
#include "framework/particles/particle.h"

namespace wispwood {

extern ParticleGroup SelectionOutline; // group 0
extern ParticleGroup HoverOutline;     // group 1

// Sprites around the selected pieces (set 1) or the hovered ones (any
// other set), into group 0 or 1.
void BuildOutline(int set, int group);
// The group's lasting sprites die within 10 updates; with remove set they
// also leave the group at once.
void FadeOutline(int group, int remove);
// Every update: fades what has no pieces left and raises the alphas.
void UpdateOutlines();
// Fades the selection when nothing is selected or the quota effect has run.
void FadeSelectionIfIdle();
// When the hovered piece changed: outlines a hovered group of the selected
// colour, keeping the alpha the old outline had reached.
void UpdateHoverOutline();
// The start alpha of the first live sprite of the group (0 when none).
float OutlineAlpha(int group);
// Gives the group's sprites from position `from` on that start alpha.
void SetOutlineAlpha(int group, float alpha, int from = 0);
// Moves both outlines down with the board.
void ScrollOutlines(float v);
void RenderOutlines();

void ResetOutlines();

} // namespace wispwood
