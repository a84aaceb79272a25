// Vehicles on an open drawn map: motion, the behaviours' forces at their edges, the
// stored parameters and the choice among behaviours.
#include "Library/world/vehicle.h"

#include "Library/core/test_stream_support.h"
#include "Library/world/arrival_behaviour.h"
#include "Library/world/avoid_obstacle_behaviour.h"
#include "Library/world/evasion_behaviour.h"
#include "Library/world/flee_behaviour.h"
#include "Library/world/follow_path_behaviour.h"
#include "Library/world/follow_walls_behaviour.h"
#include "Library/world/formation_behaviour.h"
#include "Library/world/group_behaviour.h"
#include "Library/world/pursuit_behaviour.h"
#include "Library/world/repel_obstacle_behaviour.h"
#include "Library/world/seek_behaviour.h"
#include "Library/world/separation_behaviour.h"
#include "movement_support.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class VehicleTest : public testsupport::MovementMap {
protected:
    void SetUp() override {
        Draw(std::vector<std::string>(10, ".........."));
        Place(Vector(5.5f, 5.5f, 0));
    }

    // The force of a behaviour toward (or away from) the vehicle's own place.
    template <class Behaviour> Vector OnOwnPlace(const Vector& velocity) {
        Behaviour& behaviour = Add<Behaviour>();
        behaviour.SetTarget(m_vehicle.GetPosition());
        m_vehicle.SetVelocity(velocity);
        return behaviour.Calculate();
    }
};

// Another vehicle at the point, moving at the velocity; heading along it.
class OtherVehicle {
public:
    OtherVehicle(const Vector& at, const Vector& velocity, TileMap& map, SteeringWorld& world)
        : m_vehicle(m_body, map, world) {
        m_body.SetVehicle(&m_vehicle);
        m_vehicle.SetParameters(0.5f, 1.0f, 10.0f, 3.0f);
        m_vehicle.SetPosition(at);
        m_vehicle.SetVelocity(velocity);
        m_vehicle.UpdateAxes();
    }
    testsupport::FakeCreature& Body() { return m_body; }
    const Vehicle& Get() const { return m_vehicle; }

private:
    testsupport::FakeCreature m_body;
    Vehicle m_vehicle;
};

TEST(SteeringBehaviour, KindsOutsideTheNameTableAreNamedEmpty) {
    EXPECT_STREQ(SteeringBehaviour::KindName(-1), "");
    EXPECT_STREQ(SteeringBehaviour::KindName(SteeringBehaviour::kKindCount), "");
    EXPECT_STREQ(SteeringBehaviour::KindName(SteeringBehaviour::kKindCount - 1), "UCA");
}

TEST_F(VehicleTest, WithoutBehavioursTheVehicleCoastsToAStop) {
    m_vehicle.SetVelocity(Vector(2.0f, -1.0f, 0));
    for (int frame = 1; frame <= 3; ++frame) {
        const Vector before = m_vehicle.GetPosition();
        m_vehicle.Update(100);
        const float kept = std::pow(0.9f, static_cast<float>(frame));
        EXPECT_NEAR(m_vehicle.GetVelocity().x, 2.0f * kept, 1e-5f);
        EXPECT_NEAR(m_vehicle.GetVelocity().y, -1.0f * kept, 1e-5f);
        EXPECT_NEAR(m_vehicle.GetPosition().x - before.x, 0.2f * kept, 1e-5f);
    }
}

// The force is cut to the most the vehicle may take, then divided by its mass (a mass of
// 0 or less counting as 1), and the speed cut last.
TEST_F(VehicleTest, ForceIsCutBeforeTheMassAndSpeedAfter) {
    struct Case {
        float mass, maxForce, maxSpeed, speed;
    };
    for (const Case& c : {Case{4.0f, 2.0f, 100.0f, 0.5f}, Case{0.1f, 2.0f, 0.3f, 0.3f},
                          Case{0.0f, 2.0f, 100.0f, 2.0f}, Case{-1.0f, 2.0f, 100.0f, 2.0f}}) {
        m_vehicle.SetParameters(0.5f, c.mass, c.maxForce, c.maxSpeed);
        m_vehicle.SetPosition(Vector(1.5f, 1.5f, 0));
        Add<SeekBehaviour>().SetTarget(Vector(9.5f, 1.5f, 0));
        m_vehicle.Update(33);
        EXPECT_FLOAT_EQ(m_vehicle.GetSpeed(), c.speed) << c.mass << " " << c.maxSpeed;
        EXPECT_FLOAT_EQ(m_vehicle.GetVelocity().x, c.speed);
        EXPECT_TRUE(std::isfinite(m_vehicle.GetPosition().x));
    }
}

// On its own target, or fleeing its own place, a vehicle only brakes: the force is minus
// its velocity, never NaN. An evader whose threat cannot move flees where it stands.
TEST_F(VehicleTest, ForcesAtTheirEdgesStayFinite) {
    const Vector velocity(1.0f, 0.5f, 0);
    EXPECT_EQ(OnOwnPlace<SeekBehaviour>(velocity), -velocity);
    EXPECT_EQ(OnOwnPlace<ArrivalBehaviour>(velocity), -velocity);
    EXPECT_EQ(OnOwnPlace<FleeBehaviour>(velocity), -velocity);

    const Vector here = m_vehicle.GetPosition();
    testsupport::FakeCreature threatBody;
    Vehicle threat(threatBody, m_map, m_world);
    threat.SetParameters(0.5f, 1.0f, 10.0f, 0.0f);
    threat.SetPosition(here + Vector(-1.0f, 0, 0));
    threat.SetVelocity(Vector(1.0f, 0, 0));
    Add<EvasionBehaviour>().SetTarget(&threat);
    m_vehicle.Update(33);
    EXPECT_FLOAT_EQ(m_vehicle.GetVelocity().x, 3.0f); // straight away, at full speed
    EXPECT_FLOAT_EQ(m_vehicle.GetVelocity().y, 0.0f);
}

TEST_F(VehicleTest, APushIntoAWallIsDropped) {
    testsupport::FakeCreature neighbour(Vector(5.8f, 5.5f, 0));
    m_world.soldiers = {&m_creature, &neighbour};
    auto& separation = Add<SeparationBehaviour>();
    EXPECT_EQ(separation.Calculate(), Vector(-1.0f, 0, 0)); // away from the neighbour
    m_map.SetWalkable(4, 5, false);
    EXPECT_EQ(separation.Calculate(), Vector());
    separation.SetIgnore(&neighbour);
    m_map.SetWalkable(4, 5, true);
    EXPECT_EQ(separation.Calculate(), Vector());
}

// Avoiding a soldier ahead wins 80 % of the frames, keeping clear of one alongside 65 % of
// the rest, and following the path the remaining 7 %; the same seed gives the same frames.
TEST_F(VehicleTest, ASeededRunDithersBetweenBehavioursInTheirShares) {
    testsupport::FakeCreature ahead(Vector(5.6f, 5.2f, 0)); // the vehicle faces up (-y)
    m_world.soldiers = {&ahead};
    m_world.finder = nullptr;
    m_vehicle.SetParameters(1.0f, 1.0f, 10.0f, 3.0f);
    m_vehicle.SetPosition(Vector(5.5f, 5.5f, 0));
    Add<FollowPathBehaviour>().SetPath(Vector(), 0, m_path);
    const Vector avoid = Add<AvoidObstacleBehaviour>().Calculate();
    const Vector separate = Add<SeparationBehaviour>().Calculate();
    ASSERT_NE(avoid, Vector());
    ASSERT_NE(separate, Vector());
    ASSERT_NE(avoid, separate);

    auto shares = [&](unsigned seed) {
        platform::SeedRand(seed);
        std::vector<int> wins(3);
        for (int frame = 0; frame < 10000; ++frame) {
            const Vector force = m_vehicle.CalculateSteering();
            ++wins[force == avoid ? 0 : force == separate ? 1 : 2];
        }
        return wins;
    };
    const std::vector<int> wins = shares(11);
    EXPECT_NEAR(wins[0], 8000, 200);
    EXPECT_NEAR(wins[1], 1300, 150);
    EXPECT_NEAR(wins[2], 700, 150);
    EXPECT_EQ(shares(11), wins);
}

// A pursuer heads for where its quarry is now, however the quarry moves; a member of a
// formation arrives at its place beside the leader (x along the leader's side, y along its
// heading), slowing within a quarter of its top speed's distance.
TEST_F(VehicleTest, PursuitSeeksTheQuarryAndFormationArrivesBesideTheLeader) {
    OtherVehicle quarry(Vector(8.5f, 5.5f, 0), Vector(0, 2.0f, 0), m_map, m_world);
    auto& pursuit = Add<PursuitBehaviour>();
    m_vehicle.SetVelocity(Vector(0, 1.0f, 0));
    EXPECT_EQ(pursuit.Calculate(), Vector()) << "no quarry yet";
    pursuit.SetTarget(&quarry.Get());
    EXPECT_EQ(pursuit.Calculate(), Vector(3.0f, -1.0f, 0));

    OtherVehicle leader(Vector(2.5f, 2.5f, 0), Vector(1.0f, 0, 0), m_map, m_world);
    auto& formation = Add<FormationBehaviour>();
    formation.SetFormation(&leader.Get(), 1.0f, 2.0f); // the place is (4.5, 3.5)
    const Vector far = formation.Calculate();
    EXPECT_NEAR(far.x, -3.0f / std::sqrt(5.0f), 1e-5f);
    EXPECT_NEAR(far.y, -6.0f / std::sqrt(5.0f), 1e-5f);
    m_vehicle.SetPosition(Vector(4.5f, 3.75f, 0));
    m_vehicle.SetVelocity(Vector(0.5f, 0, 0));
    const Vector near = formation.Calculate();
    EXPECT_NEAR(near.x, -0.5f, 1e-5f);
    EXPECT_NEAR(near.y, -1.0f, 1e-5f); // 0.25 away at four times that per second
}

// Each soldier closer than both radii and a cell pushes by its offset over the cube root of
// the squared distance; one farther than twice the own radius, or on the very spot, not.
TEST_F(VehicleTest, RepellingSumsThePushesOfSoldiersCloseBy) {
    testsupport::FakeCreature east(Vector(6.3f, 5.5f, 0));
    testsupport::FakeCreature north(Vector(5.5f, 4.9f, 0));
    testsupport::FakeCreature same(Vector(5.5f, 5.5f, 0));
    testsupport::FakeCreature beyond(Vector(5.5f, 6.6f, 0));
    auto& repel = Add<RepelObstacleBehaviour>();
    EXPECT_EQ(repel.Calculate(), Vector());
    m_world.soldiers = {&m_creature, &east, &north, &same, &beyond};
    const Vector push = repel.Calculate();
    EXPECT_NEAR(push.x, -0.8f / std::cbrt(0.64f), 1e-5f);
    EXPECT_NEAR(push.y, 0.6f / std::cbrt(0.36f), 1e-5f);
    EXPECT_EQ(push.z, 0.0f);
    m_map.SetWalkable(4, 6, false);
    EXPECT_EQ(repel.Calculate(), Vector()) << "a push into a wall";
}

// UCA steers sideways from the soldier that will pass closest within five seconds: the
// force is in the vehicle's own frame, away from the threat's side, over the distance of
// closest approach. Soldiers moving away, or arriving later, are no threat.
TEST_F(VehicleTest, CollisionAvoidanceTurnsAwayFromTheSoonestCloseApproach) {
    auto& group = Add<GroupBehaviour>();
    m_vehicle.SetVelocity(Vector(1.0f, 0, 0));
    m_vehicle.UpdateAxes(); // heading +x, so the side axis is +y
    OtherVehicle oncoming(Vector(8.5f, 6.5f, 0), Vector(-1.0f, 0, 0), m_map, m_world);
    OtherVehicle leaving(Vector(8.5f, 5.0f, 0), Vector(3.0f, 0, 0), m_map, m_world);
    OtherVehicle distant(Vector(60.5f, 5.0f, 0), Vector(-1.0f, 0, 0), m_map, m_world);
    m_world.soldiers = {&m_creature, &leaving.Body(), &distant.Body()};
    EXPECT_EQ(group.CalculateGroup(), Vector());
    m_world.soldiers.push_back(&oncoming.Body());
    // Closing at 2 a second from (3, 1) away: closest at 1.5 s, a distance of 1.
    const Vector away = group.CalculateGroup();
    EXPECT_NEAR(away.x, -1.0f, 1e-6f);
    EXPECT_EQ(away.y, 0.0f);
    EXPECT_EQ(group.Calculate(), Vector()) << "steering never asks for it";
}

// A vehicle makes a wall follower with its settings at 1 and 0; it gives no force.
TEST_F(VehicleTest, AWallFollowerIsMadeButGivesNoForce) {
    auto& follower = Add<FollowWallsBehaviour>();
    EXPECT_EQ(m_vehicle.GetBehaviour(FollowWallsBehaviour::kKind), &follower);
    EXPECT_EQ(follower.GetSettingA(), 1);
    EXPECT_EQ(follower.GetSettingB(), 0);
    m_vehicle.SetVelocity(Vector(1.0f, 0, 0));
    EXPECT_EQ(follower.Calculate(), Vector());
    EXPECT_EQ(follower.CalculateGroup(), Vector());
}

TEST_F(VehicleTest, TheParameterRecordIsFourFloatsAndABadOneChangesNothing) {
    auto parameters = [this] {
        return std::vector<float>{m_vehicle.GetRadius(), m_vehicle.GetMass(),
                                  m_vehicle.GetMaxForce(), m_vehicle.GetMaxSpeed()};
    };
    m_vehicle.SetParameters(0.75f, 2.0f, 8.0f, -1.5f);
    TestStream out;
    ASSERT_TRUE(m_vehicle.Write(out));
    const Bytes expected = {0x00, 0x00, 0x40, 0x3F, 0x00, 0x00, 0x00, 0x40,
                            0x00, 0x00, 0x00, 0x41, 0x00, 0x00, 0xC0, 0xBF};
    EXPECT_EQ(out.GetBytes(), expected);

    Bytes nan = expected;
    nan[6] = 0xC0, nan[7] = 0x7F; // the mass's exponent all ones
    for (const Bytes& bad : {Bytes(expected.begin(), expected.end() - 1), nan}) {
        m_vehicle.SetParameters(0.5f, 1.0f, 10.0f, 3.0f);
        TestStream in(bad);
        EXPECT_FALSE(m_vehicle.Read(in));
        EXPECT_EQ(parameters(), (std::vector<float>{0.5f, 1.0f, 10.0f, 3.0f}));
    }
    TestStream in(expected);
    ASSERT_TRUE(m_vehicle.Read(in));
    EXPECT_EQ(parameters(), (std::vector<float>{0.75f, 2.0f, 8.0f, -1.5f}));
}

} // namespace
