#pragma once
// Where the main menu's play and master-quest buttons lead once a quest has
// begun. The quest map takes this over: make PushQuestMap push a new
// QuestMap (game/adventure/quest_map.h) and return PushScene's answer.
namespace wispwood {

// The quest continues: 1 when the next scene was pushed (the menu then
// plays the start jingle), 0 when it was refused (a transition is running).
int PushQuestMap();

} // namespace wispwood
