#pragma once
// A game of the game scene kept as what decides it: where and how it was
// started, the generator's seed, and the input of every update that brought
// something new; and how it ended. The same start and input give the same
// game, so a recording replays the game exactly.
//
// The file is text, one item a line:
//   wispwood replay 1        what the file is, and the version of its form
//   location 17              the adventure location played
//   quest normal             or master
//   seed 123456              the game generator's seed as the game started
//   entry slide              the game scene came in with its slide, or instant
//   lives 3                  the player's lives and score as it started
//   score 0
//   hints 1                  the hints setting (lessons) as it started
//   play timed               or relaxed: the player's choice as it started
//                            (a recording made before relaxed play has no
//                            such line, and was timed)
//   cursor hidden place 0,0 mouse 500,400
//                            the keyboard cursor as the game started: shown
//                            or hidden, where it stood, and where it last
//                            saw the mouse ("mouse none": nowhere yet)
//   input                    then the input, one update a line (input_tape.h)
//   result won score 8360 updates 1476 generator 1780394
// The result is won, lost, left (the player left through the pause menu) or
// unfinished (the program ended during the game), the game's score then,
// the updates the game ran, and the state the game's generator was left in:
// a game that went otherwise, even where its score came out the same, drew
// otherwise.
#include "engine/core/text.h"
#include "framework/navigation/nav_cursor.h"
#include "framework/scene/input_tape.h"
#include <cstdint>

namespace wispwood {

enum class LevelOutcome { Playing, Won, Lost, Left };

struct LevelRecording {
    int Location = 0;
    bool MasterQuest = false;
    int32_t Seed = 0;
    bool EnteredWithSlide = true;
    int Lives = 3;
    int Score = 0;
    int Hints = 1;
    bool Relaxed = false;
    NavigationCarry Cursor;
    InputTape Input;
    // Playing: unfinished.
    LevelOutcome Outcome = LevelOutcome::Playing;
    int FinalScore = 0;
    int Updates = 0;
    int32_t Generator = 0;
};

Text LevelOutcomeName(LevelOutcome outcome);

Text RecordingText(const LevelRecording& recording);
// False, with what is wrong (and the line) in error, for a text that is not
// a recording of this form.
bool ParseRecording(const Text& text, LevelRecording& recording, Text& error);
// The file read and parsed; false with the reason in error.
bool LoadRecording(const Text& path, LevelRecording& recording, Text& error);

} // namespace wispwood
