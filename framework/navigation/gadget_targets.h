#pragma once
// The widgets the cursor can stand on: the gadgets of a container's open
// dialog (the topmost one) that can be clicked now.
namespace wispwood {

class guiContainer;
class NavTargets;

// Adds the clickable, active, visible gadgets of root's topmost dialog (of
// root itself when none is open) that lie on the screen, in creation order;
// the dialog's NavStart becomes the targets' start unless one is set.
void AddGadgetTargets(guiContainer& root, NavTargets& targets);
// Whether root or one of its dialogs is open over it.
bool DialogOpen(const guiContainer& root);

} // namespace wispwood
