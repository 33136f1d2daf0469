#pragma once
// Which comics of the story a player may read again: each one opens with
// the temple (or the first location) whose win shows it.
namespace wispwood {

constexpr int ComicCount = 6;

// The number of comics unlocked (1 to 6) at the given next quest location.
int UnlockedComics(int currentAdventure);

} // namespace wispwood
