// The keys that work on every screen, run by the scene loop ahead of the
// scene: F11 and Alt+Enter for the display mode, M for sound, each saved at
// once and shown in an open options dialog.
#include "engine/draw/graphics.h"
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "engine/io/file_stream.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_selectable.h"
#include "framework/gui/gui_slider.h"
#include "framework/gui/gui_text_input.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_playback.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/sound/sound.h"
#include "game/services/comfort_keys.h"
#include "game/services/options_dialog.h"
#include "game/services/settings.h"
#include "game/services/user_data.h"
#include "game/services/volumes.h"
#include "tests/support/input_events.h"
#include "tests/support/menu_fixture.h"

namespace wispwood {
namespace {

constexpr int kF11 = KeyF1 + 10;

// A screen with the options dialog and, when asked, a name box; it counts
// the keys that reach it.
class KeyScreen : public GameLoop {
  public:
    Ref<guiContainer> base = New<guiContainer>();
    Ref<guiTextInput> nameBox;
    int enters = 0, ms = 0;
    int Update() override {
        enters += GameKeyPresses(KeyReturn);
        ms += GameKeyPresses('M');
        UpdateOptions();
        base->Update();
        return 0;
    }
    int Render() override { return 0; }
    int Init() override { return 0; }
};

class ComfortKeys : public test::MenuTest {
  protected:
    Ref<KeyScreen> screen = New<KeyScreen>();

    void SetUp() override {
        MenuTest::SetUp();
        ApplySettingsVolumes();
        InstallComfortKeys();
        PushSceneInstantly(screen);
    }
    void TearDown() override { MenuTest::TearDown(); }
    // Updates as the scene loop runs them: snapshot, global keys, scene.
    void Run(int n = 1) {
        for (int i = 0; i < n; ++i) RunOneUpdate();
    }
    void Press(int key) {
        Key(key);
        Run();
    }
    void AltEnter() {
        test::EmitInput(EventKeyDown, KeyAlt);
        Press(KeyReturn);
        test::EmitInput(EventKeyUp, KeyAlt);
    }
    void OpenDialog() {
        OpenOptions(*screen->base);
        Run(30);
    }
    Text Config() const {
        Text text;
        LoadText(UserDataPath() + "config.txt", text);
        return text;
    }
};

TEST_F(ComfortKeys, F11AndAltEnterSwitchTheDisplayAndSaveTheChoice) {
    Ref<TDrawContext> before = CurrentGraphics();
    ASSERT_EQ(GetWindowed(), 0);
    Press(kF11);
    EXPECT_EQ(GetWindowed(), 1);
    EXPECT_NE(CurrentGraphics(), before);
    EXPECT_NE(Config().find("windowed = 1\r\n"), Text::npos);

    AltEnter();
    EXPECT_EQ(GetWindowed(), 0);
    EXPECT_NE(Config().find("windowed = 0\r\n"), Text::npos);
    // The Enter of Alt+Enter confirms nothing on the screen; a plain one does.
    EXPECT_EQ(screen->enters, 0);
    Press(KeyReturn);
    EXPECT_EQ(screen->enters, 1);
    EXPECT_EQ(GetWindowed(), 0);
}

// A replayed game's presses are taken out of its snapshots as they were
// when it was played, but the window and the sound stay the watcher's.
TEST_F(ComfortKeys, ARecordedGamesKeysChangeNothingOfTheWatchers) {
    InputTape tape;
    SnapshotInput in;
    in.KeyPresses = {{kF11, 1, 0}};
    tape.Add(0, in);
    in.KeyPresses = {{'M', 1, 0}};
    tape.Add(1, in);
    const Text config = Config();
    PlayBackInput(tape);
    Run(2);
    StopInputPlayback();
    EXPECT_EQ(GetWindowed(), 0);
    EXPECT_EQ(GetMuted(), 0);
    EXPECT_EQ(screen->ms, 0) << "the M was the sound's, as when it was played";
    EXPECT_EQ(Config(), config);
}

// xdotool and fast fingers: Alt is up again before the update looks, but
// it was held when Enter went down.
TEST_F(ComfortKeys, AltEnterCountsEvenWhenAltIsLetGoBeforeTheUpdate) {
    TEvent down;
    down.id = EventKeyDown;
    down.data = KeyReturn;
    down.mods = ModifierAlt;
    EmitEvent(down);
    test::EmitInput(EventKeyUp, KeyReturn);
    Run();
    EXPECT_EQ(GetWindowed(), 1);
    EXPECT_EQ(screen->enters, 0);
    Press(KeyReturn); // a later bare Enter is Enter again
    EXPECT_EQ(GetWindowed(), 1);
    EXPECT_EQ(screen->enters, 1);
}

TEST_F(ComfortKeys, TheOpenDialogFollowsTheKeyAndItsCancelKeepsTheMode) {
    OpenDialog();
    ASSERT_EQ(FullscreenTick->IsSelected(), 1);
    Press(kF11);
    EXPECT_EQ(WindowedTick->IsSelected(), 1);
    EXPECT_EQ(FullscreenTick->IsSelected(), 0);
    ClickGadget(OptionsCancel);
    Run(2);
    EXPECT_EQ(OptionsOpen(), 0);
    EXPECT_EQ(GetWindowed(), 1);
}

// Muting silences every category but keeps the volumes, so unmuting gives
// back exactly what the player had set.
TEST_F(ComfortKeys, MMutesAndUnmutesKeepingTheVolumes) {
    ASSERT_EQ(SaveSettings(), 1);
    SetSoundVolume(0.6f);
    ApplySettingsVolumes();
    Press('M');
    EXPECT_EQ(GetMuted(), 1);
    EXPECT_FLOAT_EQ(EffectsVolume, 0);
    EXPECT_FLOAT_EQ(MusicVolume, 0);
    EXPECT_FLOAT_EQ(VoiceVolume, 0);
    EXPECT_FLOAT_EQ(GetSoundVolume(), 0.6f);
    EXPECT_NE(Config().find("muted = 1\r\n"), Text::npos);
    // The unconfirmed volume is not saved along with the mute.
    EXPECT_EQ(Config().find("soundvolume = 0.6"), Text::npos);
    EXPECT_EQ(screen->ms, 0);

    Press('M');
    EXPECT_EQ(GetMuted(), 0);
    EXPECT_FLOAT_EQ(EffectsVolume, 0.6f);
    EXPECT_FLOAT_EQ(MusicVolume, 0.8f);
    EXPECT_NE(Config().find("muted = 0\r\n"), Text::npos);
}

TEST_F(ComfortKeys, AMutedGameStartsMuted) {
    SetMuted(1);
    ASSERT_EQ(SaveSettings(), 1);
    ResetSettings();
    CreateSettings();
    ReadSettings();
    ApplySettingsVolumes();
    EXPECT_FLOAT_EQ(EffectsVolume, 0);
    EXPECT_FLOAT_EQ(MusicVolume, 0);
}

TEST_F(ComfortKeys, TheSlidersShowSilenceWhileMutedAndTheVolumesAfter) {
    Press('M');
    OpenDialog();
    EXPECT_FLOAT_EQ(SoundSlider->SliderValue, 0);
    EXPECT_FLOAT_EQ(MusicSlider->SliderValue, 0);
    Press('M');
    EXPECT_FLOAT_EQ(SoundSlider->SliderValue, 1.0f);
    EXPECT_FLOAT_EQ(MusicSlider->SliderValue, 0.8f);
    Press('M');
    EXPECT_FLOAT_EQ(MusicSlider->SliderValue, 0);
}

// Choosing a volume while muted means wanting to hear it: the game unmutes
// and the other slider comes back; Cancel returns to the saved mute.
TEST_F(ComfortKeys, DraggingASliderWhileMutedUnmutesUntilCancelled) {
    Press('M');
    OpenDialog();
    // From the knob, standing at zero, a good way to the right.
    int y = static_cast<int>(MusicSlider->y + static_cast<float>(MusicSlider->ChildY));
    int x = static_cast<int>(MusicSlider->x + static_cast<float>(MusicSlider->ChildX));
    MoveMouse(x, y);
    Run();
    test::EmitInput(EventMouseDown, 1, x, y);
    Run();
    for (int i = 1; i <= 10; ++i) {
        MoveMouse(x + 8 * i, y);
        Run();
    }
    test::EmitInput(EventMouseUp, 1, x + 80, y);
    Run();
    EXPECT_EQ(GetMuted(), 0);
    EXPECT_GT(MusicVolume, 0);
    EXPECT_FLOAT_EQ(MusicVolume, GetMusicVolume());
    EXPECT_FLOAT_EQ(SoundSlider->SliderValue, 1.0f);
    EXPECT_FLOAT_EQ(EffectsVolume, 1.0f);

    ClickGadget(OptionsCancel);
    Run(2);
    EXPECT_EQ(GetMuted(), 1);
    EXPECT_FLOAT_EQ(EffectsVolume, 0);
    EXPECT_FLOAT_EQ(MusicVolume, 0);
    EXPECT_FLOAT_EQ(GetMusicVolume(), 0.8f);
}

// In a name box M is a letter; once the box is gone it mutes again.
TEST_F(ComfortKeys, MTypesIntoANameBoxInsteadOfMuting) {
    screen->nameBox = screen->base->AddTextBox(280, 302, nullptr);
    ASSERT_TRUE(screen->nameBox);
    screen->nameBox->MaxTextWidth = 400; // no picture to take the width from
    Run(2);
    Press('M');
    Press('A');
    EXPECT_EQ(screen->nameBox->Text, "Ma");
    EXPECT_EQ(GetMuted(), 0);
    screen->nameBox->disablemouse = 1; // the box stops taking keys
    Run(2);
    Press('M');
    EXPECT_EQ(GetMuted(), 1);
    EXPECT_EQ(screen->nameBox->Text, "Ma");
}

TEST_F(ComfortKeys, MWithAModifierIsLeftToTheScreen) {
    test::EmitInput(EventKeyDown, KeyControl);
    Press('M');
    test::EmitInput(EventKeyUp, KeyControl);
    EXPECT_EQ(GetMuted(), 0);
    EXPECT_EQ(screen->ms, 1);
}

} // namespace
} // namespace wispwood
