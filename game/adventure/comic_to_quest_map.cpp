#include "game/adventure/comic_to_quest_map.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/comic_page.h"
#include "game/adventure/quest_map.h"

namespace wispwood {

bool LeaveComicForQuestMap(ComicPage& page) {
    if (!PushScene(MakeQuestMap(), 0, 0)) return false;
    page.DeleteFromStack = 1;
    return true;
}

} // namespace wispwood
