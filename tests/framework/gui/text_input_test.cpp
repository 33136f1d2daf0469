#include "engine/input/event.h"
#include "engine/input/key_codes.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_text_input.h"
#include "tests/support/gui_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class TextInput : public test::GuiTest {
  protected:
    Ref<guiTextInput> box;
    void SetUp() override {
        GuiTest::SetUp();
        box = root->AddTextBox(100, 100, wide);
    }
    void Type(const Text& keys) {
        for (char c : keys) {
            Key(c);
            Step();
        }
    }
};

TEST_F(TextInput, WordsAreCapitalisedAndALeadingSpaceIsRefused) {
    Type(" HELLO  WORLD");
    EXPECT_EQ(box->Text, "Hello  World");
    box->Text.clear();
    Type("1ABC");
    EXPECT_EQ(box->Text, "1ABC"); // a leading digit keeps capitals coming
    box->Text = "ab";
    Type("C D");
    EXPECT_EQ(box->Text, "abc D");
}

TEST_F(TextInput, BackspaceRemovesTheLastCharacterAndIsHarmlessWhenEmpty) {
    Type("AB");
    Key(KeyBackspace);
    Step();
    EXPECT_EQ(box->Text, "A");
    Key(KeyBackspace);
    Step();
    Key(KeyBackspace);
    Step();
    EXPECT_EQ(box->Text, "");
}

TEST_F(TextInput, OnlyDigitsLettersAndSpaceAreTyped) {
    for (int key : {KeyReturn, KeyTab, KeyComma, KeyPeriod, KeyMinus, KeyQuote, KeyNumpad0, KeyF1, KeyEscape})
        Key(key);
    Step();
    TEvent typed;
    typed.id = EventKeyChar;
    for (int c : {0xe9, int('<'), int('%'), 0}) {
        typed.data = c;
        EmitEvent(typed);
        Step();
    }
    EXPECT_EQ(box->Text, "");
    for (int key = 0; key < 255; ++key) {
        if (guiTextInput::KeyCharacter(key) == 0) continue;
        EXPECT_TRUE((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') || key == ' ') << key;
    }
    EXPECT_EQ(guiTextInput::KeyCharacter('Q'), 'q');
}

TEST_F(TextInput, KeysOfOneUpdateArriveInDigitLetterSpaceOrder) {
    box->Text.push_back('x');
    Key('Z');
    Key(' ');
    Key('3');
    Key('A');
    Step();
    EXPECT_EQ(box->Text, "x3az ");
}

// A fast typist: the platform reports each key and its character, several
// within one update. The characters come out in the order typed, none
// lost, and the keys of the same strokes type nothing more.
TEST_F(TextInput, FastTypingKeepsEveryCharacterInOrder) {
    auto stroke = [&](char key, int typed) {
        Key(key);
        TEvent e;
        e.id = EventKeyChar;
        e.data = typed;
        EmitEvent(e);
    };
    stroke('B', 'b');
    stroke('O', 'o');
    stroke('B', 'b');
    stroke(' ', ' ');
    stroke('A', 'A');
    for (int i = 0; i < 6; ++i) Step();
    EXPECT_EQ(box->Text, "Bob A");
}

TEST_F(TextInput, TheTextStopsGrowingAtItsWidth) {
    box->MaxTextWidth = 100;
    Type("ABABABABABABABABABABABABABABABAB");
    EXPECT_FALSE(box->Text.empty());
    EXPECT_LE(CurrentFontLength(box->Text, 1), 100);
    Text full = box->Text;
    Type("B");
    EXPECT_EQ(box->Text, full);

    box->MaxTextWidth = 0; // the picture's width less 20
    box->Text.clear();
    Type("ABABABABABABABABABABABABABABABABABABABABABABAB");
    EXPECT_LE(CurrentFontLength(box->Text, 1), 180);
    EXPECT_GT(CurrentFontLength(box->Text, 1), 180 - 20); // within a character of it
}

TEST_F(TextInput, TheGlowStaysOnAndABoxBehindADialogTakesNoKeys) {
    Step();
    EXPECT_FLOAT_EQ(box->moverduration, 0.3f);
    auto dialog = root->AddContainer();
    Type("AB");
    EXPECT_EQ(box->Text, "");
    dialog->_Destroy();
    box->Deactivate();
    Type("AB");
    EXPECT_EQ(box->Text, "");
    box->Activate();
    Type("AB");
    EXPECT_EQ(box->Text, "Ab");
}

TEST_F(TextInput, AnyTextAtAllCanBeDrawn) {
    Text everything;
    for (int c = 1; c < 256; ++c) everything.push_back(static_cast<char>(c));
    box->Text = everything;
    root->Render();
    SetCurrentFont(nullptr);
    root->Render();
    Type("AB"); // no font: nothing measures, nothing breaks
    SUCCEED();
}

} // namespace
} // namespace wispwood
