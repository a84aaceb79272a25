// Following paths on open drawn maps: arriving, planning anew, and paths with nothing left
// to follow.
#include "Library/world/follow_path_behaviour.h"

#include "Library/world/movement_flags.h"
#include "movement_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class FollowPathTest : public testsupport::MovementMap {
protected:
    void SetUp() override { Draw(std::vector<std::string>(12, "....................")); }

    FollowPathBehaviour& Follow(uint32_t flags = MovementFlag::kExactGoal) {
        auto* follow =
            static_cast<FollowPathBehaviour*>(m_vehicle.AddBehaviour(FollowPathBehaviour::kKind));
        follow->SetPath(Vector(), flags, m_path);
        return *follow;
    }
};

TEST_F(FollowPathTest, ArrivesOnTheGoalAlongAStraightLine) {
    const Vector start(2.5f, 3.5f, 0), goal(14.25f, 9.75f, 0);
    Place(start);
    ASSERT_TRUE(m_finder.FindPath(start, goal, m_path));
    ASSERT_EQ(m_path.GetCount(), 1);
    FollowPathBehaviour& follow = Follow();
    EXPECT_FLOAT_EQ(m_path.GetRadius(0), 0.1f); // the goal taken exactly
    const Vector line = VectorNormalized(goal - start);
    float worst = 0.0f;
    Run(400, [&] {
        worst = std::max(worst, std::fabs((m_vehicle.GetPosition() - start).Cross2d(line)));
        return !follow.IsRunning();
    });
    EXPECT_TRUE(follow.HasArrived());
    EXPECT_LE((m_vehicle.GetPosition() - goal).Length(), 0.1f);
    EXPECT_LT(worst, 1e-3f);
    EXPECT_EQ(m_world.plans, 0);
}

// At the sixth point of a path cut short the path is planned again from there, and the
// new path leads on to the goal.
TEST_F(FollowPathTest, PlansAgainAtTheEndOfAPathCutShort) {
    Place(Vector(1.5f, 5.5f, 0));
    for (int i = 1; i <= 6; ++i)
        m_path.Add(Vector(1.5f + 2.0f * i, 5.5f, 0));
    m_path.SetGoal(Vector(18.5f, 5.5f, 0));
    FollowPathBehaviour& follow = Follow();
    Run(400, [&] { return m_world.plans > 0; });
    ASSERT_EQ(m_world.plans, 1);
    EXPECT_LE((m_vehicle.GetPosition() - Vector(13.5f, 5.5f, 0)).Length(), 0.5f);
    Run(400, [&] { return !follow.IsRunning(); });
    EXPECT_TRUE(follow.HasArrived());
    EXPECT_EQ(m_world.plans, 1);
}

// Progress in fewer than 12 of the last 16 frames: a creature held still plans again on
// its fifth frame.
TEST_F(FollowPathTest, PlansAgainWhenHeldStill) {
    Place(Vector(1.5f, 5.5f, 0), 0.0f);
    m_path.Add(Vector(15.5f, 5.5f, 0));
    m_path.SetGoal(Vector(15.5f, 5.5f, 0));
    Follow();
    EXPECT_EQ(Run(20, [&] { return m_world.plans > 0; }), 5);
}

// No waypoint to read, a goal someone else stands on, or a path of no length already
// walked: progress counts as complete, and the behaviour stops with no force, having
// arrived only on the last.
TEST_F(FollowPathTest, PathsWithNothingLeftToFollowStopWithoutForce) {
    struct Case {
        const char* name;
        int points;
        bool occupied;
        bool arrived;
    };
    for (const Case& c : {Case{"no points", 0, false, false}, Case{"taken", 1, true, false},
                          Case{"no length", 1, false, true}}) {
        const Vector here(4.5f, 4.5f, 0);
        Place(here);
        m_path.Clear();
        if (c.points)
            m_path.Add(here);
        m_path.SetGoal(c.occupied ? here + Vector(0.3f, 0, 0) : here);
        m_world.occupied = c.occupied;
        FollowPathBehaviour& follow = Follow(0);
        EXPECT_FLOAT_EQ(follow.GetProgress(), 1.0f) << c.name;
        EXPECT_EQ(follow.Calculate(), Vector()) << c.name;
        EXPECT_FALSE(follow.IsRunning()) << c.name;
        EXPECT_EQ(follow.HasArrived(), c.arrived) << c.name;
        EXPECT_EQ(m_world.plans, 0) << c.name;
    }
}

} // namespace
