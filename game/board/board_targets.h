#pragma once
// The board's places for the keyboard and pad cursor: every piece in reach
// that the pointer can hover, one stop per group, so the arrows snap from
// group to group and Select clicks the group as the mouse would.
namespace wispwood {

class NavTargets;

// Adds the hoverable pieces, each group's pieces sharing a group number;
// the cursor starts on the lowest piece nearest the middle of the board
// that a running lesson lets the player click.
void AddBoardTargets(NavTargets& targets);

} // namespace wispwood
