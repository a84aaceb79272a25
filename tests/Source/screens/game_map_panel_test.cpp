// The map pictures opened from the play screen on the demo map, driven through the main
// loop: the overview composed with its dots, the drag that moves the main view, and the
// world's picture.
#include "Source/screens/game_map_panel.h"

#include "Library/core/vector.h"
#include "Library/files/data_paths.h"
#include "Library/graphics/graphic.h"
#include "Library/world/tile_map.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/game_world_map_panel.h"
#include "Source/world/demo_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

using namespace testsupport;

constexpr Point kMapButton{465, 539};
constexpr Point kDoneButton{720, 547};
constexpr Point kWorldDoneButton{760, 586};
// The demo map's overview is 150 x 112, centred on the screen.
constexpr int kPictureX = 325;
constexpr int kPictureY = 244;

class MapPictures : public DemoGame {
protected:
    void SetUp() override {
        DemoGame::SetUp();
        StartOnDemoMap();
        Frames(2);
    }

    GameMapPanel* Picture() const { return PageAs<GameMapPanel>(); }
    // Explored everywhere but the cells given, and nobody in sight, for the next picture.
    static void ExploreAllBut(const std::vector<Point>& cells) {
        g_tileMap->ClearFog();
        for (int row = 0; row < g_tileMap->GetHeight(); ++row)
            for (int column = 0; column < g_tileMap->GetWidth(); ++column)
                g_tileMap->SetExplored(column, row, true);
        for (const Point& cell : cells)
            g_tileMap->SetExplored(cell.x, cell.y, false);
    }
    void OpenPicture() {
        g_gameMode->SetMode(kModeMapPicture);
        Frame();
        ASSERT_NE(Picture(), nullptr);
    }
    uint16_t CanvasAt(int x, int y) const {
        const Graphic& canvas = Picture()->GetCanvas();
        return canvas.GetData()[y * canvas.GetWidth() + x];
    }
    // The overview as the file holds it, drawn where the screen centres it.
    static uint16_t OverviewAt(const Graphic& overview, int x, int y) {
        return overview.GetData()[(y - kPictureY) * overview.GetWidth() + (x - kPictureX)];
    }
    static Stringc OverviewPath() { return g_tileMap->GetGraphicPath(); }
    static Vector ViewPos() { return g_tileMap->GetViewPos(); }
};

TEST_F(MapPictures, AnExploredMapShowsItsOverviewAloneAndAnUnexploredCellItsSevenPixels) {
    ExploreAllBut({{40, 30}});
    OpenPicture();
    ASSERT_EQ(Picture()->GetPictureX(), kPictureX);
    ASSERT_EQ(Picture()->GetPictureY(), kPictureY);
    Graphic overview;
    ASSERT_TRUE(overview.LoadFile(OverviewPath().c_str(), false));
    ASSERT_EQ(overview.GetWidth(), 150);
    ASSERT_EQ(overview.GetHeight(), 112);

    // Cell (40, 30) is 640 x 360 screen pixels into the map: 60 and 33 on the picture.
    const int x = kPictureX + 60, y = kPictureY + 33;
    const Point black[] = {{x, y},     {x - 1, y},     {x + 1, y},    {x, y - 1},
                           {x, y + 1}, {x + 1, y - 1}, {x - 1, y + 1}};
    int blackened = 0;
    for (int py = kPictureY; py < kPictureY + 112; ++py)
        for (int px = kPictureX; px < kPictureX + 150; ++px) {
            bool dotted = false;
            for (const Point& at : black)
                dotted = dotted || (at.x == px && at.y == py);
            if (dotted) {
                EXPECT_EQ(CanvasAt(px, py), 0) << px << ", " << py;
                ++blackened;
            } else {
                ASSERT_EQ(CanvasAt(px, py), OverviewAt(overview, px, py)) << px << ", " << py;
            }
        }
    EXPECT_EQ(blackened, 7);
}

TEST_F(MapPictures, AVisibleCreatureGetsAFivePixelDotInItsSidesColour) {
    OpenPicture();
    const Vector& at = Leader()->GetPosition();
    const int x = kPictureX + static_cast<int>(static_cast<int>(at.x * 16 + 0.5001f) * 0.09375006f);
    const int y = kPictureY + static_cast<int>(static_cast<int>(at.y * 12 + 0.5001f) * 0.09375006f);
    const uint16_t green = Packed(0, 255, 0);
    for (const Point& dot : {Point{x, y}, {x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}})
        EXPECT_EQ(CanvasAt(dot.x, dot.y), green) << dot.x << ", " << dot.y;
    for (const Point& corner : {Point{x - 1, y - 1}, {x + 1, y + 1}})
        EXPECT_NE(CanvasAt(corner.x, corner.y), green);
}

TEST_F(MapPictures, APressOnThePictureCentresTheViewAndADragFollowsUntilTheRelease) {
    OpenPicture();
    const Vector before = ViewPos();
    MoveTo(kPictureX - 20, kPictureY + 50); // beside the picture
    Push(Event(SDL_MOUSEBUTTONDOWN));
    Frames(2);
    EXPECT_FALSE(Picture()->IsDragging());
    Push(Event(SDL_MOUSEBUTTONUP));
    Frame();
    EXPECT_EQ(ViewPos().x, before.x);
    EXPECT_EQ(ViewPos().y, before.y);

    // A quick click, its release in the same frame, centres the view too: 75 and 56
    // picture pixels are 799 and 597 screen pixels of the map.
    Click(kPictureX + 75, kPictureY + 56);
    EXPECT_FALSE(Picture()->IsDragging());
    const Vector pressed = ViewPos();
    g_tileMap->CentreViewOn(Vector(799 / 16.0f, 597 / 12.0f, 0.0f));
    EXPECT_EQ(pressed.x, ViewPos().x);
    EXPECT_EQ(pressed.y, ViewPos().y);
    EXPECT_TRUE(pressed.x != before.x || pressed.y != before.y);

    Push(Event(SDL_MOUSEBUTTONDOWN));
    Frame();
    ASSERT_TRUE(Picture()->IsDragging());
    MoveTo(kPictureX + 10, 20); // above the picture, still dragging
    const Vector dragged = ViewPos();
    EXPECT_LT(dragged.y, pressed.y);
    Push(Event(SDL_MOUSEBUTTONUP));
    Frame();
    MoveTo(kPictureX + 140, kPictureY + 100);
    EXPECT_EQ(ViewPos().x, dragged.x);
    EXPECT_EQ(ViewPos().y, dragged.y);

    Click(kDoneButton);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
}

// The overview goes for this test only: the screen still opens, and Done still returns.
TEST_F(MapPictures, WithoutAnOverviewTheScreenOpensAndDoneReturnsToTheMap) {
    g_gameMode->SetUseResourceFiles(false);
    const std::filesystem::path overview = OverviewPath().c_str();
    const std::filesystem::path aside = overview.string() + ".aside";
    std::filesystem::rename(overview, aside);
    Click(kMapButton);
    Frame();
    std::filesystem::rename(aside, overview);
    ASSERT_EQ(Mode(), kModeMapPicture);
    EXPECT_FALSE(Picture()->HasPicture());
    Click(kDoneButton);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
}

TEST_F(MapPictures, GOpensTheWorldsPictureAndDoneReturnsToTheMap) {
    Release(SDLK_g);
    Frame();
    ASSERT_EQ(Mode(), kModeWorldMapPicture);
    EXPECT_NE(PageAs<GameWorldMapPanel>(), nullptr);
    Click(kWorldDoneButton);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
}

} // namespace
