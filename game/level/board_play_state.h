#pragma once
// Everything of play on the board back to its start-up state: the board
// model, paths, selection, clear pass, effects, popups and score.
namespace wispwood {

void ResetBoardPlayState();

// The start of a game: what the last game left on and around the board
// goes, while the level set to play, the loaded pictures and the colour
// definitions stay.
void ResetGameBoardState();

} // namespace wispwood
