#pragma once
// The memory game of a bonus level: fairies show themselves under some of
// the tiles, hide again at the player's click, and must then be found.
// Each find scores 1000 more than the last; a wrong click breaks its tile,
// starts the scoring over and spoils the perfect game that earns 3 gems.
#include "engine/core/ref.h"
#include "framework/particles/particle.h"
#include "game/level/bonus_patterns.h"
#include <array>

namespace wispwood {

class BonusBrick;

enum BonusPhases { BonusShow = 0, BonusFind = 1, BonusClear = 2, BonusFinish = 3 };

// [column][row]; a removed tile leaves an empty cell.
extern std::array<std::array<Ref<BonusBrick>, BonusRows>, BonusColumns> BonusGrid;
extern int FairyCount;
extern int BonusPhase;
extern int BonusStep; // the points of the next correct click
extern float BonusTimer;
extern int BonusStarted;
extern int BonusPerfect;
extern int HideClicked;
extern int FairiesFound;
extern int StartDelay;
extern float ClickTextGlow;
extern float ClickPromptFade; // the "click" prompt fades out after the hide click
// Bursts, crumbs, fairies and gems of the bonus game, screen coordinates.
extern ParticleGroup BonusParticles;

// The current level's bonus game from the start: the grid of its pattern.
void BuildBonusGrid();
// While the game is paused only its sparkles move on.
void UpdateBonusGame(bool paused);
void RenderBonusGame();
// 1 once the finish has played out: the level is complete.
int BonusGameOver();
// The fade of the whole bonus display.
float BonusFadeAlpha();
// The first bonus game of the quest plays the easier pattern.
int FirstBonusGame();
// The grid's left edge and its first row's top on screen.
int BonusGridLeft();
int BonusGridTop();
// Where slot i of the found-fairy counter is drawn (its top-left corner).
float CounterSlotX(int i);
float CounterSlotY();
// 1 while the mouse is over the "click" prompt.
int MouseOverClickPrompt();

// No grid, every counter at its start.
void ResetBonusGame();

} // namespace wispwood
