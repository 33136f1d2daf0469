// The options dialog driven by platform input inside a small host scene:
// what each control does to the settings and the sound manager, what OK
// keeps and what Cancel and Escape take back.
#include "engine/draw/graphics.h"
#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_selectable.h"
#include "framework/gui/gui_slider.h"
#include "framework/sound/sound.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "game/services/user_data.h"
#include "tests/support/input_events.h"
#include "tests/support/menu_fixture.h"

namespace wispwood {
namespace {

// Updates the dialog before its widgets, as the menu and the game do.
class Host : public GameLoop {
  public:
    Ref<guiContainer> base = New<guiContainer>();
    int Update() override {
        UpdateOptions();
        base->Update();
        return 0;
    }
    int Render() override { return 0; }
    int Init() override { return 0; }
};

class Options : public test::MenuTest {
  protected:
    Host host;

    void OpenDialog() {
        OpenOptions(*host.base);
        ASSERT_EQ(OptionsOpen(), 1);
        Step(host, 30); // faded in
    }
    void Click(const Ref<guiGadget>& g) {
        ClickGadget(g);
        Step(host, 2);
    }
    // Drags the slider's knob to the far left of its track.
    void DragToLeftEnd(const Ref<guiSlider>& slider) {
        int y = static_cast<int>(slider->y + static_cast<float>(slider->ChildY));
        int x = static_cast<int>(slider->x + static_cast<float>(slider->ChildX) +
                                 slider->SliderValue * static_cast<float>(slider->SliderWidth));
        MoveMouse(x, y);
        Step(host);
        test::EmitInput(EventMouseDown, 1, x, y);
        Step(host);
        for (int i = 1; i <= 10; ++i) {
            MoveMouse(x - (x - static_cast<int>(slider->x)) * i / 10 - 5, y);
            Step(host);
        }
        test::EmitInput(EventMouseUp, 1, static_cast<int>(slider->x), y);
        Step(host);
    }
    Text ConfigFile() const { return UserDataPath() + "config.txt"; }
};

TEST_F(Options, HintsAndVolumeChangeAtOnceAndOkWritesThem) {
    OpenDialog();
    EXPECT_EQ(HintsOnTick->IsSelected(), 1);
    EXPECT_EQ(FullscreenTick->IsSelected(), 1);
    EXPECT_EQ(VoiceSlider->hidden, 1);
    Click(HintsOffTick);
    EXPECT_EQ(GetHints(), 0);
    DragToLeftEnd(SoundSlider);
    EXPECT_FLOAT_EQ(GetSoundVolume(), 0);
    EXPECT_FLOAT_EQ(EffectsVolume, 0);
    EXPECT_FLOAT_EQ(GetMusicVolume(), 0.8f); // the other slider was not touched
    Click(OptionsOK);
    EXPECT_EQ(OptionsOpen(), 0);
    Text config;
    ASSERT_TRUE(LoadText(ConfigFile(), config));
    EXPECT_NE(config.find("hints = 0\r\n"), Text::npos);
    EXPECT_NE(config.find("soundvolume = 0"), Text::npos);
}

TEST_F(Options, CancelAndEscapeReturnToTheFile) {
    ASSERT_EQ(SaveText(ConfigFile(), "[]\nsoundvolume = 0.5\nhints = 1\n"), 1);
    ReadSettings();
    for (bool escape : {false, true}) {
        OpenDialog();
        Click(HintsOffTick);
        DragToLeftEnd(SoundSlider);
        ASSERT_FLOAT_EQ(EffectsVolume, 0);
        if (escape) {
            Key(KeyEscape);
            Step(host);
        } else {
            Click(OptionsCancel);
        }
        EXPECT_EQ(OptionsOpen(), 0) << escape;
        EXPECT_EQ(GetHints(), 1) << escape;
        EXPECT_FLOAT_EQ(GetSoundVolume(), 0.5f) << escape;
        EXPECT_FLOAT_EQ(EffectsVolume, 0.5f) << escape;
        Step(host, 40); // faded out: a new dialog may open
    }
}

TEST_F(Options, CancelOnAFirstRunReturnsToTheDefaults) {
    ASSERT_EQ(FileSize(ConfigFile()), -1);
    OpenDialog();
    Click(HintsOffTick);
    DragToLeftEnd(SoundSlider);
    Click(OptionsCancel);
    EXPECT_EQ(GetHints(), 1);
    EXPECT_FLOAT_EQ(GetSoundVolume(), 1.0f);
    EXPECT_FLOAT_EQ(EffectsVolume, 1.0f);
    EXPECT_FLOAT_EQ(GetMusicVolume(), 0.8f);
    EXPECT_EQ(FileSize(ConfigFile()), -1); // nothing was written
}

// Relaxed play is the current player's: no player, no choice; a choice
// made reaches the profiles file when OK is pressed, not before.
TEST_F(Options, RelaxedPlayNeedsAPlayerAndOkWritesItToTheProfile) {
    OpenDialog();
    EXPECT_EQ(RelaxedOffTick->active, 0);
    EXPECT_EQ(RelaxedOnTick->active, 0);
    Click(OptionsCancel);
    Step(host, 40);

    ASSERT_EQ(CreateProfile("Ann"), 1);
    SelectProfileByName("Ann");
    OpenDialog();
    EXPECT_EQ(RelaxedOnTick->active, 1);
    EXPECT_EQ(RelaxedOffTick->IsSelected(), 1);
    Click(RelaxedOnTick);
    EXPECT_TRUE(CurrentProfile->Relaxed);
    EXPECT_EQ(FileSize(ProfilesPath()), -1);
    Click(OptionsOK);
    Text profiles;
    ASSERT_TRUE(LoadText(ProfilesPath(), profiles));
    EXPECT_NE(profiles.find("relaxed = 1"), Text::npos) << profiles;
}

// Over a level the choice holds from the next level, and the dialog says
// so once it is changed.
TEST_F(Options, OverALevelAChangedRelaxedChoiceSaysItHoldsFromTheNextLevel) {
    ASSERT_EQ(CreateProfile("Ann"), 1);
    SelectProfileByName("Ann");
    OpenDialog();
    EXPECT_FALSE(NextLevelNote) << "from a menu the next level is far off";
    Click(OptionsCancel);
    Step(host, 40);
    OpenOptions(*host.base, OptionsPlace::Level);
    Step(host, 30);
    ASSERT_TRUE(NextLevelNote);
    EXPECT_EQ(NextLevelNote->hidden, 1);
    Click(RelaxedOnTick);
    EXPECT_EQ(NextLevelNote->hidden, 0);
    Click(RelaxedOffTick);
    EXPECT_EQ(NextLevelNote->hidden, 1);
}

TEST_F(Options, TheDisplayModeChosenStaysThroughCancel) {
    OpenDialog();
    Ref<TDrawContext> before = CurrentGraphics();
    Click(FullscreenTick); // already the mode: the display is not reopened
    EXPECT_EQ(CurrentGraphics(), before);
    Click(WindowedTick);
    EXPECT_EQ(GetWindowed(), 1);
    EXPECT_NE(CurrentGraphics(), before);
    Click(HintsOffTick);
    Click(OptionsCancel);
    EXPECT_EQ(GetWindowed(), 1);
    EXPECT_EQ(GetHints(), 1);
}

TEST_F(Options, OnlyOneDialogAtATime) {
    OpenDialog();
    Ref<guiContainer> first = OptionsContainer;
    Host other;
    OpenOptions(*other.base);
    EXPECT_EQ(OptionsContainer, first);
    EXPECT_FALSE(other.base->Child);
}

} // namespace
} // namespace wispwood
