#include "Source/creatures/vision_grid.h"

#include "Library/core/vector.h"
#include "Library/world/tile_map_support.h"
#include "Library/world/tile_record.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Cells = std::vector<std::pair<int, int>>;

// An open meadow of the given size with walls (type 11) where asked, and a creature's grid.
class VisionGridTest : public testsupport::MapDataRoot {
protected:
    void MakeMap(uint32_t side, const Cells& walls = {}) {
        const uint32_t ground[3] = {0, TileRecord::kWalkable, 0};
        ASSERT_TRUE(ReadBytes(testsupport::MapBytes(side, side, ground)));
        for (const auto& [x, y] : walls)
            m_map.SetTileType(x, y, TileRecord::kSightBlockingType);
    }
    // The grid of a creature standing in the middle of tile (x, y).
    bool StandAt(int x, int y, int radius = VisionGrid::kMaxRadius) {
        return m_grid.Recompute(Vector(x + 0.5f, y + 0.5f, 0), radius);
    }

    VisionGrid m_grid{m_map};
};

TEST_F(VisionGridTest, AWallCastsAShadowAndItsDiagonalNeighbourDecides) {
    Cells wall;
    for (int y = 15; y <= 25; ++y)
        wall.push_back({23, y});
    MakeMap(60, wall);
    ASSERT_TRUE(StandAt(20, 20));
    EXPECT_TRUE(m_grid.IsCellSeen(2, 0));
    for (int dx = 3; dx <= 19; ++dx) // the wall and all behind it
        EXPECT_FALSE(m_grid.IsCellSeen(dx, 0)) << dx;
    EXPECT_FALSE(m_grid.IsCellSeen(10, 5));
    EXPECT_TRUE(m_grid.IsCellSeen(5, 12)); // beside the shadow
    EXPECT_FALSE(m_grid.IsVisible(Vector(30.5f, 20.5f, 0)));

    // A cell two east of the creature is hidden only when both its inner neighbours are
    // walls: the diagonal one lies at -1 in y, because 0 counts as positive.
    const std::pair<Cells, bool> cases[] = {
        {{{21, 20}}, true}, // (1, 0) alone: (1, -1) still sees
        {{{21, 20}, {21, 21}}, true},
        {{{21, 20}, {21, 19}}, false},
    };
    for (const auto& [walls, seen] : cases) {
        MakeMap(40, walls);
        VisionGrid grid(m_map);
        grid.Recompute(Vector(20.5f, 20.5f, 0), 20);
        EXPECT_EQ(grid.IsCellSeen(2, 0), seen) << walls.size();
    }
    MakeMap(40, {{21, 21}});
    ASSERT_TRUE(StandAt(30, 30)); // a move, so the grid is made again
    ASSERT_TRUE(StandAt(20, 20));
    EXPECT_FALSE(m_grid.IsCellSeen(2, 2)); // straight behind a diagonal wall
    EXPECT_TRUE(m_grid.IsCellSeen(2, 1));
}

TEST_F(VisionGridTest, RadiusEdgesAndOffsetsAsTheGridHoldsThem) {
    MakeMap(60);
    ASSERT_TRUE(StandAt(30, 30, 35)); // held at 20
    EXPECT_TRUE(m_grid.IsVisible(Vector(49.5f, 30.0f, 0)));
    EXPECT_FALSE(m_grid.IsVisible(Vector(50.5f, 30.0f, 0)));
    // Offsets run from -21 to +19: 20 east is on the radius but has no cell.
    EXPECT_FALSE(m_grid.IsVisible(Vector(50.0f, 30.0f, 0)));
    EXPECT_FALSE(m_grid.IsCellSeen(0, 20));
    EXPECT_TRUE(m_grid.IsCellSeen(-20, 0));
    // Offsets are truncated toward zero: half a tile west is still the creature's own cell.
    EXPECT_TRUE(m_grid.IsVisible(Vector(29.5f, 30.0f, 0)));
    EXPECT_FALSE(m_grid.Recompute(Vector(30.99f, 30.0f, 0), 5)); // the same tile
    EXPECT_FALSE(m_grid.HasChanged());

    ASSERT_TRUE(StandAt(1, 1, 5));
    EXPECT_TRUE(m_grid.IsVisible(Vector(4, 5, 0))); // exactly on the radius
    EXPECT_FALSE(m_grid.IsVisible(Vector(4, 5.01f, 0)));
    EXPECT_FALSE(m_grid.IsVisible(Vector(1, 1, 5.5f))); // height counts
    EXPECT_FALSE(m_grid.IsCellSeen(-2, 0));             // beyond the map's edge
    ASSERT_TRUE(StandAt(5, 5, -3));                     // held at 0
    EXPECT_TRUE(m_grid.IsCellSeen(10, 10));             // the rings are computed all the same
    EXPECT_TRUE(m_grid.IsVisible(Vector(5, 5, 0)));
    EXPECT_FALSE(m_grid.IsVisible(Vector(5.5f, 5.0f, 0)));
}

TEST_F(VisionGridTest, TheFogShowsWhatIsInViewWithEdgesFacingIt) {
    MakeMap(8);
    ASSERT_TRUE(StandAt(2, 2, 2));
    m_grid.ClearSeenTiles();
    m_grid.FlagSeenTiles();
    EXPECT_TRUE(m_map.IsInView(2, 4));
    EXPECT_TRUE(m_map.IsExplored(0, 2));
    EXPECT_FALSE(m_map.IsInView(4, 4)); // beyond the radius
    const auto edge = [&](int x, int y) {
        const uint32_t word = m_map.GetGrid().At(x, y).words[1];
        return std::make_pair(word & TileRecord::kInViewEdge ? 1 : 0,
                              int(word & TileRecord::kEdgeDirMask) >> TileRecord::kEdgeDirShift);
    };
    EXPECT_EQ(edge(5, 2), std::make_pair(1, 6)); // the seen area lies west
    EXPECT_EQ(edge(2, 5), std::make_pair(1, 0)); // and north
    EXPECT_EQ(edge(3, 4), std::make_pair(1, 7)); // and north-west
    EXPECT_EQ(edge(6, 6).first, 0);
    EXPECT_TRUE(m_map.GetGrid().At(5, 2).words[1] & TileRecord::kExploredEdge);

    // Moving on takes the old view off the map; what was explored stays.
    ASSERT_TRUE(StandAt(6, 6, 1));
    m_grid.ClearSeenTiles();
    m_grid.FlagSeenTiles();
    EXPECT_FALSE(m_map.IsInView(2, 2));
    EXPECT_EQ(edge(5, 2).first, 0);
    EXPECT_TRUE(m_map.IsExplored(2, 2));
    // Without a move nothing is rewritten.
    m_map.SetInView(1, 1, true);
    EXPECT_FALSE(StandAt(6, 6, 1));
    m_grid.ClearSeenTiles();
    EXPECT_TRUE(m_map.IsInView(1, 1));
}

} // namespace
