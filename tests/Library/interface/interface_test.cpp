#include "Library/core/tracked_new.h"
#include "Library/graphics/pixel_format.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/sound/recording_sound_layer.h"
#include "Library/sound/sound_mgr.h"
#include "interface_fixture.h"

namespace {

constexpr uint16_t kRed555 = 0x7C00;
constexpr uint16_t kBlue555 = 0x001F;
constexpr uint16_t kGrey555 = 0x2108;

enum Id : uint32_t { kButton = 1, kToggle, kRadioA, kRadioB, kEdit, kLabel, kSlider, kPicture };

// One window at 0, 0 holding a widget of every type.
class Toolkit : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        MakeImage("back.tga", 200, 150, kGrey555);
        MakeImage("down.tga", 30, 20, kRed555);
        MakeImage("up.tga", 30, 20, kBlue555);
        MakeImage("knob.tga", 10, 10, kRed555);
        m_window = m_interface->CreateImageWindow("back.tga", 0, 0);
        Add(kButton, kWidgetButton, 10, 10);
        Add(kToggle, kWidgetToggle, 50, 10);
        Add(kRadioA, kWidgetRadio, 10, 40);
        Add(kRadioB, kWidgetRadio, 50, 40);
        m_window->AddChild(kWidgetTextEdit, Rect{10, 70, 110, 90}, "")->SetId(kEdit);
        m_window->AddChild(kWidgetLabel, Rect{10, 100, 10, 100}, "label")->SetId(kLabel);
        InterfaceObject* slider = m_window->AddChild(kWidgetSlider, Rect{10, 120, 10, 120}, "");
        slider->SetId(kSlider);
        slider->SetImage("knob.tga");
        slider->SetTrack(10, 110);
        m_window->AddChild(kWidgetImage, Rect{150, 10, 150, 10}, "")->SetId(kPicture);
        m_interface->SetActive(m_window);
    }
    void Add(uint32_t id, uint32_t type, int16_t x, int16_t y) {
        InterfaceObject* child = m_window->AddChild(type, Rect{x, y, x, y}, "");
        child->SetId(id);
        child->SetImage("down.tga");
        child->SetImage2("up.tga");
    }
    InterfaceObject* Child(uint32_t id) const { return m_window->FindChild(id); }
    void Type(const std::vector<SDL_Event>& keys) {
        for (const SDL_Event& key : keys)
            Push(key);
        Drain([this](const SDL_Event& event) { m_window->HandleKey(event); });
    }

    InterfaceObject* m_window = nullptr;
};

TEST_F(Toolkit, AClickIsSeenInExactlyOneFrame) {
    EXPECT_EQ(Child(kButton)->GetRect().x2, 40); // sized by its image, both edges inside
    ClickAt(40, 30);
    EXPECT_EQ(m_window->GetClickedChild(), Child(kButton));
    m_interface->Update(false);
    EXPECT_EQ(m_window->GetClickedChild(), nullptr);

    // Pressed, then released elsewhere: no click, and the press ends.
    PressAt(20, 20);
    Drain();
    EXPECT_TRUE(Child(kButton)->IsPressed());
    m_window->SetDirty(true);
    m_window->Draw(*m_screen);
    EXPECT_EQ(PixelAt(20, 20), Convert555To565(kRed555)); // the first image while pressed
    Push(Motion(100, 100));
    Release();
    Drain();
    EXPECT_FALSE(Child(kButton)->IsPressed());
    EXPECT_EQ(m_window->GetClickedChild(), nullptr);

    // Any mouse button clicks; two clicks in one frame both end with it.
    ClickAt(60, 20);
    PressAt(20, 20, SDL_BUTTON_RIGHT);
    Release(SDL_BUTTON_RIGHT);
    Drain();
    EXPECT_TRUE(Child(kToggle)->IsClicked());
    EXPECT_TRUE(Child(kButton)->IsClicked());
    m_interface->Update(false);
    EXPECT_EQ(m_window->GetClickedChild(), nullptr);
}

// A window away from the diagonal: a child sits at the window's corner plus its own offset,
// so the click lands only when both are taken the right way round.
TEST_F(Toolkit, ChildrenOfAWindowOffTheDiagonalSitAtItsCornerPlusTheirOffset) {
    InterfaceObject* window = m_interface->CreateImageWindow("back.tga", 300, 40);
    InterfaceObject* button = window->AddImageButton(7, "up.tga", 10, 50);
    m_interface->SetActive(window);
    EXPECT_EQ(button->GetRect(), Rect::Make(310, 90, 340, 110));
    for (const auto& [x, y] : {std::pair{355, 55}, {55, 355}, {15, 55}}) { // the slips' places
        ClickAt(x, y);
        EXPECT_EQ(window->GetClickedChild(), nullptr) << x << "," << y;
    }
    ClickAt(315, 95);
    EXPECT_EQ(window->GetClickedChild(), button);
    ClearTo(0);
    window->SetDirty(true);
    window->Draw(*m_screen);
    EXPECT_EQ(PixelAt(311, 91), Convert555To565(kBlue555)); // the button's image
    EXPECT_EQ(PixelAt(309, 91), Convert555To565(kGrey555)); // the window's
}

TEST_F(Toolkit, DisabledAndHiddenWidgetsNeverTakeAClickAndOverlapsGoToTheFirstAdded) {
    Child(kButton)->SetEnabled(false);
    Child(kToggle)->SetVisible(false);
    ClickAt(20, 20);
    ClickAt(60, 20);
    EXPECT_EQ(m_window->GetClickedChild(), nullptr);
    EXPECT_FALSE(Child(kToggle)->IsOn());

    Child(kButton)->SetEnabled(true);
    InterfaceObject* late = m_window->AddChild(kWidgetButton, Rect{0, 0, 40, 40}, "");
    PressAt(20, 20);
    Drain();
    EXPECT_TRUE(Child(kButton)->IsPressed());
    EXPECT_FALSE(late->IsPressed());
    EXPECT_EQ(m_window->ChildAt(20, 20), late);
}

TEST_F(Toolkit, TogglesFlipAndRadioButtonsSelectOne) {
    ClickAt(60, 20);
    EXPECT_TRUE(Child(kToggle)->IsOn());
    ClickAt(60, 20);
    EXPECT_FALSE(Child(kToggle)->IsOn());

    ClickAt(20, 50);
    EXPECT_TRUE(Child(kRadioA)->IsSelected());
    m_interface->Update(false);
    ClickAt(60, 50);
    EXPECT_TRUE(Child(kRadioB)->IsSelected());
    EXPECT_FALSE(Child(kRadioA)->IsSelected());
    m_interface->Update(false);

    // The selected one again: no press, no click.
    PressAt(60, 50);
    Drain();
    EXPECT_FALSE(Child(kRadioB)->IsPressed());
    Release();
    Drain();
    EXPECT_EQ(m_window->GetClickedChild(), nullptr);
    EXPECT_TRUE(Child(kRadioB)->IsSelected());
}

TEST_F(Toolkit, TextEditsTakePrintableCharactersOnlyWhileFocused) {
    InterfaceObject* edit = Child(kEdit);
    EXPECT_FALSE(m_window->HandleKey(Key(SDLK_a, 'a')));
    ClickAt(50, 80);
    ASSERT_TRUE(edit->HasFocus());
    Type({Key(SDLK_a, 'a'), Key(SDLK_TAB, '\t'), Key(SDLK_ESCAPE, 27), Key(SDLK_b, 'b'),
          Key(SDLK_WORLD_0, 0xE9), Key(SDLK_RETURN, '\r'), Key(SDLK_c, 'c'),
          Key(SDLK_BACKSPACE, 8)});
    EXPECT_STREQ(edit->GetText().c_str(), "ab");

    m_interface->Update(true); // the cursor follows the blink flag
    EXPECT_STREQ(edit->GetDisplayText().c_str(), "ab|");

    edit->SetDigitsOnly(true);
    Type({Key(SDLK_a, 'a'), Key(SDLK_7, '7')});
    EXPECT_STREQ(edit->GetText().c_str(), "ab7");
    EXPECT_TRUE(m_window->HandleKey(Key(SDLK_a, 'a')));

    // A release over nothing takes the focus away.
    ClickAt(190, 140);
    EXPECT_FALSE(edit->HasFocus());
    EXPECT_FALSE(m_window->HandleKey(Key(SDLK_a, 'a')));
}

TEST_F(Toolkit, APressPlaysItsPreloadedSoundOnce) {
    std::vector<std::string> log;
    SoundMgr sound(32, std::make_unique<RecordingSoundLayer>(log));
    g_soundMgr = &sound;
    Child(kButton)->SetPressOutSound("click.wav");
    Child(kRadioA)->SetPressOutSound("click.wav");
    PressAt(20, 20);
    PressAt(20, 20); // already pressed: no second sound
    Release();
    Drain();
    EXPECT_EQ(CountCalls(log, "FSOUND_PlaySoundEx"), 1);
    ClickAt(20, 50);
    ClickAt(20, 50); // the selected radio button
    EXPECT_EQ(CountCalls(log, "FSOUND_PlaySoundEx"), 2);
    EXPECT_EQ(CountCalls(log, "FSOUND_Sample_Load"), 1); // loaded when set, and once
    g_soundMgr = nullptr;
}

TEST_F(Toolkit, SlidersRoundTripTheirEndsAndFollowTheMouseOnlyWhenNothingElseHoldsIt) {
    InterfaceObject* slider = Child(kSlider);
    for (int value : {0, 255}) {
        slider->SetSliderValue(value, 255);
        EXPECT_EQ(slider->GetSliderValue(slider->GetRect().x1 + 5), value);
    }
    EXPECT_EQ(slider->GetSliderValue(60), 128); // 50 of 100 pixels, rounded up
    slider->SetSliderValue(7, 0);               // no range: the start
    EXPECT_EQ(slider->GetRect().x1, 10);

    PressAt(15, 125);
    Drain();
    EXPECT_TRUE(slider->IsPressed());
    PressAt(150, 125); // still held: it is the captured child
    Drain();
    EXPECT_TRUE(slider->IsPressed());
    Release();
    ClickAt(20, 50);
    ASSERT_TRUE(Child(kRadioA)->IsSelected());
    PressAt(15, 125);
    Drain();
    EXPECT_FALSE(slider->IsPressed());
}

TEST_F(Toolkit, ActivationEndsTheOldWindowsPressesAndDestroyingTheActiveWindowIsClean) {
    PressAt(20, 20);
    Drain();
    InterfaceObject* other = m_interface->CreateImageWindow("back.tga", 300, 0);
    m_interface->SetActive(other);
    EXPECT_FALSE(Child(kButton)->IsPressed());

    m_interface->DestroyWindow(other);
    EXPECT_EQ(m_interface->GetActive(), nullptr);
    m_interface->Update(true);
    ClickAt(20, 20);
    m_interface->SetActive(other); // no longer held: ignored
    m_interface->DestroyWindow(other);
    EXPECT_EQ(m_interface->GetActive(), nullptr);
    EXPECT_EQ(m_window->GetClickedChild(), nullptr);
}

// A reset child leaves its parent's ring, the rest staying reachable; a reset window drops
// its children and is a plain, live image widget again.
TEST_F(Toolkit, ResetLeavesTheParentAndDropsChildrenTextImagesAndFlags) {
    InterfaceObject* radio = Child(kRadioA);
    radio->Select();
    radio->Reset();
    EXPECT_EQ(Child(kRadioA), nullptr);
    ASSERT_NE(Child(kButton), nullptr);
    EXPECT_EQ(radio->GetParent(), nullptr);
    EXPECT_EQ(radio->GetImage(), nullptr);
    EXPECT_EQ(radio->GetType(), kWidgetImage);
    EXPECT_EQ(radio->GetFlags() & ~(kWidgetFontMask | kWidgetHighFontMask),
              kWidgetEnabled | kWidgetVisible);
    DELETE radio;

    InterfaceObject* picture = Child(kPicture); // the first child of the ring
    ASSERT_EQ(m_window->GetFirstChild(), picture);
    picture->Reset();
    DELETE picture;
    EXPECT_NE(Child(kSlider), nullptr);

    Child(kEdit)->SetFocus();
    m_window->SetText("title");
    m_window->Reset();
    EXPECT_EQ(m_window->GetFirstChild(), nullptr);
    EXPECT_EQ(m_window->GetText(), "");
    EXPECT_EQ(m_window->GetFlags(), kWidgetEnabled | kWidgetVisible | 5u << 9);
    ClickAt(20, 20); // nothing left to take it
}

} // namespace
