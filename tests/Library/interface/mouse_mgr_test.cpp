#include "Library/interface/mouse_mgr.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/vector.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/animation_support.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen_fixture.h"
#include "Library/graphics/update_rectangles.h"
#include "Library/interface/mouse_position.h"

namespace {

constexpr uint32_t kFrameMs = 100;
constexpr uint16_t kScene = 0x1234;

class MouseMgrTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        std::filesystem::create_directories(m_data.Path("fonts"));
        std::filesystem::copy_file(kSystemFont, m_data.Path("fonts/Cour.ttf"));
        ASSERT_TRUE(m_screen->OpenFonts());
        m_screen->ResetClipRect();
        for (const char* kind : {"pointer", "attack", "use_item", "use_spell"})
            testsupport::WriteAni(m_data, "Mouse", kind, 2, 1, kFrameMs);
        testsupport::WriteAni(m_data, "Mouse", "scroll", 24, 8, kFrameMs);
        testsupport::WriteAni(m_data, "Mouse", "error", 3, 1, kFrameMs);
        m_mouse = std::make_unique<MouseMgr>(800, 600);
        g_updateRects = &m_rects;
    }
    void TearDown() override {
        g_updateRects = nullptr;
        m_mouse.reset();
        ScreenTest::TearDown();
    }
    Stringc Shown() const { return m_mouse->GetAnimation().GetName(); }
    float Speed() const { return Scroll().second; }
    std::pair<Vector, float> Scroll() const {
        std::pair<Vector, float> scroll{Vector(), -1.0f};
        m_mouse->GetScrollVector(scroll.first, scroll.second);
        return scroll;
    }
    // One frame's drawing; checks run between the draw and the erase.
    template <class Check> void DrawFrame(Check check) {
        m_mouse->PrepareDraw(*m_screen);
        m_mouse->Draw(*m_screen);
        check();
        m_mouse->Erase(*m_screen);
    }

    testsupport::ScopedDataRoot m_data;
    UpdateRectangles m_rects;
    std::unique_ptr<MouseMgr> m_mouse;
};

TEST_F(MouseMgrTest, EdgesScrollOnlyOnMapsWithARampingSpeedThatAnErrorCursorStops) {
    m_mouse->SetPosition(900, -5);
    EXPECT_EQ(g_mouseX, 784);
    m_mouse->Update(10, kModeTitleMenu);
    EXPECT_EQ(m_mouse->GetMode(), kCursorNormal);
    m_mouse->Update(10, kModeAreaMap);
    EXPECT_EQ(m_mouse->GetMode(), kCursorScroll);
    EXPECT_EQ(m_mouse->GetAnimation().GetSequence(), 1); // the corner wins over the sides
    EXPECT_EQ(Speed(), 0.0f);
    for (float speed : {0.2f, 0.4f, 0.4f, 1.0f, 1.0f}) { // frames 0, 1, 1, 2, 2
        m_mouse->Update(kFrameMs / 2, kModeAreaMap);
        EXPECT_EQ(Speed(), speed);
    }

    m_mouse->SetKind(kCursorUseSpell); // shown only in the normal mode
    m_mouse->SetMode(kCursorError);    // the map stops scrolling under the error cursor
    EXPECT_EQ(Speed(), 0.0f);
    EXPECT_EQ(Shown(), "error");
    for (int frame = 0; frame < 3; ++frame) // plays once
        m_mouse->Update(kFrameMs, kModeAreaMap);
    EXPECT_EQ(Shown(), "use_spell");

    struct Case {
        int x, y, edge;
        float dx, dy;
    };
    for (const Case& c : {Case{400, 0, 0, 0, -1}, Case{784, 300, 2, 1, 0}, Case{784, 584, 3, 1, 1},
                          Case{400, 584, 4, 0, 1}, Case{0, 584, 5, -1, 1}, Case{0, 300, 6, -1, 0},
                          Case{0, 0, 7, -1, -1}}) {
        m_mouse->SetPosition(c.x, c.y);
        m_mouse->Update(10, kModeMapEditor);
        EXPECT_EQ(m_mouse->GetScrollEdge(), c.edge);
        EXPECT_EQ(Scroll().first, Vector(c.dx, c.dy, 0)) << c.edge;
    }
    m_mouse->SetPosition(400, 300);
    m_mouse->Update(10, kModeWorldMap);
    EXPECT_EQ(Speed(), 0.0f);
    EXPECT_EQ(m_mouse->GetMode(), kCursorNormal);
}

TEST_F(MouseMgrTest, DoubleClicksPairReleasesWithinTheTimeAndASlowOneArmsAgain) {
    struct Step {
        uint32_t waitMs;
        Uint8 button;
        bool left, right;
    };
    const Step steps[] = {
        {0, SDL_BUTTON_LEFT, false, false},   {100, SDL_BUTTON_LEFT, true, false},
        {100, SDL_BUTTON_LEFT, false, false}, {100, SDL_BUTTON_LEFT, true, false},
        {0, SDL_BUTTON_LEFT, false, false},   {1000, SDL_BUTTON_LEFT, false, false},
        {100, SDL_BUTTON_LEFT, true, false},  {0, SDL_BUTTON_RIGHT, false, false},
        {0, SDL_BUTTON_MIDDLE, false, false}, {249, SDL_BUTTON_RIGHT, false, true},
        {0, SDL_BUTTON_RIGHT, false, false},  {250, SDL_BUTTON_RIGHT, false, false},
    };
    int index = 0;
    SDL_Event release{};
    release.type = SDL_MOUSEBUTTONUP;
    for (const Step& step : steps) {
        m_mouse->Update(step.waitMs, kModeTitleMenu);
        release.button.button = step.button;
        m_mouse->HandleButton(release);
        EXPECT_EQ(m_mouse->TakeLeftDoubleClick(), step.left) << "step " << index;
        EXPECT_EQ(m_mouse->TakeRightDoubleClick(), step.right) << "step " << index;
        ++index;
    }
}

TEST_F(MouseMgrTest, HoverNeedsHalfASecondStillAndTheFirstMoveEndsIt) {
    m_mouse->SetPosition(300, 300);
    m_mouse->Update(400, kModeTitleMenu); // a move: nothing counted
    m_mouse->Update(400, kModeTitleMenu);
    m_mouse->SetPosition(301, 300);
    m_mouse->Update(10, kModeTitleMenu); // starts the count again
    m_mouse->Update(400, kModeTitleMenu);
    EXPECT_FALSE(m_mouse->IsHovering());
    m_mouse->Update(100, kModeTitleMenu);
    EXPECT_TRUE(m_mouse->IsHovering());

    m_mouse->SetHoverText("Door", *m_screen);
    EXPECT_EQ(m_mouse->GetHoverBox().x1, 297);
    m_mouse->SetPosition(500, 500);
    m_mouse->SetHoverText("door", *m_screen); // the same text: the tooltip stays
    EXPECT_EQ(m_mouse->GetHoverBox().x1, 297);
    m_mouse->Update(10, kModeTitleMenu);
    EXPECT_FALSE(m_mouse->IsHovering());
    EXPECT_EQ(m_mouse->GetHoverText(), "");

    m_mouse->SetPosition(800, 0); // kept on the screen
    m_mouse->SetHoverText("Door", *m_screen);
    EXPECT_EQ(m_mouse->GetHoverBox().x2, 799);
    EXPECT_EQ(m_mouse->GetHoverBox().y1, -3);
}

TEST_F(MouseMgrTest, DrawsOverTheSceneAndPutsItBack) {
    const int screenPixels = 800 * 600;
    ClearTo(kScene);
    m_mouse->SetPosition(400, 300);
    m_mouse->Update(10, kModeAreaMap);
    m_mouse->Update(500, kModeAreaMap); // hovering
    m_mouse->SetHoverText("Door", *m_screen);
    DrawFrame([&] { EXPECT_EQ(CountPixels(kScene), screenPixels); }); // the first draws nothing

    m_rects.Flush(*m_screen);
    DrawFrame([&] { // the pointer's second frame, cropped 1 pixel in from the cursor
        EXPECT_NE(PixelAt(401, 301), kScene);
        EXPECT_EQ(PixelAt(402, 302), kScene); // the frame's hole
        const Rect& box = m_mouse->GetHoverBox();
        EXPECT_EQ(PixelAt(box.x1 + 1, box.y1 + 1), Colour(0, 0, 0).Pack16());
        EXPECT_EQ(PixelAt(box.x1 + 2, box.y1 + 2), Colour(255, 234, 132).Pack16());
        ASSERT_EQ(m_rects.GetCount(), 2);
        EXPECT_EQ(m_rects.GetRect(0).w, 7);
    });
    EXPECT_EQ(CountPixels(kScene), screenPixels);
}

} // namespace
