// The graphic offset editor on the demo world's interface pictures, driven through the
// main loop.
#include "Source/editors/graphic_offset_calc.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/real_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using namespace testsupport;

constexpr Point kSelectGraphic{57, 86};
constexpr Point kTransparent{132, 86};
constexpr Point kCancel{465, 441};
constexpr Point kListUp{777, 163};
constexpr Point kListDown{777, 577};
// The editor works over the tile map's view, which entering it leaves with no cells and at
// the map's corner, whatever map was shown before.
class OffsetEditing : public RealGame {
protected:
    void SetUp() override {
        RealGame::SetUp();
        Frame();
        ASSERT_TRUE(g_tileMap->Load("demo"));
        g_tileMap->CentreViewOn(Vector(70, 60, 0));
        g_gameMode->SetMode(kModeGraphicOffsetEditor);
        Frame();
        ASSERT_NE(PageAs<GraphicOffsetCalc>(), nullptr);
        ASSERT_EQ(g_tileMap->GetWidth(), 0);
        WorldToPixel(*g_tileMap, Vector(15, 16, 0), m_anchor.x, m_anchor.y);
    }

    GraphicOffsetCalc& Editor() const { return *PageAs<GraphicOffsetCalc>(); }
    std::string Field(uint32_t id) const {
        return Editor().GetMainWindow().FindChild(id)->GetText().c_str();
    }
    // The interface pictures, listed from the first.
    void LoadInterfacePictures() {
        Click(kSelectGraphic);
        ASSERT_EQ(Editor().GetState(), GraphicOffsetCalc::kSelectGraphicFile);
        ASSERT_TRUE(ClickListLine(Editor().GetChooser(), "interface"));
        Frame();
        ClickFirstFile();
    }
    // The first file line, shown however many pictures the folder holds.
    void ClickFirstFile() {
        const std::string first =
            std::filesystem::path(Editor().GetChooser().GetLinePath(0).c_str()).filename().string();
        ASSERT_TRUE(ClickListLine(Editor().GetChooser(), first));
        Frame();
    }

    Point m_anchor{}; // where the anchor (15, 16) is drawn
};

TEST_F(OffsetEditing, EachArrowKeyMovesTheGraphicOnePixel) {
    for (int press = 0; press < 16; ++press)
        Push(KeyUp(SDLK_RIGHT));
    Frame();
    EXPECT_EQ(Editor().GetOffset().x, 1.0f);
    EXPECT_EQ(Field(GraphicOffsetCalc::kOffsetX), "1.000");
    struct Key {
        SDLKey key;
        float x;
        float y;
    };
    for (const Key& k :
         {Key{SDLK_LEFT, 1.0f - 1.0f / 16, 0}, Key{SDLK_DOWN, 1.0f - 1.0f / 16, 1.0f / 12},
          Key{SDLK_UP, 1.0f - 1.0f / 16, 0}, Key{SDLK_a, 1.0f - 1.0f / 16, 0}}) {
        Release(k.key);
        EXPECT_FLOAT_EQ(Editor().GetOffset().x, k.x);
        EXPECT_FLOAT_EQ(Editor().GetOffset().y, k.y);
    }
    EXPECT_EQ(Field(GraphicOffsetCalc::kOffsetY), "0.000");

    // Each field shows a two-digit negative offset whole, past its left margin and short of
    // the clipped right edge.
    g_screen->SetFont(Editor().GetMainWindow().FindChild(GraphicOffsetCalc::kOffsetX)->GetFont());
    for (uint32_t id :
         {GraphicOffsetCalc::kOffsetX, GraphicOffsetCalc::kOffsetY, GraphicOffsetCalc::kOffsetZ}) {
        const Rect& field = Editor().GetMainWindow().FindChild(id)->GetRect();
        EXPECT_LE(g_screen->TextWidth("-12.345") + 8, field.x2 - field.x1) << id;
    }
}

TEST_F(OffsetEditing, DraggingPutsTheGraphicUnderTheMouse) {
    EXPECT_EQ(PixelAt(m_anchor.x + 12, m_anchor.y + 6), Packed(40, 40, 90)); // the anchor's cell
    Release(SDLK_d);
    ASSERT_TRUE(Editor().IsDragging());
    MoveTo(m_anchor.x + 16, m_anchor.y + 12);
    EXPECT_EQ(Editor().GetOffset(), Vector(1, 1, 0));
    EXPECT_EQ(Field(GraphicOffsetCalc::kOffsetX), "1.000");
    EXPECT_EQ(Field(GraphicOffsetCalc::kOffsetY), "1.000");
    EXPECT_EQ(Field(GraphicOffsetCalc::kOffsetZ), "0.000");
    Release(SDLK_RIGHT); // the step is taken, and the next frame puts it back under the mouse
    EXPECT_EQ(Editor().GetOffset(), Vector(1, 1, 0));
    Release(SDLK_d);
    Release(SDLK_RIGHT);
    EXPECT_EQ(Editor().GetOffset(), Vector(1 + 1.0f / 16, 1, 0));
}

// ".." and the directories are no pictures: loading takes the file lines alone.
TEST_F(OffsetEditing, TheListLoadsTheDirectorysFilesOnly) {
    Click(kSelectGraphic);
    ASSERT_TRUE(ClickListLine(Editor().GetChooser(), "interface"));
    Frame();
    testing::internal::CaptureStderr();
    ClickFirstFile();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "");
    EXPECT_EQ(Editor().GetCount(), Editor().GetChooser().GetFileLineCount());
    EXPECT_GT(Editor().GetCount(), 30);
    Click(kCancel);
    EXPECT_EQ(Editor().GetState(), GraphicOffsetCalc::kMainPanel);
}

TEST_F(OffsetEditing, TheListScrollsNoFurtherThanItsEnds) {
    LoadInterfacePictures();
    const int count = Editor().GetCount();
    Click(kListUp);
    EXPECT_EQ(Editor().GetFirstShown(), 0);
    for (int click = 0; click < count + 2; ++click)
        Click(kListDown);
    EXPECT_EQ(Editor().GetFirstShown(), count - 1);
    for (int click = 0; click < count + 2; ++click)
        Click(kListUp);
    EXPECT_EQ(Editor().GetFirstShown(), 0);
}

TEST_F(OffsetEditing, ResetForgetsTheListAndTheOffset) {
    LoadInterfacePictures();
    Click(kListDown);
    Click(kCancel);
    ASSERT_EQ(Editor().GetState(), GraphicOffsetCalc::kMainPanel);
    Release(SDLK_RIGHT);
    ASSERT_EQ(Field(2), "0.062");
    Editor().Reset();
    EXPECT_EQ(Editor().GetOffset(), Vector());
    EXPECT_EQ(Field(2), "0.000");
    EXPECT_EQ(Editor().GetCount(), 0);
    EXPECT_EQ(Editor().GetFirstShown(), 0);
    EXPECT_EQ(Editor().GetSelected(), nullptr);
    Frame(); // nothing left to draw in the list
}

// The colour key's ring, shown first: opaque at its edge, see-through inside.
TEST_F(OffsetEditing, ARightClickPicksTheShownPictureUnderThePointerUnlessItIsSeeThroughThere) {
    LoadInterfacePictures();
    int ring = 0; // the pictures are listed in the order of the chooser's file lines
    while (ring < Editor().GetChooser().GetFileLineCount() &&
           Editor().GetChooser().GetLinePath(ring).FindText("/radio_color_selected.tga") < 0)
        ++ring;
    ASSERT_LT(ring, Editor().GetCount());
    for (int click = 0; click < ring; ++click)
        Click(kListDown);
    ASSERT_EQ(Editor().GetFirstShown(), ring);
    RightClick(672, 178); // the ring, drawn at (670, 176)
    ASSERT_NE(Editor().GetSelected(), nullptr);
    EXPECT_STREQ(Editor().GetSelected()->GetFileName().c_str(), "radio_color_selected");
    RightClick(685, 191); // its middle
    EXPECT_EQ(Editor().GetSelected(), nullptr);
    EXPECT_EQ(Editor().GetState(), GraphicOffsetCalc::kSelectGraphicFile);

    RightClick(672, 178);
    RightClick(100, 520); // away from the list with a picture chosen: back to the main window
    EXPECT_EQ(Editor().GetState(), GraphicOffsetCalc::kMainPanel);
    Frame();
    const uint16_t edge = PixelAt(m_anchor.x + 20, m_anchor.y + 1); // drawn at the anchor
    EXPECT_EQ(edge, Packed(255, 220, 40));
    Click(kTransparent);
    EXPECT_TRUE(Editor().IsTransparent());
    EXPECT_NE(PixelAt(m_anchor.x + 20, m_anchor.y + 1), edge); // blended with the black
}

} // namespace
