// Movement orders turned into behaviours, the final approach, going idle, and a walk
// around the demo map's house.
#include "Library/world/vehicle_controller.h"

#include "Library/world/follow_path_behaviour.h"
#include "demo_world_dir.h"
#include "movement_support.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Kind = SteeringBehaviour::Kind;

class VehicleControllerTest : public testsupport::MovementMap {
protected:
    void SetUp() override {
        Draw(std::vector<std::string>(12, "...................."));
        Place(Vector(2.5f, 2.5f, 0));
        m_controller.Init();
    }

    std::set<int> Kinds() const {
        std::set<int> kinds;
        for (int kind = 0; kind < SteeringBehaviour::kKindCount; ++kind)
            if (m_vehicle.GetBehaviour(kind))
                kinds.insert(kind);
        return kinds;
    }

    VehicleController m_controller{m_creature, m_vehicle};
};

// Each order replaces whatever the vehicle was doing; the path orders end with their path,
// fleeing never by itself.
TEST_F(VehicleControllerTest, OrdersSetTheirBehavioursAndFlags) {
    testsupport::FakeCreature target(Vector(9.5f, 9.5f, 0));
    testsupport::FakeCreature threatBody;
    Vehicle threat(threatBody, m_map, m_world);
    threatBody.SetVehicle(&threat);
    const Vector point(9.5f, 2.5f, 0);
    struct Case {
        std::function<void()> order;
        VehicleController::State state;
        uint32_t flags;
        std::set<int> kinds;
    };
    const std::set<int> path = {Kind::kSeparation, Kind::kAvoidObstacle, Kind::kFollowPath};
    const std::set<int> flee = {Kind::kEvasion, Kind::kSeparation, Kind::kAvoidObstacle,
                                Kind::kWander};
    const Case cases[] = {
        {[&] { m_controller.Flee(threatBody); }, VehicleController::kFlee, 11, flee},
        {[&] { m_controller.GoTo(point, m_path); }, VehicleController::kGoTo, 43, path},
        {[&] { m_controller.GoToAlt(point, m_path); }, VehicleController::kGoToAlt, 74, path},
        {[&] { m_controller.Pursue(target, 1.0f, 1, m_path); }, VehicleController::kPursue, 33,
         path},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(m_finder.FindPath(m_vehicle.GetPosition(), point, m_path));
        m_vehicle.SetVelocity(Vector(1.0f, 0, 0));
        c.order();
        EXPECT_EQ(m_controller.GetState(), c.state);
        EXPECT_EQ(m_controller.GetFlags(), c.flags) << c.state;
        EXPECT_EQ(Kinds(), c.kinds) << c.state;
        EXPECT_EQ(m_vehicle.GetVelocity(), Vector()) << c.state;
        EXPECT_FALSE(m_controller.IsFinished()) << c.state;
    }
}

// On the goal waypoint within its radius a go-to order drops separation and obstacle
// avoidance and stops the vehicle dead each frame; when the path is done the controller
// goes idle, anchoring the soldier once.
TEST_F(VehicleControllerTest, TheFinalApproachStopsAndTheEndGoesIdleOnce) {
    const Vector goal(9.5f, 2.5f, 0);
    ASSERT_TRUE(m_finder.FindPath(m_vehicle.GetPosition(), goal, m_path));
    m_controller.GoTo(goal, m_path);
    m_vehicle.SetPosition(goal + Vector(0.05f, 0, 0));
    m_vehicle.SetVelocity(Vector(1.0f, 0, 0));
    ASSERT_TRUE(m_controller.IsOnFinalApproach());
    m_controller.Update();
    EXPECT_EQ(Kinds(), std::set<int>{Kind::kFollowPath});
    EXPECT_EQ(m_vehicle.GetVelocity(), Vector());

    m_vehicle.Update(33);
    EXPECT_TRUE(m_controller.IsFinished());
    for (int frame = 0; frame < 3; ++frame)
        m_controller.Update();
    EXPECT_EQ(m_controller.GetState(), VehicleController::kIdle);
    EXPECT_TRUE(Kinds().empty());
    EXPECT_FALSE(m_vehicle.IsSteering());
    EXPECT_EQ(m_world.anchorStores, 1);
}

// The demo map's house stands on cells 60-74 x 15-24 with its yard to the south: sent
// from the yard to a point behind the house, the soldier walks round it, cutting its
// corners by less than a tenth of a cell, and stops on the point.
TEST_F(VehicleControllerTest, ASoldierWalksRoundTheDemoHouseToAPointBehindIt) {
    testsupport::DemoWorldDir world;
    ASSERT_TRUE(world.Built());
    WriteMapFile("demo.tga", "the map image: opened, never read here");
    ASSERT_TRUE(ReadBytes(world.ReadFile("Data/TileMap/demo.map")));
    const Vector yard(67.5f, 26.5f, 0), behind(66.25f, 11.75f, 0);
    ASSERT_FALSE(m_map.WalkLineB(yard, behind)); // the house is in the way
    Place(yard);
    m_world.PlanPathToPoint(m_creature, behind);
    m_controller.GoTo(behind, m_path);

    auto nearWalkable = [this](const Vector& p) {
        for (float dx : {-0.1f, 0.0f, 0.1f})
            for (float dy : {-0.1f, 0.0f, 0.1f})
                if (m_map.IsWalkableAt(p + Vector(dx, dy, 0)))
                    return true;
        return false;
    };
    bool clear = true;
    const int frames = Run(
        2000,
        [&] {
            clear = clear && nearWalkable(m_vehicle.GetPosition());
            return m_controller.GetState() == VehicleController::kIdle;
        },
        &m_controller);
    EXPECT_LT(frames, 2000);
    EXPECT_LE((m_vehicle.GetPosition() - behind).Length(), 0.1f);
    EXPECT_TRUE(clear);
    EXPECT_EQ(m_world.anchorStores, 1);
}

} // namespace
