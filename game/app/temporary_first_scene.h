#pragma once
// TEMPORARY: stands in for the main menu until the menu exists. The loading
// screen hands over to it; Enter or a click opens the quest map, Escape or
// the close button quits in order.
#include "framework/scene/game_loop.h"

namespace wispwood {

class TemporaryFirstScene : public GameLoop {
public:
    int Update() override;
    int Render() override;
    int Init() override { return 0; }
};

Ref<GameLoop> MakeTemporaryFirstScene();

} // namespace wispwood
