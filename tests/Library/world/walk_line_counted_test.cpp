// The counted line walk and smoothing through it against the plain walk, on seeded maps
// whose walk flags change between the questions in every way the map allows.
#include "Library/world/path_point_list.h"
#include "Library/world/tile_map.h"
#include "Library/world/waypoints.h"
#include "tile_map_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>

namespace {

constexpr uint32_t kGround[3] = {2, TileRecord::kWalkable, 0};

class WalkLineCounted : public testsupport::MapDataRoot {
protected:
    int RandomInt(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    // A map of random size with blocking types, cleared flags and doors, at random.
    void MakeMap() {
        m_width = RandomInt(1, 48);
        m_height = RandomInt(1, 48);
        ASSERT_TRUE(ReadBytes(testsupport::MapBytes(m_width, m_height, kGround)));
        const double density = std::vector<double>{0.0, 0.01, 0.05, 0.2, 0.5}[RandomInt(0, 4)];
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                if (Chance(density))
                    m_map.SetWalkable(x, y, false);
                if (Chance(density / 2))
                    m_map.SetTileType(x, y, RandomInt(6, 11));
            }
    }

    // Ends on the map, beside it, far off it and not numbers at all.
    float Coordinate(int side) {
        switch (RandomInt(0, 19)) {
        case 0:
            return -1e30f;
        case 1:
            return std::numeric_limits<float>::quiet_NaN();
        case 2:
            return static_cast<float>(RandomInt(-3, -1)) + 0.5f;
        case 3:
            return static_cast<float>(side + RandomInt(0, 2)) + 0.25f;
        default:
            return std::uniform_real_distribution<float>(0.0f, static_cast<float>(side))(m_random);
        }
    }
    Vector Point() { return Vector(Coordinate(m_width), Coordinate(m_height), 0.0f); }

    // One change of the walk flags by each road that leads to them, cells off the map too.
    void ChangeFlags() {
        const int x = RandomInt(-1, m_width), y = RandomInt(-1, m_height);
        switch (RandomInt(0, 7)) {
        case 0:
            m_map.SetWalkable(x, y, Chance(0.5));
            break;
        case 1:
            m_map.SetCellFlags(x, y, TileRecord::kWalkable | TileRecord::kArea, Chance(0.5));
            break;
        case 2:
            m_map.SetDoorCell(x, y, Chance(0.5));
            break;
        case 3:
            m_map.RestoreWalkable(x, y);
            break;
        case 4: // a placement search's marks, given back: many changes, none left
            Stamp(RandomInt(1, m_width * m_height), true);
            break;
        case 5: // marks kept: more than a few cells changed for good
            Stamp(RandomInt(1, 40), false);
            break;
        case 6:
            if (Chance(0.1))
                m_map.ResetCellStates();
            break;
        default:
            m_map.SetAreaFlag(x, y, Chance(0.5));
        }
    }
    void Stamp(int cells, bool restore) {
        std::vector<std::pair<int, int>> stamped;
        for (int i = 0; i < cells; ++i) {
            const int x = RandomInt(0, m_width - 1), y = RandomInt(0, m_height - 1);
            stamped.emplace_back(x, y);
            m_saved.push_back(m_map.IsWalkable(x, y));
            m_map.SetWalkable(x, y, false);
        }
        for (size_t i = stamped.size(); restore && i-- > 0;)
            m_map.SetWalkable(stamped[i].first, stamped[i].second, m_saved[m_saved.size() - stamped.size() + i]);
        m_saved.clear();
    }

    std::mt19937 m_random{44};
    int m_width = 0;
    int m_height = 0;
    std::vector<bool> m_saved;
};

TEST_F(WalkLineCounted, AnswersAsTheWalkOnRandomMapsWhoseFlagsChange) {
    int blocked = 0, clear = 0;
    for (int map = 0; map < 200; ++map) {
        MakeMap();
        for (int question = 0; question < 300; ++question) {
            if (Chance(0.3))
                ChangeFlags();
            if (map % 50 == 49 && question == 150) // another map read in its place
                MakeMap();
            const Vector from = Point(), to = Point();
            const bool walk = m_map.WalkLineB(from, to);
            ASSERT_EQ(m_map.WalkLineBCounted(from, to), walk)
                << "map " << map << " question " << question << " from " << from.x << ","
                << from.y << " to " << to.x << "," << to.y;
            (walk ? clear : blocked) += 1;
        }
    }
    EXPECT_GT(clear, 5000); // both answers well represented
    EXPECT_GT(blocked, 10000);
}

// The Part's smoothing, written out with the plain walk.
std::vector<Vector> SmoothedByWalk(const PathPointList& points, int limit, const TileMap& map) {
    std::vector<Vector> smoothed{points.GetRaw(0)};
    Vector anchor = points.GetRaw(0);
    for (int i = 1; i < points.GetRawCount() && static_cast<int>(smoothed.size()) < limit; ++i) {
        if (map.WalkLineB(anchor, points.GetRaw(i))) {
            smoothed.back() = points.GetRaw(i);
        } else {
            anchor = smoothed.back();
            smoothed.push_back(points.GetRaw(i));
        }
    }
    return smoothed;
}

TEST_F(WalkLineCounted, SmoothingKeepsTheWaypointsOfThePlainWalk) {
    PathPointList points;
    for (int map = 0; map < 150; ++map) {
        MakeMap();
        for (int path = 0; path < 20; ++path) {
            ChangeFlags();
            points.Clear();
            int x = RandomInt(0, m_width - 1), y = RandomInt(0, m_height - 1);
            const int length = RandomInt(1, 3 * (m_width + m_height));
            for (int step = 0; step < length; ++step) {
                points.AddPoint(Vector(x + 0.5f, y + 0.5f, 0.0f));
                x = std::max(0, std::min(m_width - 1, x + RandomInt(-1, 1)));
                y = std::max(0, std::min(m_height - 1, y + RandomInt(-1, 1)));
            }
            points.AddPointRaw(Point());
            const int limit = RandomInt(1, PathPointList::kMaxSmoothed);
            const std::vector<Vector> expected = SmoothedByWalk(points, limit, m_map);
            points.Simplify(limit, m_map);
            ASSERT_EQ(points.GetSmoothedCount(), static_cast<int>(expected.size())) << map;
            for (int i = 0; i < points.GetSmoothedCount(); ++i) // the same points, bit for bit
                EXPECT_EQ(std::memcmp(&points.GetSmoothed(i), &expected[i], sizeof(Vector)), 0)
                    << map << " point " << i;
        }
    }
}

} // namespace
