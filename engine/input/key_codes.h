#pragma once
// Key codes are the platform virtual-key numbers the game was written
// against: letters by their capital ASCII code, digits by theirs, and the
// numbers below for the rest.
namespace wispwood {

constexpr int KeyBackspace = 8;
constexpr int KeyTab = 9;
constexpr int KeyReturn = 13;
constexpr int KeyShift = 16;
constexpr int KeyControl = 17;
constexpr int KeyAlt = 18;
constexpr int KeyPause = 19;
constexpr int KeyCapsLock = 20;
constexpr int KeyEscape = 27;
constexpr int KeySpace = 32;
constexpr int KeyPageUp = 33;
constexpr int KeyPageDown = 34;
constexpr int KeyEnd = 35;
constexpr int KeyHome = 36;
constexpr int KeyArrowLeft = 37;
constexpr int KeyArrowUp = 38;
constexpr int KeyArrowRight = 39;
constexpr int KeyArrowDown = 40;
constexpr int KeyPrintScreen = 44;
constexpr int KeyInsert = 45;
constexpr int KeyDelete = 46;
constexpr int Key0 = 48;
constexpr int KeyA = 65;
constexpr int KeyLeftSystem = 91;
constexpr int KeyRightSystem = 92;
constexpr int KeyMenu = 93;
constexpr int KeyNumpad0 = 96;
constexpr int KeyNumpadMultiply = 106;
constexpr int KeyNumpadAdd = 107;
constexpr int KeyNumpadSubtract = 109;
constexpr int KeyNumpadDecimal = 110;
constexpr int KeyNumpadDivide = 111;
constexpr int KeyF1 = 112;
constexpr int KeyNumLock = 144;
constexpr int KeyScrollLock = 145;
constexpr int KeySemicolon = 186;
constexpr int KeyPlus = 187; // the = + key
constexpr int KeyComma = 188;
constexpr int KeyMinus = 189;
constexpr int KeyPeriod = 190;
constexpr int KeySlash = 191;
constexpr int KeyBackquote = 192;
constexpr int KeyOpenBracket = 219;
constexpr int KeyBackslash = 220;
constexpr int KeyCloseBracket = 221;
constexpr int KeyQuote = 222;
constexpr int KeyExtraBackslash = 226; // the key beside left shift on ISO keyboards

// The key code of an SDL key. The keycode (what the key types in the current
// layout) decides; a keycode outside the table falls back to the key's
// position on a US keyboard (the scancode). 0 for a key without a code.
int KeyCodeFromSDL(int sdlKeycode, int sdlScancode);

} // namespace wispwood
