#pragma once
// Extra lives: a matched pair sends its two halves flying to the board's
// top corners (extra_life_flight.h); the one that reaches the left corner
// gives the player a life.
namespace wispwood {

// One more life for the current player, with sparkles round the lives
// display.
void GainLife();

} // namespace wispwood
