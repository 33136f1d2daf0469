#include "game/services/settings.h"
#include "engine/io/text_convert.h"
#include "framework/particles/calm_effects.h"
#include "game/services/save_report.h"
#include "game/services/start_flags.h"
#include "game/services/user_data.h"

namespace wispwood {

Ref<GameFile> Settings;

namespace {

// Defaults in the order they are asserted.
const std::pair<const char*, const char*> kDefaults[] = {
    {"resx", "800"},        {"resy", "600"},    {"depth", "32"},        {"windowed", "0"},
    {"hints", "1"},         {"loadsteps", "1"}, {"soundvolume", "1.0"}, {"musicvolume", "0.8"},
    {"voicevolume", "0.8"}, {"muted", "0"},     {"calmeffects", "0"},
};

GameFile& File() {
    if (!Settings) CreateSettings();
    return *Settings;
}

int GetInt(const char* key) {
    return TextToInt(File().GetData(key));
}
float GetFloat(const char* key) {
    return TextToFloat(File().GetData(key));
}
void SetInt(const char* key, int value) {
    File().AddData(key, IntToText(value));
}
void SetFloat(const char* key, float value) {
    File().AddData(key, FloatToText(value));
}

// The effects everything draws follow the setting whenever it changes.
void FollowEffectsSetting() {
    CalmEffects = GetCalmEffects();
}

} // namespace

void CreateSettings() {
    Settings = GameFile::Create(UserDataPath() + "config.txt");
}

void ReadSettings() {
    GameFile& file = File();
    file.Read();
    for (const auto& [key, value] : kDefaults) file.AssertData(key, value);
    FollowEffectsSetting();
}

void RereadSettings() {
    GameFile& file = File();
    if (file.Read()) {
        for (const auto& [key, value] : kDefaults) file.AssertData(key, value);
    } else {
        file.SetNode("");
        for (const auto& [key, value] : kDefaults) file.AddData(key, value);
    }
    FollowEffectsSetting();
}

// A replay's game may open the options dialog or press the keys that change
// the display and the sound; what it changes is not the watcher's to keep.
int SaveSettings() {
    if (ReplayMode) return 1;
    if (File().Write()) return 1;
    ReportSaveFailure(File().Path);
    return 0;
}

int SaveSettingNow(const Text& key) {
    if (ReplayMode) return 1;
    GameFile& file = File();
    Ref<GameFile> onDisk = GameFile::Create(file.Path);
    // Without a readable file there is nothing to keep apart: the whole
    // in-memory state is what the next start would assume anyway.
    if (!onDisk->Read()) return SaveSettings();
    onDisk->SetNode("");
    onDisk->AddData(key, file.GetData(key));
    if (onDisk->Write()) return 1;
    ReportSaveFailure(onDisk->Path);
    return 0;
}

int GetResX() {
    return GetInt("resx");
}
int GetResY() {
    return GetInt("resy");
}
int GetDepth() {
    return GetInt("depth");
}
int GetWindowed() {
    return GetInt("windowed");
}
int GetHints() {
    return GetInt("hints");
}
int GetLoadSteps() {
    return GetInt("loadsteps");
}
float GetSoundVolume() {
    return GetFloat("soundvolume");
}
float GetMusicVolume() {
    return GetFloat("musicvolume");
}
float GetVoiceVolume() {
    return GetFloat("voicevolume");
}
int GetMuted() {
    return GetInt("muted");
}
bool GetCalmEffects() {
    return GetInt("calmeffects") != 0;
}

void SetWindowed(int value) {
    SetInt("windowed", value);
}
void SetHints(int value) {
    SetInt("hints", value);
}
void SetLoadSteps(int value) {
    SetInt("loadsteps", value);
}
void SetSoundVolume(float value) {
    SetFloat("soundvolume", value);
}
void SetMusicVolume(float value) {
    SetFloat("musicvolume", value);
}
void SetVoiceVolume(float value) {
    SetFloat("voicevolume", value);
}
void SetMuted(int value) {
    SetInt("muted", value);
}
void SetCalmEffects(bool calm) {
    SetInt("calmeffects", calm ? 1 : 0);
    FollowEffectsSetting();
}

void ResetSettings() {
    Settings.reset();
}

} // namespace wispwood
