#include "game/adventure/comic_to_quest_map.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/comic_page.h"

namespace wispwood {

// MERGE NOTE: this is the one place where a comic hands over to the quest
// map. With the quest map scene in the tree it becomes:
//     if (!PushScene(New<QuestMap>(), 0, 0)) return false;
//     page.DeleteFromStack = 1;
//     return true;
// Until then the page returns to the scene below it, as the game scene did
// before comics existed.
bool LeaveComicForQuestMap(ComicPage& page) {
    Ref<GameLoop> top = TopScene();
    if (top.get() != &page || TransitionInProgress()) return false;
    page.DeleteFromStack = 1;
    PopScene(top, 1);
    return true;
}

} // namespace wispwood
