#pragma once
// The start of a game, as far as the board and its effects are concerned.
namespace wispwood {

// The start of a game: what the last game left on and around the board
// goes, while the level set to play, the loaded pictures and the colour
// definitions stay.
void ResetGameBoardState();

} // namespace wispwood
