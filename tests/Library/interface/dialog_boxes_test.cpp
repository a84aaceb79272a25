#include "Library/interface/edit_box.h"
#include "Library/interface/message_box.h"
#include "Library/interface/popup_window.h"
#include "interface_fixture.h"

#include <memory>
#include <string>

namespace {

class DialogBoxes : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        MakeImage("back.tga", 200, 100, 0x2108);
        MakeImage("ok.tga", 30, 20, 0x7C00);
    }
    // Events reach the box from its screen and, as the active window, from the interface.
    template <class Box> void ClickBox(Box& box, int x, int y) {
        ClickAt(x, y, [&box](const SDL_Event& event) { box.HandleEvent(event); });
    }
};

TEST_F(DialogBoxes, AMessageBoxReportsEachButtonOnce) {
    MessageBox box("back.tga", 100, 100);
    box.AddButton("ok.tga", 10, 70);
    box.AddSecondButton("ok.tga", 60, 70);
    box.SetTextLayout(10, 10, 1, 180);
    box.SetText("Do you really want to leave?");
    box.Poll();
    ClickBox(box, 115, 175);
    box.Poll();
    m_interface->Update(false);
    EXPECT_TRUE(box.TakeFirstButton());
    EXPECT_FALSE(box.TakeFirstButton());
    EXPECT_FALSE(box.TakeSecondButton());
    box.Poll();
    EXPECT_FALSE(box.TakeFirstButton()); // the click ended with its frame

    ClickBox(box, 165, 175);
    box.Poll();
    EXPECT_TRUE(box.TakeSecondButton());

    ClearTo(0);
    box.Draw(*m_screen);
    EXPECT_EQ(PixelAt(111, 171), 0xF800); // the button over the background
}

TEST_F(DialogBoxes, AnEditBoxTakesPrintableTypingAndReportsOkAndCancel) {
    EditBox box("back.tga", 0, 0);
    box.AddOkButton("ok.tga", 10, 70);
    box.AddCancelButton("ok.tga", 60, 70);
    box.SetTextLayout(10, 10, 1, 180);
    box.SetText("name");
    for (const SDL_Event& key :
         {Key(SDLK_BACKSPACE, 8), Key(SDLK_x, 'x'), Key(SDLK_TAB, '\t'), Key(SDLK_RETURN, '\r'),
          Key(SDLK_ESCAPE, 27), Key(SDLK_WORLD_1, 0xFC), Key(SDLK_1, '1')})
        EXPECT_FALSE(box.HandleKey(key));
    EXPECT_STREQ(box.GetText().c_str(), "namx1");

    box.SetDigitsOnly(true);
    box.HandleKey(Key(SDLK_a, 'a'));
    box.HandleKey(Key(SDLK_7, '7'));
    EXPECT_STREQ(box.GetText().c_str(), "namx17");

    box.Poll();
    ClickBox(box, 15, 75);
    box.Poll();
    ClickBox(box, 65, 75);
    box.Poll();
    EXPECT_TRUE(box.TakeAccepted());
    EXPECT_TRUE(box.TakeCancelled());
    EXPECT_FALSE(box.TakeAccepted());
}

// Typing wraps by characters unless word wrap is on: one long word breaks only then.
TEST_F(DialogBoxes, AnEditBoxWrapsTypingByCharactersUnlessToldOtherwise) {
    m_screen->SetFont(1);
    const int wrapWidth = m_screen->TextWidth("abcd");
    const int lineHeight = m_screen->FontHeight();
    for (const bool wordWrap : {false, true}) {
        EditBox box("back.tga", 0, 0);
        box.SetTextLayout(10, 10, 1, wrapWidth);
        box.SetWordWrap(wordWrap);
        for (char c : std::string("abcdefgh"))
            box.HandleKey(Key(static_cast<SDLKey>(c), static_cast<Uint16>(c)));
        EXPECT_STREQ(box.GetText().c_str(), "abcdefgh");
        ClearTo(0);
        box.Draw(*m_screen);
        const int secondLine =
            CountInked(10, 10 + lineHeight, 10 + wrapWidth, 10 + 2 * lineHeight, PixelAt(5, 5));
        EXPECT_EQ(secondLine > 0, !wordWrap) << secondLine;
    }
}

TEST_F(DialogBoxes, APopupStacksItsButtonsAndStaysOnTheScreen) {
    PopupWindow popup("back.tga", 4);
    popup.AddButton("ok.tga", 7);
    popup.AddButton("ok.tga", 8);
    InterfaceObject* second = popup.GetWindow()->FindChild(8);
    EXPECT_EQ(second->GetRect().y1, 24); // the first one's bottom + 4

    popup.MoveTo(780, 10);
    EXPECT_EQ(popup.GetWindow()->GetRect().x2, 800);
    EXPECT_EQ(second->GetRect().x1, 600);
    EXPECT_TRUE(popup.Contains(800, 110));

    // A moving mouse presses the button under it; a click is reported in its frame only.
    popup.Activate();
    Push(Motion(610, 40));
    Drain([&popup](const SDL_Event& event) { popup.HandleEvent(event); });
    EXPECT_TRUE(second->IsPressed());
    ClickBox(popup, 610, 40);
    EXPECT_EQ(popup.GetClickedId(), 8);
    m_interface->Update(false);
    EXPECT_EQ(popup.GetClickedId(), -1);

    // Inside bounds of its own, and gone from the interface with the popup.
    popup.SetBounds(Rect{300, 32, 700, 517});
    popup.MoveTo(10, 500);
    EXPECT_EQ(popup.GetWindow()->GetRect().x1, 300);
    EXPECT_EQ(popup.GetWindow()->GetRect().y2, 517);
    auto closed = std::make_unique<PopupWindow>("back.tga", 4);
    const InterfaceObject* window = closed->GetWindow();
    closed.reset();
    EXPECT_FALSE(m_interface->Holds(window));
}

} // namespace
