#include "game/services/options_dialog.h"
#include "engine/draw/image.h"
#include "engine/input/key_codes.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/gui_selectable.h"
#include "framework/gui/gui_slider.h"
#include "framework/gui/gui_text_heading.h"
#include "framework/images/game_image.h"
#include "framework/layout/layout_resource.h"
#include "framework/scene/input_snapshot.h"
#include "game/services/display.h"
#include "game/services/game_fonts.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "game/services/text_table.h"
#include "game/services/volumes.h"

namespace wispwood {

Ref<guiContainer> OptionsContainer;
Ref<guiGadget> OptionsOK, OptionsCancel;
Ref<guiSelectable> FullscreenTick, WindowedTick;
Ref<guiSelectable> HintsOnTick, HintsOffTick;
Ref<guiSelectable> RelaxedOffTick, RelaxedOnTick;
Ref<guiSelectable> FullEffectsTick, CalmEffectsTick;
Ref<guiGadget> NextLevelNote;
Ref<guiSlider> SoundSlider, MusicSlider, VoiceSlider;
Ref<TImage> OptionsBacking, TickImage;

namespace {

// The current player's relaxed choice when the dialog opened, which Cancel
// gives back.
bool gRelaxedAtOpen = false;

// Where the rows stand: the dialog's backing is 520 high, centred.
constexpr float kDisplayRow = 99, kHintsRow = 145, kRelaxedRow = 191, kEffectsRow = 237;
constexpr float kSoundSlider = 307, kMusicSlider = 378, kVoiceSlider = 424, kButtons = 475;
constexpr float kNoteLine = 440;

bool DialogAlive() {
    return OptionsContainer && !OptionsContainer->Removed;
}

Text OptionText(const Text& key) {
    return GetText("options", key);
}

Ref<guiSelectable> Tick(float x, float y, int group, const Text& key, const Text& layoutName) {
    Ref<guiSelectable> tick = OptionsContainer->AddSelectable(x, y, GuiSelectable, TickImage, group, 1);
    if (!tick) return nullptr;
    tick->DrawnText = OptionText(key);
    tick->DrawnTextScale = 0.8f;
    tick->LayoutName = layoutName;
    return tick;
}

Ref<guiSlider> Slider(float y, const Text& key, float value, const Text& layoutName) {
    Ref<guiSlider> slider = OptionsContainer->AddSlider(282, y, GuiSlider, GuiSliderGadget, 20, 41, 176);
    if (!slider) return nullptr;
    slider->DrawnText = OptionText(key);
    slider->DrawnTextExtraY = -20;
    slider->DrawnTextScale = 0.8f;
    slider->SliderValue = value;
    slider->LayoutName = layoutName;
    return slider;
}

Ref<guiGadget> Button(float x, const Text& key, const Text& layoutName) {
    Ref<guiGadget> button = OptionsContainer->AddButton(x, kButtons, GuiButtonEmptySmall);
    if (!button) return nullptr;
    button->DrawnText = OptionText(key);
    button->DrawnTextScale = 0.8f;
    button->LayoutName = layoutName;
    return button;
}

bool Hit(const Ref<guiGadget>& g) {
    return g && g->mhit;
}

// While muted the sliders stand at zero, which is what is heard.
float ShownVolume(float volume) {
    return GetMuted() ? 0.0f : volume;
}

void ShowVolume(const Ref<guiSlider>& slider, float volume) {
    if (slider) slider->SliderValue = ShownVolume(volume);
}

// Dragging a slider (or stepping it with the arrow keys) changes the
// setting and its volume at once. Dragging while muted unmutes: the player
// is choosing a volume to hear, and the other sliders come back to their
// own values.
template <class Setter>
void FollowSlider(const Ref<guiSlider>& slider, Setter set) {
    if (!slider || !((slider->mover && GameMouseDown(1)) || slider->KeyMoved)) return;
    set(slider->SliderValue);
    if (GetMuted()) {
        SetMuted(0);
        ShowSettingsInOptions();
    }
    ApplySettingsVolumes();
}

// Selects the tick of a pair that shows the value, without a click.
void ShowChoice(const Ref<guiSelectable>& on, const Ref<guiSelectable>& off, bool value) {
    if (Ref<guiSelectable> tick = value ? on : off) tick->SelectItem(1);
}

void DiscardChanges() {
    OptionsContainer->Destroy();
    // The display was reopened when the mode changed, so the chosen mode
    // stays; everything else returns to the file.
    int windowed = GetWindowed();
    RereadSettings();
    SetWindowed(windowed);
    ApplySettingsVolumes();
    if (Ref<PlayerProfile> player = GetCurrentProfile()) player->Relaxed = gRelaxedAtOpen;
}

void KeepChanges() {
    OptionsContainer->Destroy();
    SaveSettings();
    Ref<PlayerProfile> player = GetCurrentProfile();
    if (player && player->Relaxed != gRelaxedAtOpen && !IsTemporaryProfile(player)) SaveProfiles();
}

} // namespace

void LoadOptionsImages() {
    OptionsBacking = LoadGameImage("media\\options\\backing.png");
    TickImage = LoadGameImage("media\\options\\tick.png");
}

void OpenOptions(guiContainer& parent, OptionsPlace place) {
    if (DialogAlive()) return;
    OptionsContainer = parent.AddContainer();
    if (!OptionsContainer) return;
    int bw = OptionsBacking ? ImageWidth(OptionsBacking) : 0;
    int bh = OptionsBacking ? ImageHeight(OptionsBacking) : 0;
    if (Ref<guiGadget> backing = OptionsContainer->AddStatic((800 - bw) / 2, (600 - bh) / 2, OptionsBacking))
        backing->LayoutName = "static";
    if (Ref<guiTextHeading> heading = OptionsContainer->AddText(0, 0, OptionText("heading"))) {
        heading->DrawnTextFont = BigFont;
        heading->LayoutName = "heading";
    }
    int sw = GuiButtonEmptySmall ? ImageWidth(GuiButtonEmptySmall) : 0;
    OptionsOK = Button(299 - sw / 2, "ok", "OK");
    OptionsCancel = Button(436, "cancel", "Cancel");

    FullscreenTick = Tick(231, kDisplayRow, 1, "fullscreen", "Fullscreen");
    WindowedTick = Tick(401, kDisplayRow, 1, "windowed", "Windowed");
    ShowChoice(WindowedTick, FullscreenTick, GetWindowed() != 0);
    HintsOnTick = Tick(232, kHintsRow, 2, "hintson", "HintsOn");
    HintsOffTick = Tick(401, kHintsRow, 2, "hintsoff", "hintsOff");
    ShowChoice(HintsOnTick, HintsOffTick, GetHints() != 0);
    RelaxedOffTick = Tick(231, kRelaxedRow, 3, "relaxedoff", "RelaxedOff");
    RelaxedOnTick = Tick(401, kRelaxedRow, 3, "relaxedon", "RelaxedOn");
    Ref<PlayerProfile> player = GetCurrentProfile();
    gRelaxedAtOpen = player && player->Relaxed;
    ShowChoice(RelaxedOnTick, RelaxedOffTick, gRelaxedAtOpen);
    // Relaxed play is a player's choice: with no player there is none to make.
    if (!player)
        for (const Ref<guiSelectable>& tick : {RelaxedOffTick, RelaxedOnTick})
            if (tick) tick->Deactivate();
    FullEffectsTick = Tick(231, kEffectsRow, 4, "effectsfull", "EffectsFull");
    CalmEffectsTick = Tick(401, kEffectsRow, 4, "effectscalm", "EffectsCalm");
    ShowChoice(CalmEffectsTick, FullEffectsTick, GetCalmEffects());
    // The level in play keeps the mode it started in; the note shows once
    // the choice is changed.
    NextLevelNote = nullptr;
    if (place == OptionsPlace::Level) {
        if (Ref<guiTextHeading> note = OptionsContainer->AddText(0, kNoteLine, OptionText("nextlevel"))) {
            note->DrawnTextScale = 0.7f;
            note->x = 400 - note->GetWidtH() / 2;
            note->hidden = 1;
            NextLevelNote = note;
        }
    }

    SoundSlider = Slider(kSoundSlider, "soundvolume", ShownVolume(GetSoundVolume()), "Sound");
    MusicSlider = Slider(kMusicSlider, "musicvolume", ShownVolume(GetMusicVolume()), "Music");
    VoiceSlider = Slider(kVoiceSlider, "voicevolume", ShownVolume(GetVoiceVolume()), "Voice");
    // The voice volume is kept in the settings but not offered.
    if (VoiceSlider) {
        VoiceSlider->hidden = 1;
        VoiceSlider->disablemouse = 1;
        VoiceSlider->y = 9999;
    }
    if (MainLayout) OptionsContainer->SetLayout(MainLayout->GetLayout("OptionsMenu"));
}

void UpdateOptions() {
    if (!DialogAlive()) return;
    for (const Ref<guiSlider>& slider : {SoundSlider, MusicSlider}) {
        if (!slider) continue;
        slider->MouseOverEffectOffsetY = 10;
        slider->MouseOverEffectScale = 0.8f;
    }
    if (OptionsContainer->Destroying) return;

    if (Hit(FullscreenTick) || Hit(WindowedTick)) {
        int windowed = Hit(WindowedTick) ? 1 : 0;
        if (windowed != GetWindowed()) {
            SetWindowed(windowed);
            OpenDisplay();
        }
    }
    if (Hit(HintsOnTick) || Hit(HintsOffTick)) {
        int hints = Hit(HintsOnTick) ? 1 : 0;
        if (hints != GetHints()) SetHints(hints);
    }
    Ref<PlayerProfile> player = GetCurrentProfile();
    if (player && (Hit(RelaxedOnTick) || Hit(RelaxedOffTick))) player->Relaxed = Hit(RelaxedOnTick);
    if (NextLevelNote) NextLevelNote->hidden = player && player->Relaxed != gRelaxedAtOpen ? 0 : 1;
    if (Hit(FullEffectsTick) || Hit(CalmEffectsTick)) {
        bool calm = Hit(CalmEffectsTick);
        if (calm != GetCalmEffects()) SetCalmEffects(calm);
    }
    FollowSlider(SoundSlider, SetSoundVolume);
    FollowSlider(MusicSlider, SetMusicVolume);
    FollowSlider(VoiceSlider, SetVoiceVolume);

    if (Hit(OptionsOK)) {
        KeepChanges();
    } else if (Hit(OptionsCancel) || GameKeyPresses(KeyEscape)) {
        DiscardChanges();
    }
}

void ShowSettingsInOptions() {
    if (!DialogAlive()) return;
    const Ref<guiSelectable>& mode = GetWindowed() ? WindowedTick : FullscreenTick;
    if (mode && !mode->IsSelected()) mode->SelectItem(1);
    ShowVolume(SoundSlider, GetSoundVolume());
    ShowVolume(MusicSlider, GetMusicVolume());
    ShowVolume(VoiceSlider, GetVoiceVolume());
}

int OptionsOpen() {
    return DialogAlive() && !OptionsContainer->Destroying ? 1 : 0;
}

void ResetOptions() {
    OptionsContainer = nullptr;
    OptionsOK = OptionsCancel = nullptr;
    FullscreenTick = WindowedTick = HintsOnTick = HintsOffTick = nullptr;
    RelaxedOffTick = RelaxedOnTick = FullEffectsTick = CalmEffectsTick = nullptr;
    NextLevelNote = nullptr;
    gRelaxedAtOpen = false;
    SoundSlider = MusicSlider = VoiceSlider = nullptr;
    OptionsBacking = TickImage = nullptr;
}

} // namespace wispwood
