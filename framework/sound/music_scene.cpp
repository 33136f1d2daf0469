#include "framework/sound/music_scene.h"

namespace wispwood {

TList<Ref<MusicScene>> MusicScenes;
Ref<MusicScene> PendingMusicScene;

namespace {

constexpr float kFadeStep = 0.02f;
// Fifty steps of 0.02 do not add up to exactly 1 in floats; a fade still
// takes fifty updates.
constexpr float kFadeSnap = 1e-4f;

Ref<Sound> RandomTrack(const MusicScene& scene) {
    if (scene.MusicSet < 0 || scene.MusicSet >= static_cast<int>(scene.Music.size())) return nullptr;
    const auto& playlist = scene.Music[scene.MusicSet];
    if (playlist.empty()) return nullptr;
    return playlist[SoundChoices.Int(0, static_cast<int>(playlist.size()) - 1)];
}

} // namespace

void MusicScene::SetStartMusic(const Ref<Sound>& sound) {
    StartMusic = StartMusicSound = sound;
}

void MusicScene::SetVolume(float v) {
    OverallVolume = v;
    if (Playing) Playing->SetVolume(v * NormalizeVolume);
}

void MusicScene::Update() {
    FadingProgress += Current ? kFadeStep : -kFadeStep;
    if (FadingProgress > 1 - kFadeSnap) FadingProgress = 1;
    if (FadingProgress < kFadeSnap) FadingProgress = 0;
    if (FadingProgress <= 0) {
        if (Channel) Channel->Stop();
        Channel = nullptr;
        if (Bastard) MusicScenes.Remove(shared_from_this());
        StartMusic = StartMusicSound;
        return;
    }
    if (!Channel || !Channel->PLaying()) {
        Ref<Sound> next;
        if (StartMusic) {
            next = StartMusic;
            StartMusic = nullptr;
        } else if (DontChangeWhilePlaying) {
            next = Playing;
        } else {
            next = RandomTrack(*this);
        }
        Channel = nullptr;
        if (next) {
            next->SetVolume(FadingProgress * OverallVolume * next->GameVolume);
            Channel = next->Play(0);
            Playing = next;
        }
    }
    if (Channel && Playing) {
        // The scene's own level goes into the track's volume, where the
        // channel refresh of the same update keeps it.
        Playing->SetVolume(FadingProgress * OverallVolume * NormalizeVolume);
        Channel->SetVolume(FadingProgress * OverallVolume * Playing->GameVolume * NormalizeVolume);
    }
}

void MusicScene::SetMusicSet(int set) {
    if (set == MusicSet) return;
    CreateBastard();
    MusicSet = set;
    FadingProgress = 0;
}

void MusicScene::SetMusicRate(float rate) {
    Rate = rate;
    if (Channel) Channel->SetRate(rate);
}

Ref<MusicScene> MusicScene::CreateBastard() {
    auto copy = New<MusicScene>();
    copy->Music = Music;
    copy->StartMusic = StartMusic;
    copy->Channel = Channel;
    copy->OverallVolume = OverallVolume;
    copy->NormalizeVolume = NormalizeVolume;
    copy->Playing = Playing;
    copy->MusicSet = MusicSet;
    copy->SceneValue = SceneValue;
    copy->FadingProgress = FadingProgress;
    copy->Rate = Rate;
    copy->Current = 0;
    copy->Bastard = 1;
    MusicScenes.AddLast(copy);
    return copy;
}

Ref<MusicScene> CreateMusicScene() {
    auto scene = New<MusicScene>();
    MusicScenes.AddLast(scene);
    return scene;
}

void RequestMusicScene(const Ref<MusicScene>& scene) {
    PendingMusicScene = scene;
}

void ActivateMusicScene(const Ref<MusicScene>& scene) {
    if (!scene) return;
    const int wasCurrent = scene->Current;
    for (const auto& other : MusicScenes) other->Current = 0;
    scene->Current = 1;
    if (!wasCurrent && scene->DontChangeWhilePlaying == 1) scene->Playing = RandomTrack(*scene);
}

void UpdateSounds() {
    for (const auto& scene : MusicScenes) scene->Update();
    ActiveChannel::UpdateAll();
    if (PendingMusicScene) {
        ActivateMusicScene(PendingMusicScene);
        PendingMusicScene = nullptr;
    }
}

void ResetMusicScenes() {
    for (const auto& scene : MusicScenes)
        if (scene->Channel) scene->Channel->Stop();
    MusicScenes.Clear();
    PendingMusicScene = nullptr;
}

} // namespace wispwood
