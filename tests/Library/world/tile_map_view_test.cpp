// The view onto the map: its sizes, centring, clamped scrolling and the conversions between
// the mouse, the screen and the world; what it draws with no map; and the lit object lists
// drawn in their order.
#include "Library/world/tile_map.h"

#include "Library/core/test_stream_support.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen_fixture.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/view_scale.h"
#include "Library/world/world_object.h"
#include "tile_map_support.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kGround[3] = {0, TileRecord::kWalkable, 0};

class TileMapView : public testsupport::MapDataRoot {
protected:
    void SetUp() override { ASSERT_TRUE(ReadBytes(testsupport::MapBytes(100, 100, kGround))); }
};

TEST_F(TileMapView, EachSizeHasItsRectangleAndCellsAndKeepsTheCentre) {
    struct Expected {
        int option;
        Rect rect;
        int columns, rows;
    };
    m_map.CentreViewOn(Vector(50, 50, 0));
    for (const Expected& e :
         {Expected{0, Rect{200, 74, 600, 474}, 27, 35},
          Expected{1, Rect{157, 32, 642, 517}, 32, 42}, Expected{2, Rect{58, 32, 741, 517}, 44, 42},
          Expected{3, Rect{0, 32, 800, 517}, 52, 42}}) {
        m_map.SetViewSize(e.option);
        EXPECT_EQ(m_map.GetViewRect(), e.rect) << e.option;
        EXPECT_EQ(m_map.GetVisibleColumns(), e.columns) << e.option;
        EXPECT_EQ(m_map.GetVisibleRows(), e.rows) << e.option;
        EXPECT_EQ(m_map.ViewCentre(), Vector(50, 50, 0)) << e.option;
    }
    m_map.SetViewSize(4); // no such size: the last one stays
    EXPECT_EQ(m_map.GetViewSize(), 3);
}

// Centring on a map narrower than the view leaves it left of its bounds unless the view
// would start left of them. Scrolling moves by the frame's share, brought to a whole pixel
// away from where it came, and stops at the bounds; a new size stops it.
TEST_F(TileMapView, TheOriginStaysWithinTheBounds) {
    m_map.SetViewSize(0);
    m_map.SetViewOrigin(Vector(10, 10, 0));
    m_map.SetScroll(Vector(1, -1, 0), 0.5f); // 40 pixels a second
    m_map.UpdateScroll(0.01);
    EXPECT_EQ(m_map.GetViewOrigin(), Vector(161, 119, 0));
    m_map.UpdateScroll(100);
    EXPECT_EQ(m_map.GetViewOrigin(), Vector(1200, 0, 0));
    EXPECT_EQ(g_viewScale.GetViewOffset(), Vector(1000, -74, 0));
    m_map.SetViewSize(0);
    const Vector stopped = m_map.GetViewOrigin();
    m_map.UpdateScroll(1);
    EXPECT_EQ(m_map.GetViewOrigin(), stopped);

    ASSERT_TRUE(ReadBytes(testsupport::MapBytes(20, 100, kGround))); // 320 pixels wide
    m_map.CentreViewOn(Vector(15, 99, 0)); // 240 - 200 pixels: at or right of 0
    EXPECT_EQ(m_map.GetViewOrigin(), Vector(-80, 800, 0));
    m_map.CentreViewOn(Vector(5, 10, 0)); // 80 - 200 pixels
    EXPECT_EQ(m_map.GetViewOrigin(), Vector(0, 0, 0));
}

TEST_F(TileMapView, WorldScreenAndMousePositionsRoundTrip) {
    m_map.SetViewSize(1);
    m_map.SetViewOrigin(Vector(20.5f, 30.25f, 0));
    EXPECT_EQ(m_map.GetViewPos(), Vector(20.5f, 30.25f, 0));
    const int savedX = g_mouseX, savedY = g_mouseY;
    for (const Vector& point : {Vector(25, 35, 0), Vector(30.5f, 40.75f, 0)}) {
        int x = 0, y = 0;
        WorldToPixel(m_map, point, x, y);
        EXPECT_EQ(m_map.ScreenToWorld(x, y), point);
        g_mouseX = x;
        g_mouseY = y;
        EXPECT_EQ(m_map.MouseToWorld(), point);
        EXPECT_EQ(m_map.MouseToMapPixels(), Vector(point.x * 16, point.y * 12, 0));
    }
    g_mouseX = savedX;
    g_mouseY = savedY;
}

// A placed object that logs how the map lights, places and draws it.
class LoggedObject : public WorldObject {
public:
    LoggedObject(std::vector<std::string>& into, const char* called, uint16_t kind, Vector position,
                 bool shown = true)
        : log(into), name(called), placed(shown) {
        SetKind(kind);
        SetPosition(position);
    }
    void SetColourMod(int red, int green, int blue) override { light = {red, green, blue}; }
    bool UpdateScreenPos(Screen&) override {
        log.push_back(name);
        clip = g_clipRect;
        return placed;
    }
    bool Draw(Screen&) override { return !log.back().append(" drawn").empty(); }

    std::vector<std::string>& log;
    std::string name;
    bool placed;
    std::array<int, 3> light{99, 99, 99};
    Rect clip;
};

class TileMapScreen : public ScreenTest {
protected:
    TileMapScreen() { m_dir.WriteFile("art/graphic/map/m.tga", "opened, never read"); }

    DataPaths m_paths{m_root.c_str()};
    TileMap m_map{m_paths, nullptr};
};

TEST_F(TileMapScreen, WithNoMapOnlyTheMessageAndTheViewsOutlineAreDrawn) {
    InstallFont();
    ASSERT_TRUE(m_screen->OpenFonts());
    const uint16_t blue = Colour(0, 0, 160).Pack16();
    ClearTo(blue);
    m_map.SetViewSize(0); // (200, 74) to (600, 474)
    m_map.Draw(*m_screen, TileMap::kFogOfWar);
    int outline = 0, text = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            if (PixelAt(x, y) == blue)
                continue;
            const bool onOutline = ((x == 200 || x == 599) && y >= 74 && y <= 473) ||
                                   ((y == 74 || y == 473) && x >= 200 && x <= 599);
            const bool inText = y >= 200 && y < 214 && x >= 200 && x < 500;
            outline += onOutline && PixelAt(x, y) == 0;
            text += inText;
            EXPECT_TRUE(onOutline || inText) << x << ", " << y;
        }
    EXPECT_EQ(outline, 2 * 400 + 2 * 398);
    EXPECT_GT(text, 100);
}

// Lights of the cells (255, 200, 0) less 255 with the tint (-1, 2, 0): the static list takes
// the first tint value four times over; the others each channel's tint x 16 plus its light,
// divided by 4 rounding down; off the map nothing. Then the lists are drawn in order within
// the view: static, extra (soldiers only), items, mobile (soldiers not flagged as shown).
TEST_F(TileMapScreen, ObjectsAreLitAndDrawnListByListWithinTheView) {
    constexpr uint32_t kLit[3] = {255u << 12 | 200u << 20, TileRecord::kWalkable, 0};
    TestStream stream(testsupport::MapBytes(4, 4, kLit));
    ASSERT_TRUE(m_map.Read(stream));
    m_map.SetViewSize(0);
    m_map.SetTint(ColourOffset{-1, 2, 0});
    std::vector<std::string> log;
    LoggedObject door(log, "door", 7, Vector(3, 3, 0));
    LoggedObject extraSoldier(log, "extra soldier", 3, Vector(2, 0, 0));
    LoggedObject extraItem(log, "extra item", 1, Vector(0, 0, 0));
    LoggedObject item(log, "item", 1, Vector(1, 1, 0));
    LoggedObject soldier(log, "soldier", 3, Vector(1.5f, 2.5f, 0));
    LoggedObject hidden(log, "hidden", 4, Vector(0, 2, 0), false);
    LoggedObject away(log, "away", 4, Vector(-5, 2.5f, 0));
    for (LoggedObject* object : {&door, &item, &soldier, &hidden, &away})
        m_map.AddObject(object);
    m_map.AddObjectToExtraList(&extraSoldier);
    m_map.AddObjectToExtraList(&extraItem);

    m_map.DrawObjects(*m_screen);
    EXPECT_EQ(log, (std::vector<std::string>{"door drawn", "extra soldier drawn", "item drawn",
                                             "hidden", "away drawn", "soldier drawn"}));
    const std::array<int, 3> lit{-4, -6, -64};
    for (const LoggedObject* object : {&extraSoldier, &extraItem, &item, &soldier, &hidden})
        EXPECT_EQ(object->light, lit);
    EXPECT_EQ(door.light, (std::array<int, 3>{-4, -4, -4}));
    EXPECT_EQ(away.light, (std::array<int, 3>{99, 99, 99}));
    for (const LoggedObject* object : {&door, &extraSoldier, &item, &hidden, &away}) {
        EXPECT_TRUE(object->HasAnyFlag(TileMap::kShownFlag));
        EXPECT_EQ(object->clip, m_map.GetViewRect());
    }
    EXPECT_FALSE(soldier.HasAnyFlag(TileMap::kShownFlag) ||
                 extraItem.HasAnyFlag(TileMap::kShownFlag));
    EXPECT_EQ(g_clipRect, (Rect{0, 0, 800, 600}));
    for (LoggedObject* object : {&door, &item, &soldier, &hidden, &away}) // they go first
        m_map.RemoveObject(object);
    m_map.RemoveObjectFromExtraList(&extraSoldier);
    m_map.RemoveObjectFromExtraList(&extraItem);
}

} // namespace

// A crossed cell is filled whole in the drawing colour, not shaded over what lay there.
TEST_F(TileMapScreen, ACrossedCellIsFilled) {
    TestStream stream(testsupport::MapBytes(100, 100, kGround));
    ASSERT_TRUE(m_map.Read(stream));
    m_map.SetViewSize(3);
    ClearTo(0);
    m_screen->SetDrawColour(0xFFFF);
    m_map.CrossCell(2, 3, *m_screen);
    int x = 0, y = 0;
    WorldToPixel(m_map, Vector(2, 3, 0), x, y);
    EXPECT_EQ(PixelAt(x + 5, y), 0xFFFF); // on its top edge, off the diagonals
}
