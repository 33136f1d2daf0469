#pragma once
// The running lessons. Only the first one is updated and drawn; the others
// wait their turn. While any is listed the level clock stands still, the
// right button keeps the selection, and the lessons may refuse clicks.
#include "engine/core/ref.h"
#include <vector>

namespace wispwood {

class Piece;
class TutorialObject;

extern std::vector<Ref<TutorialObject>> Tutorials;

// Appends a lesson that has been initialised.
void AddTutorial(const Ref<TutorialObject>& lesson);
// Takes the lesson out of the list (nothing when it is not listed).
void RemoveTutorial(const TutorialObject* lesson);
void ClearTutorials();
void UpdateTutorial();
void RenderTutorial();
int TutorialCount();
// 1 when any lesson keeps the player off the piece (with null: off what is
// under the mouse).
int TutorialClickDisallowed(const Ref<Piece>& piece);

} // namespace wispwood
