#pragma once
// Everything of play on the board back to its start-up state: the board
// model, paths, selection, clear pass, effects, popups and score.
namespace wispwood {

void ResetBoardPlayState();

} // namespace wispwood
