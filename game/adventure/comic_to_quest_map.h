#pragma once
// Where a comic shown after a won level hands over to the quest map.
namespace wispwood {

class ComicPage;

// Leaves the page for the quest map; false when the change was refused (a
// transition runs), so the page stays and the player may try again.
bool LeaveComicForQuestMap(ComicPage& page);

} // namespace wispwood
