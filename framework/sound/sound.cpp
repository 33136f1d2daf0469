#include "framework/sound/sound.h"
#include "engine/audio/audio.h"
#include "engine/io/print_line.h"
#include "engine/io/text_routines.h"
#include "framework/scene/input_snapshot.h"
#include "framework/sound/music_scene.h"

namespace wispwood {

namespace {

Ref<Sound> MakeSilentSound() {
    auto silent = New<Sound>();
    silent->Dummy = 1;
    return silent;
}

} // namespace

float EffectsVolume = 1.0f;
float MusicVolume = 1.0f;
float VoiceVolume = 1.0f;
float MusicDuck = 1.0f;
Ref<Sound> SilentSound = MakeSilentSound();
TList<Ref<Sound>> AllSounds;
TList<Ref<ActiveChannel>> ActiveChannels;
TList<Ref<CuedSound>> CuedSounds;
TRandom SoundChoices;

namespace {

constexpr float kDuckFall = 0.02f;
constexpr float kDuckRise = 0.008f;
constexpr float kLowestDuck = 0.2f;
constexpr float kDuckSnap = 1e-4f;
constexpr float kSceneFadeStep = 0.05f;

int CopiesPlaying(const Sound* sound) {
    int count = 0;
    for (const auto& record : ActiveChannels)
        if (record->BaseSound.get() == sound) ++count;
    return count;
}

} // namespace

float CurrentMusicVolume() {
    if (GameWindowInactive()) return 0;
    return MusicDuck * MusicVolume;
}

float CategoryVolume(const Sound& sound) {
    if (sound.Jingle) return 0.75f * (EffectsVolume + MusicVolume) / 2;
    if (sound.Music) return CurrentMusicVolume();
    if (sound.VoiceOver) return VoiceVolume;
    return EffectsVolume;
}

Ref<ActiveChannel> Sound::Play(int ownChannel) {
    if (Dummy || Handle.empty()) return nullptr;
    if (MaxInstances != -1 && CopiesPlaying(this) >= MaxInstances) return nullptr;
    GameVolume = CategoryVolume(*this);
    const Ref<TSound>& recording = Handle[SoundChoices.Int(0, static_cast<int>(Handle.size()) - 1)];
    Ref<TChannel> channel;
    if (ownChannel) {
        if (Playing()) Stop();
        if (!Channel) Channel = AllocChannel();
        channel = PrepareSound(recording, Channel);
    } else {
        channel = PrepareSound(recording);
    }
    if (!channel) return nullptr;
    SetChannelVolume(channel, Volume * GameVolume * OverallVolume);
    ResumeChannel(channel);
    return ActiveChannel::Create(channel, shared_from_this(), Volume);
}

void Sound::PlayIn(int updates) {
    if (Dummy) return;
    auto cue = New<CuedSound>();
    cue->s = shared_from_this();
    cue->time = updates;
    CuedSounds.AddLast(cue);
}

int Sound::Playing() {
    if (Dummy || !Channel) return 0;
    return ChannelPlaying(Channel);
}

void Sound::Stop() {
    if (Dummy) return;
    StopChannel(Channel);
}

void Sound::SetVolume(float v) {
    if (Dummy) return;
    for (const auto& record : ActiveChannels)
        if (record->BaseSound.get() == this) record->Volume = v;
    Volume = v;
    if (Channel) SetChannelVolume(Channel, v * OverallVolume * GameVolume);
}

Ref<Sound> SoundWrapper::Load(const TextArray& names, int flags, int music) {
    auto sound = New<Sound>();
    bool complete = !names.empty();
    // Music is long and plays one track at a time: it stays compressed.
    if (music) flags |= SoundFlagStream;
    for (const Text& name : names) {
        Ref<TSound> recording = LoadSound(name, flags);
        if (!recording) recording = LoadSound(ReplaceText(name, ".ogg", ".wav"), flags);
        if (!recording) {
            complete = false;
            break;
        }
        sound->Handle.push_back(recording);
    }
    if (!complete) {
        PrintLine("Music not found: ");
        for (const Text& name : names) PrintLine(name);
        return SilentSound;
    }
    sound->Music = music;
    AllSounds.AddLast(sound);
    return sound;
}

void SoundWrapper::Init() {}

void SoundWrapper::Update() {
    bool ducking = false;
    for (const auto& record : ActiveChannels)
        if (record->BaseSound && record->BaseSound->JingleStopMusic) ducking = true;
    MusicDuck += ducking ? -kDuckFall : kDuckRise;
    // Float steps drift; forty steps down or a hundred up must land on the
    // bound.
    if (MusicDuck < kLowestDuck + kDuckSnap) MusicDuck = kLowestDuck;
    if (MusicDuck > 1.0f - kDuckSnap) MusicDuck = 1.0f;
}

Ref<ActiveChannel> ActiveChannel::Create(const Ref<TChannel>& channel, const Ref<Sound>& sound,
                                         float volume) {
    auto record = New<ActiveChannel>();
    record->Handle = channel;
    record->BaseSound = sound;
    record->Volume = volume;
    ActiveChannels.AddLast(record);
    return record;
}

void ActiveChannel::Stop() {
    StopChannel(Handle);
}

int ActiveChannel::PLaying() {
    return ChannelPlaying(Handle);
}

void ActiveChannel::SetVolume(float v) {
    SetChannelVolume(Handle, v);
}

void ActiveChannel::SetRate(float rate) {
    SetChannelRate(Handle, rate);
}

float ActiveChannel::ChannelVolume() const {
    if (!BaseSound) return 0;
    return FadeOut * BaseSound->Volume * BaseSound->GameVolume * BaseSound->OverallVolume;
}

void ActiveChannel::UpdateVolume() {
    SetChannelVolume(Handle, ChannelVolume());
}

void ActiveChannel::Update(int sceneMask) {
    UpdateVolume();
    if (!ChannelPlaying(Handle)) {
        ActiveChannels.Remove(weak_from_this().lock());
        return;
    }
    if (sceneMask == 0 || !BaseSound || (sceneMask & BaseSound->Scenes) != 0) return;
    FadeOut -= kSceneFadeStep;
    if (FadeOut > 0)
        UpdateVolume();
    else
        StopChannel(Handle);
}

void ActiveChannel::UpdateAll() {
    for (const auto& record : ActiveChannels) record->Update(0);
    for (const auto& cue : CuedSounds) {
        cue->time -= 1;
        if (cue->time < 0) {
            CuedSounds.Remove(cue);
            cue->s->Play(0);
        }
    }
}

void RefreshSoundVolumes() {
    for (const auto& record : ActiveChannels) {
        if (record->BaseSound) record->BaseSound->GameVolume = CategoryVolume(*record->BaseSound);
        record->UpdateVolume();
    }
}

void ApplyEffectsVolume(float v) {
    EffectsVolume = v;
    RefreshSoundVolumes();
}

void ApplyMusicVolume(float v) {
    MusicVolume = v;
    RefreshSoundVolumes();
}

void ApplyVoiceVolume(float v) {
    VoiceVolume = v;
    RefreshSoundVolumes();
}

void ResetSoundManager() {
    for (const auto& record : ActiveChannels) StopChannel(record->Handle);
    ActiveChannels.Clear();
    CuedSounds.Clear();
    AllSounds.Clear();
    ResetMusicScenes();
    EffectsVolume = MusicVolume = VoiceVolume = 1.0f;
    MusicDuck = 1.0f;
    SoundChoices.Seed(kRandomStartSeed);
    // Loaders may have set flags on the shared silent sound.
    SilentSound = MakeSilentSound();
}

} // namespace wispwood
