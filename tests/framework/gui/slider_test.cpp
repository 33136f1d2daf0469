#include "framework/gui/gui_container.h"
#include "framework/gui/gui_slider.h"
#include "tests/support/gui_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

// A 220 x 60 track at (100, 100) whose knob runs from x 120 to 300 on the
// row y 140.
class Slider : public test::GuiTest {
  protected:
    Ref<guiSlider> slider;
    void SetUp() override {
        GuiTest::SetUp();
        slider = root->AddSlider(100, 100, track, knob, 20, 40, 180);
        slider->SliderValue = 0.25f;
    }
    void DragTo(int x, int y) {
        MoveMouse(x, y);
        Step();
    }
};

TEST_F(Slider, DraggingFollowsTheMouseAndReachesBothEndsExactly) {
    Press();
    DragTo(120, 140);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0);
    DragTo(300, 140);
    EXPECT_FLOAT_EQ(slider->SliderValue, 1);
    DragTo(210, 140);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.5f);
    DragTo(165, 149); // within half the knob's height of the row
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.25f);
    // Past an end by up to half the track's width counts as that end.
    DragTo(9, 140);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.25f);
    DragTo(10, 140);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0);
    DragTo(410, 140);
    EXPECT_FLOAT_EQ(slider->SliderValue, 1);
    DragTo(210, 140);
    DragTo(411, 140);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.5f);
}

TEST_F(Slider, TheKnobRowAndTheHeldButtonAreNeeded) {
    MoveMouse(210, 140);
    Step();
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.25f);
    Press();
    DragTo(210, 151);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.25f);
    DragTo(210, 129);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.25f);
    DragTo(210, 130);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.5f);
}

TEST_F(Slider, ReleaseIsReportedInTheUpdateTheDragEnds) {
    Press();
    DragTo(200, 140);
    EXPECT_EQ(slider->MRelease, 0);
    DragTo(220, 140);
    EXPECT_EQ(slider->MRelease, 0);
    Release();
    Step();
    EXPECT_EQ(slider->MRelease, 1);
    Step();
    EXPECT_EQ(slider->MRelease, 0);
    Press();
    DragTo(220, 140);
    DragTo(220, 300); // off the row while held also ends it
    EXPECT_EQ(slider->MRelease, 1);
}

TEST_F(Slider, HiddenMouseDisabledOrBlockedSlidersStayPut) {
    slider->hidden = 1;
    slider->disablemouse = 1;
    Press();
    DragTo(300, 140);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.25f);
    slider->hidden = 0;
    slider->disablemouse = 0;
    root->AddContainer();
    DragTo(300, 140);
    EXPECT_FLOAT_EQ(slider->SliderValue, 0.25f);
}

TEST_F(Slider, TheKnobIsDrawnCentredOnItsPlaceAlongTheTrack) {
    slider->SliderValue = 0.5f;
    auto screen = RenderRoot();
    EXPECT_EQ(Rgb(screen, 210, 140), 0xffffff);
    EXPECT_EQ(Rgb(screen, 201, 131), 0xffffff);
    EXPECT_EQ(Rgb(screen, 198, 140), 0x808080);
}

} // namespace
} // namespace wispwood
