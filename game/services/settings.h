#pragma once
// The settings file "config.txt" in the per-user data folder. Every key
// lives in the root section; missing keys take their defaults.
#include "framework/data/section_file.h"

namespace wispwood {

extern Ref<GameFile> Settings;

// A settings object for the current user's folder (not read yet).
void CreateSettings();
// Reads the file and supplies every missing key with its default.
void ReadSettings();
// Discards unsaved changes: the file's values again, every key the file
// lacks at its default. Without a readable file every key returns to its
// default, as at a first start (a failed read alone would keep the changed
// values in memory).
void RereadSettings();
// Writes the file; 0 when it could not be written.
int SaveSettings();
// Writes one key's in-memory value into the file at once, leaving the
// file's other keys as they are (unconfirmed changes of an open options
// dialog stay unsaved). 0 when the file could not be written.
int SaveSettingNow(const Text& key);

int GetResX();
int GetResY();
int GetDepth();
int GetWindowed();
int GetHints();
int GetLoadSteps();
float GetSoundVolume();
float GetMusicVolume();
float GetVoiceVolume();
// 1 while every sound is silenced; the volumes keep their values meanwhile.
int GetMuted();
// Calmer effects: no flashes or shaking, fewer and slower sparkles
// (calm_effects.h, which follows this setting whenever it is read or set).
bool GetCalmEffects();

void SetWindowed(int value);
void SetHints(int value);
void SetLoadSteps(int value);
void SetSoundVolume(float value);
void SetMusicVolume(float value);
void SetVoiceVolume(float value);
void SetMuted(int value);
void SetCalmEffects(bool calm);

// No settings object (start-up state).
void ResetSettings();

} // namespace wispwood
