// Paths found on small drawn maps: their points, where they are cut, and the node pool.
#include "Library/world/path_finder.h"

#include "Library/world/cell_node_index.h"
#include "Library/world/linear_node_lookup.h"
#include "movement_support.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kCorridor = {
    "##########",
    "..........",
    "##########",
};

// A wall across the map with a gap near its right end.
const std::vector<std::string> kWallWithGap = {
    "............", "............", "............", "#########.##",
    "............", "............", "............", "............",
};

// A one-cell wall across a wider map whose only gap is far from both halves' middles.
const std::vector<std::string> kThinWallFarGap = {
    "....................", "....................", "....................",
    "....................", "##################.#", "....................",
    "....................", "....................", "....................",
};

// Five turns from the bottom left to the top left.
const std::vector<std::string> kZigZag = {
    ".............", "############.", ".............", ".############",
    ".............", "############.", ".............", ".############",
    ".............", "############.", ".............",
};

const std::vector<std::string> kBlock = {
    "..........", "....###...", "....###...", "....###...", "..........",
};

// A room of 8 x 6 whose wall holds the goal in, with the start outside.
const std::vector<std::string> kWalledRoom = {
    "............", ".##########.", ".#........#.", ".#........#.", ".#........#.",
    ".#........#.", ".#........#.", ".#........#.", ".##########.", "............",
};

class PathFinderTest : public testsupport::MovementMap {
protected:
    // Every point of the path on a walkable cell, and every leg from the start on walkable
    // cells as the line walk sees them.
    void ExpectWalkableLegs(const Vector& start) const {
        Vector from = start;
        for (int i = 0; i < m_path.GetCount(); ++i) {
            EXPECT_TRUE(m_map.IsWalkableAt(m_path.GetPoint(i))) << i;
            EXPECT_TRUE(m_map.WalkLineB(from, m_path.GetPoint(i))) << i;
            from = m_path.GetPoint(i);
        }
    }
};

TEST_F(PathFinderTest, AStraightRunIsPulledToItsFarEnd) {
    Draw(kCorridor);
    struct Case {
        Vector start, goal;
    };
    for (const Case& c : {Case{{0.5f, 1.5f, 0}, {8.7f, 1.2f, 0}},    // along the corridor
                          Case{{3.2f, 1.5f, 0}, {3.7f, 1.1f, 0}}}) { // within one cell
        ASSERT_TRUE(m_finder.FindPath(c.start, c.goal, m_path));
        ASSERT_EQ(m_path.GetCount(), 1);
        EXPECT_EQ(m_path.GetPoint(0), c.goal);
        EXPECT_EQ(m_path.GetStart(), c.start);
        EXPECT_EQ(m_path.GetGoal(), c.goal);
    }
}

TEST_F(PathFinderTest, AGapInAWallGivesWalkableLegsToTheGoal) {
    Draw(kWallWithGap);
    const Vector start(1.5f, 6.5f, 0), goal(2.5f, 0.5f, 0);
    ASSERT_TRUE(m_finder.FindPath(start, goal, m_path));
    ASSERT_GE(m_path.GetCount(), 2);
    EXPECT_EQ(m_path.GetPoint(m_path.GetCount() - 1), goal);
    ExpectWalkableLegs(start);
}

TEST_F(PathFinderTest, AWindingPathIsCutAtSixPointsShortOfTheGoal) {
    Draw(kZigZag);
    const Vector start(0.5f, 10.5f, 0), goal(0.5f, 0.5f, 0);
    ASSERT_TRUE(m_finder.FindPath(start, goal, m_path));
    ASSERT_EQ(m_path.GetCount(), Waypoints::kMaxPoints);
    EXPECT_GT(m_path.GetPoint(5).y, 5.0f); // two turns and more still ahead
    EXPECT_EQ(m_path.GetGoal(), goal);
    ExpectWalkableLegs(start);
}

TEST_F(PathFinderTest, ABlockedStartLeavesFromAWalkableNeighbourOrNotAtAll) {
    Draw(kBlock);
    const Vector inWallEdge(4.2f, 1.5f, 0), inWallMiddle(5.5f, 2.5f, 0), goal(0.5f, 4.5f, 0);
    ASSERT_TRUE(m_finder.FindPath(inWallEdge, goal, m_path));
    EXPECT_EQ(m_path.GetStart(), inWallEdge);
    ExpectWalkableLegs(Vector(3.5f, 1.5f, 0)); // the neighbour west of the start

    Waypoints untouched = m_path;
    EXPECT_FALSE(m_finder.FindPath(inWallMiddle, goal, m_path));
    EXPECT_EQ(m_path.GetCount(), untouched.GetCount());
    EXPECT_EQ(m_path.GetStart(), untouched.GetStart());
    EXPECT_EQ(m_path.GetPoint(0), untouched.GetPoint(0));
}

TEST_F(PathFinderTest, AGoalInAWallIsReachedThenCutAtTheWall) {
    Draw(kBlock);
    const Vector goal(5.5f, 2.5f, 0);
    ASSERT_TRUE(m_finder.FindPath(Vector(0.5f, 2.5f, 0), goal, m_path));
    EXPECT_EQ(m_path.GetPoint(m_path.GetCount() - 1), goal);
    m_path.TruncateAtFirstBlocked(m_map);
    ASSERT_GE(m_path.GetCount(), 1);
    for (int i = 0; i < m_path.GetCount(); ++i)
        EXPECT_TRUE(m_map.IsWalkableAt(m_path.GetPoint(i)));
    EXPECT_FALSE(m_map.IsWalkableAt(m_path.GetGoal()));
    EXPECT_NE(m_path.GetGoal(), goal);
}

TEST_F(PathFinderTest, EverySearchGivesBackEveryNode) {
    Draw(kWallWithGap);
    for (int i = 0; i < 1000; ++i) {
        const Vector start(i % 12 + 0.5f, i % 8 + 0.5f, 0), goal((i * 7) % 12 + 0.5f, 0.5f, 0);
        m_finder.FindPath(start, goal, m_path);
    }
    const NodePool& pool = m_finder.GetSearch().GetPool();
    EXPECT_EQ(pool.GetFreeCount(), PathSearch<CellNodeIndex>::kPoolCapacity);
    EXPECT_EQ(pool.GetAllocatedCount(), pool.GetFreedCount());
}

// A cancelled search fails at its next step with every node back in the pool; the next
// search starts without the request.
TEST_F(PathFinderTest, ACancelledSearchFailsAndTheNextOneRunsWhole) {
    Draw(kWallWithGap);
    PathSearch<CellNodeIndex> search(m_map);
    search.Begin(11, 7, 0, 0);
    for (int step = 0; step < 5; ++step)
        ASSERT_EQ(search.Step(), SearchState::kSearching);
    search.RequestCancel();
    EXPECT_EQ(search.Step(), SearchState::kFailed);
    EXPECT_EQ(search.GetPool().GetFreeCount(), PathSearch<CellNodeIndex>::kPoolCapacity);
    EXPECT_EQ(search.Run(11, 7, 0, 0), SearchState::kSucceeded);
}

// The cell index stands in for scanning the lists and changes nothing: the same nodes are
// expanded in the same order, to the same path or the same failure.
TEST_F(PathFinderTest, TheCellIndexSearchesExactlyAsScanningTheListsDoes) {
    struct Case {
        const std::vector<std::string>& rows;
        Vector start, goal;
    };
    BasicPathFinder<LinearNodeLookup> scanning(m_map, m_openCells);
    for (const Case& c : {Case{kWallWithGap, {11.5f, 7.5f, 0}, {0.5f, 0.5f, 0}},
                          Case{kZigZag, {12.5f, 10.5f, 0}, {0.5f, 0.5f, 0}},
                          Case{kBlock, {9.5f, 2.5f, 0}, {5.5f, 2.5f, 0}},
                          Case{kWalledRoom, {0.5f, 0.5f, 0}, {5.5f, 5.5f, 0}}}) {
        Draw(c.rows);
        Waypoints scanned;
        ASSERT_EQ(m_finder.FindPath(c.start, c.goal, m_path),
                  scanning.FindPath(c.start, c.goal, scanned));
        EXPECT_EQ(m_finder.GetSearch().GetStepCount(), scanning.GetSearch().GetStepCount());
        ASSERT_EQ(m_path.GetCount(), scanned.GetCount());
        for (int i = 0; i < m_path.GetCount(); ++i)
            EXPECT_EQ(m_path.GetPoint(i), scanned.GetPoint(i)) << i;
    }
    // Beyond the map's edge and the ring around it: every cell costs the same there. And a
    // pool too small for the room: both run dry after the same steps and fail.
    struct Run {
        uint32_t fromX, fromY, toX, toY;
        int capacity;
        SearchState state;
    };
    for (const Run& r : {Run{5, 2, 16, 4, 5000, SearchState::kSucceeded},
                         Run{14, 1, 4294967294u, 3, 5000, SearchState::kSucceeded},
                         Run{5, 5, 0, 0, 40, SearchState::kFailed}}) {
        PathSearch<CellNodeIndex> indexed(m_map, r.capacity);
        PathSearch<LinearNodeLookup> linear(m_map, r.capacity);
        EXPECT_EQ(indexed.Run(r.fromX, r.fromY, r.toX, r.toY), r.state);
        EXPECT_EQ(linear.Run(r.fromX, r.fromY, r.toX, r.toY), r.state);
        EXPECT_EQ(indexed.GetStepCount(), linear.GetStepCount()) << r.toX;
        indexed.Release();
        EXPECT_EQ(indexed.GetPool().GetFreeCount(), r.capacity);
    }
}

// From both ends at once: the same kinds of path as from one end, walkable leg by leg to the
// goal; start and goal in one cell give the goal alone; a goal walled in on every side and
// beyond the map gives false and leaves the waypoints as they were; every node goes back.
TEST_F(PathFinderTest, SearchingFromBothEndsMeetsOnAWalkablePath) {
    struct Case {
        const std::vector<std::string>& rows;
        Vector start, goal;
    };
    for (const Case& c : {Case{kWallWithGap, {1.5f, 6.5f, 0}, {2.5f, 0.5f, 0}},
                          Case{kBlock, {0.5f, 2.5f, 0}, {9.5f, 2.5f, 0}},
                          Case{kCorridor, {0.5f, 1.5f, 0}, {8.7f, 1.2f, 0}}}) {
        Draw(c.rows);
        ASSERT_TRUE(m_finder.FindPathAlt(c.start, c.goal, m_path));
        EXPECT_EQ(m_path.GetPoint(m_path.GetCount() - 1), c.goal);
        EXPECT_EQ(m_path.GetStart(), c.start);
        ExpectWalkableLegs(c.start);
    }
    ASSERT_TRUE(m_finder.FindPathAlt(Vector(3.2f, 1.5f, 0), Vector(3.7f, 1.1f, 0), m_path));
    ASSERT_EQ(m_path.GetCount(), 1);
    EXPECT_EQ(m_path.GetPoint(0), Vector(3.7f, 1.1f, 0));

    Draw(kBlock);
    const Waypoints before = m_path;
    EXPECT_FALSE(m_finder.FindPathAlt(Vector(0.5f, 0.5f, 0), Vector(5.5f, 2.5f, 0), m_path));
    EXPECT_EQ(m_path.GetGoal(), before.GetGoal());
    EXPECT_EQ(m_finder.GetSearch().GetPool().GetFreeCount(),
              PathSearch<CellNodeIndex>::kPoolCapacity);
}

// Both searches can cross the wall at a price; where they meet must still be open ground, so
// every waypoint goes round by the gap whichever side each end is on.
TEST_F(PathFinderTest, SearchingFromBothEndsGoesRoundAThinWallByItsFarGap) {
    Draw(kThinWallFarGap);
    struct Case {
        Vector start, goal;
    };
    for (const Case& c :
         {Case{{1.5f, 7.5f, 0}, {1.5f, 1.5f, 0}}, Case{{2.5f, 0.5f, 0}, {3.5f, 8.5f, 0}},
          Case{{9.5f, 5.5f, 0}, {8.5f, 3.5f, 0}}, Case{{0.5f, 3.5f, 0}, {0.5f, 5.5f, 0}},
          Case{{15.5f, 8.5f, 0}, {4.5f, 0.5f, 0}}}) {
        SCOPED_TRACE(c.start.x);
        ASSERT_TRUE(m_finder.FindPathAlt(c.start, c.goal, m_path));
        EXPECT_EQ(m_path.GetPoint(m_path.GetCount() - 1), c.goal);
        ExpectWalkableLegs(c.start);
    }
}

// A start beside the map's left edge: a closed node replaced by a cheaper one goes back to
// the pool while nodes still name it as their parent, and the walk back along the parents
// once went round for ever. Either way the call comes back, and a path it gives is sound.
TEST_F(PathFinderTest, AParentChainThroughAReplacedNodeEndsTheSearch) {
    Draw({".#....#.", "..####..", "#.......", "..#.#...", "#....#.."});
    const Vector start(-1.0315f, 2.575f, 0), goal(4.2805f, -1.5164f, 0);
    for (bool both : {true, false}) {
        m_path = Waypoints();
        const bool found = both ? m_finder.FindPathAlt(start, goal, m_path)
                                : m_finder.FindPath(start, goal, m_path);
        EXPECT_TRUE(found) << both; // the chains through replaced nodes lead back
        if (found) {
            ASSERT_GT(m_path.GetCount(), 0) << both;
            // Six points may stop short of the goal: the points after them are dropped.
            if (m_path.GetCount() < Waypoints::kMaxPoints) {
                EXPECT_EQ(m_path.GetPoint(m_path.GetCount() - 1), goal) << both;
            }
        }
        EXPECT_EQ(m_finder.GetSearch().GetPool().GetFreeCount(),
                  PathSearch<CellNodeIndex>::kPoolCapacity);
    }
}

// Only a search that has ended on its target gives a path: before that the target's node has
// no parent, and leads nowhere even when it lies in the start's own cell.
TEST_F(PathFinderTest, TheTargetOfASearchStillUnderWayLeadsNowhere) {
    Draw(kCorridor);
    for (const uint32_t toX : {9u, 0u}) { // down the corridor, and the start's cell
        PathSearch<CellNodeIndex> search(m_map);
        search.Begin(0, 1, toX, 1);
        SearchState state = search.GetState();
        for (; state == SearchState::kSearching; state = search.Step()) {
            EXPECT_TRUE(search.LeadsBack(search.GetStart()));
            EXPECT_FALSE(search.LeadsBack(search.GetTarget())) << toX;
            EXPECT_FALSE(search.LinkChildren(search.GetTarget())) << toX;
        }
        ASSERT_EQ(state, SearchState::kSucceeded) << toX;
        EXPECT_TRUE(search.LinkChildren(search.GetTarget())) << toX;
        int steps = 0;
        for (const PathSearchNode* node = search.GetStart()->child; node; node = node->child)
            ++steps;
        EXPECT_EQ(steps, static_cast<int>(toX)) << "one a cell";
    }
}

TEST(PathPointList, StaircaseStepsBecomeDiagonalsAndStraightRunsKeepEveryCell) {
    PathPointList points;
    for (const Vector& p : {Vector(0.5f, 0.5f, 0), Vector(1.5f, 0.5f, 0), Vector(1.5f, 1.5f, 0),
                            Vector(2.5f, 1.5f, 0), Vector(2.5f, 2.5f, 0), Vector(3.5f, 2.5f, 0),
                            Vector(4.5f, 2.5f, 0)})
        points.AddPoint(p);
    const Vector expected[] = {
        {0.5f, 0.5f, 0}, {1.5f, 1.5f, 0}, {2.5f, 2.5f, 0}, {3.5f, 2.5f, 0}, {4.5f, 2.5f, 0}};
    ASSERT_EQ(points.GetRawCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(points.GetRaw(i), expected[i]) << i;
}

} // namespace
