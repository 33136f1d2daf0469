#include "game/adventure/comic_to_quest_map.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/comic_page.h"
#include "game/adventure/quest_map.h"

namespace wispwood {

void LeaveComicForQuestMap(ComicPage& page) {
    PushScene(MakeQuestMap(), 0, 0);
    page.DeleteFromStack = 1;
}

} // namespace wispwood
