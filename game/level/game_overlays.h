#pragma once
// The frame pictures laid over the edges of the play area.
namespace wispwood {

enum class GameOverlay { TopLeft, Right, BottomLeft, BottomLeftMask };

void LoadGameOverlays();
// Draws one overlay at its screen edge with alpha blending.
void RenderGameOverlay(GameOverlay which);
void ResetGameOverlays();

} // namespace wispwood
