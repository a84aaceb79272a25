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
constexpr int kBlockingType = 6;
constexpr int kLongLine = 65; // cells: lines shorter than about this are always walked

class WalkLineCounted : public testsupport::MapDataRoot {
protected:
    int RandomInt(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    // A map of random size with blocking types, cleared flags and doors, at random. Most
    // are longer than a short line on one side, so that lines across them are long enough
    // for the blocked-cell table to answer.
    void MakeMap() {
        const int shape = RandomInt(0, 3);
        m_width = shape == 1 ? RandomInt(kLongLine, 200) : RandomInt(1, 48);
        m_height = shape == 2 ? RandomInt(kLongLine, 200) : RandomInt(1, 48);
        if (shape == 3)
            m_width = m_height = RandomInt(kLongLine, 100);
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
            m_map.SetWalkable(stamped[i].first, stamped[i].second,
                              m_saved[m_saved.size() - stamped.size() + i]);
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
                << "map " << map << " question " << question << " from " << from.x << "," << from.y
                << " to " << to.x << "," << to.y;
            (walk ? clear : blocked) += 1;
        }
    }
    EXPECT_GT(clear, 5000); // both answers well represented
    EXPECT_GT(blocked, 10000);
}

// Each road to a cell's walk flag, turning it off and on.
const struct {
    const char* name;
    void (*turn)(TileMap& map, int x, int y, bool walkable);
} kWriters[] = {
    {"walk flag", [](TileMap& map, int x, int y, bool on) { map.SetWalkable(x, y, on); }},
    {"several flags",
     [](TileMap& map, int x, int y, bool on) {
         map.SetCellFlags(x, y, TileRecord::kWalkable | TileRecord::kArea, on);
     }},
    {"door", [](TileMap& map, int x, int y, bool open) { map.SetDoorCell(x, y, open); }},
    {"tile type",
     [](TileMap& map, int x, int y, bool on) {
         map.SetTileType(x, y, on ? kGround[0] : kBlockingType);
         map.RestoreWalkable(x, y);
     }},
};

// A long line along each lane of a map three cells across, lying one way and the other: a
// cell in its middle turned by each writer before the table is built, so that the table
// reads it, then turned back and again, so that the table is told. Each map is read afresh
// (a door stays a door). The first questions are walked until the table is worth building,
// and the first after a turn while it catches up, so each is asked a dozen times.
TEST_F(WalkLineCounted, ALongLineSeesEachTurnOfACellOnItInEveryLane) {
    constexpr int kLength = 200;
    for (const bool across : {true, false}) {
        m_width = across ? kLength : 3;
        m_height = across ? 3 : kLength;
        for (const auto& writer : kWriters) {
            for (int lane = 0; lane < 3; ++lane) {
                ASSERT_TRUE(ReadBytes(testsupport::MapBytes(m_width, m_height, kGround)));
                const float middle = lane + 0.5f, end = kLength - 0.5f;
                const Vector from = across ? Vector(0.5f, middle, 0) : Vector(middle, 0.5f, 0);
                const Vector to = across ? Vector(end, middle, 0) : Vector(middle, end, 0);
                const int x = across ? kLength / 2 : lane, y = across ? lane : kLength / 2;
                for (const bool walkable : {false, true, false}) {
                    writer.turn(m_map, x, y, walkable);
                    ASSERT_EQ(m_map.WalkLineB(from, to), walkable);
                    for (int ask = 0; ask < 12; ++ask)
                        EXPECT_EQ(m_map.WalkLineBCounted(from, to), walkable)
                            << writer.name << (across ? ", across" : ", down") << ", lane " << lane
                            << ", question " << ask;
                }
            }
        }
    }
}

// The smoothing, written out with the plain walk.
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
