#pragma once
// The recipe of every sound, named after its file. Each renders the sound
// before mastering (levels are set by the catalogue's mastering).
#include "tools/mediagen/audio/catalog.h"
#include "tools/mediagen/audio/sound_kit.h"

namespace wispwood::mediagen {

inline SoundCanvas EffectCanvas(const char* name) {
    return SoundCanvas(kEffectRate, HashName(name));
}

// Board and powerups.
Pcm TileClick();
Pcm TileMatch();
Pcm TileExplode();
Pcm PieceHitPiece();
Pcm PieceHitGround();
Pcm GoldRow();
Pcm PointsAppear();
Pcm TileFlip();
Pcm RowCreate();
Pcm Cheif();
Pcm PowerupSound();
Pcm Earthquake();
Pcm VineActivate();
Pcm VineGold();
Pcm VineBlow();
Pcm FairyReleased();
Pcm FlowerPop();
Pcm GemReleased();
Pcm GemFlip();

// Menus, map, tally, bonus game and celebrations.
Pcm GuiHit();
Pcm GuiOver();
Pcm LargeCombo();
Pcm Staff();
Pcm SilverReveal();
Pcm GoldReveal();
Pcm TimeTick();
Pcm TimeDone();
Pcm TextWhoosh();
Pcm ConfettiShoot();
Pcm ConfettiBoom();
Pcm BonusFlip();
Pcm BonusReveal();
Pcm BonusCorrect();
Pcm Mistake();
Pcm ScoreMagicStart();
Pcm ScoreMagicDone();

// Jingles.
Pcm LevelComplete();
Pcm OutOfTime();
Pcm GameOver();
Pcm BonusGamePerfect();
Pcm BonusGameNotPerfect();
Pcm StartGame();
Pcm MagicalReveal();
Pcm ExitPlayingGame();
Pcm ExitGameTotally();
Pcm GetHighScore();
Pcm QuestCompleted();
Pcm MedalAwarded();

// Music.
Pcm MenuMusic();
Pcm GameMusic0();
Pcm GameMusic1();
Pcm GameMusic2();
Pcm GameMusic3();

} // namespace wispwood::mediagen
