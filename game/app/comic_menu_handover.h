#pragma once
// Where the main menu's book leads: the comic collection. The comic menu
// takes this over: make ComicMenuExists return 1 and OpenComicMenu push a
// new ComicMenu (game/adventure/comic_menu.h), returning PushScene's
// answer. ComicLogoScene is set by the menu before the call.
namespace wispwood {

// 0 while the game has no comic menu: the book is shown but does not open.
int ComicMenuExists();
// 1 when the comic menu was pushed, 0 when it was refused.
int OpenComicMenu();

} // namespace wispwood
