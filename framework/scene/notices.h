#pragma once
// Short notices over whatever screen is showing, for what the player must
// know at once (a save that failed): a line of text in a dark band at the
// top of the screen, which fades out after a few seconds. The frame loop
// updates and draws them over the scene, so no scene has to.
#include "engine/core/ref.h"
#include "engine/core/text.h"

namespace wispwood {

class Font;

// Shows the text in the font (the same text again while it shows only
// keeps it up longer).
void PostNotice(const Text& text, const Ref<Font>& font);
// The texts showing now, oldest first.
TextArray ShownNotices();

// The frame loop's steps: per update, and per frame after the scene.
void UpdateNotices();
void DrawNotices();

// None showing (start-up state).
void ResetNotices();

} // namespace wispwood
