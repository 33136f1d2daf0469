#pragma once
// Where a comic shown after a won level hands over to the quest map.
namespace wispwood {

class ComicPage;

// Leaves the page for the quest map.
void LeaveComicForQuestMap(ComicPage& page);

} // namespace wispwood
