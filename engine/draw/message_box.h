#pragma once
// Modal messages to the player, and the application title that windows and
// message boxes carry. Every message also goes to standard error, so a run
// without a display still shows it.
#include "engine/core/text.h"

namespace wispwood {

void SetAppTitle(const Text& title);
const Text& AppTitle();

// serious marks a warning rather than information.
void Notify(const Text& text, int serious = 0);
// 1 when the player answers yes. Without a display nobody can answer, and
// the answer is no.
int Confirm(const Text& text, int serious = 0);

// Answers dialogs in place of the player (for tests and scripted runs): it
// gets the text and whether it is a confirmation, and returns the answer.
// Null restores the message boxes.
using DialogResponder = int (*)(const Text& text, int isConfirm);
void SetDialogResponder(DialogResponder responder);

// Makes run-time errors show a message box when a display exists.
void InstallRuntimeErrorBox();

} // namespace wispwood
