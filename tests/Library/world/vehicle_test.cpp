// Vehicles on an open drawn map: motion, the behaviours' forces at their edges, the
// stored parameters and the choice among behaviours.
#include "Library/world/vehicle.h"

#include "Library/core/test_stream_support.h"
#include "Library/world/arrival_behaviour.h"
#include "Library/world/avoid_obstacle_behaviour.h"
#include "Library/world/evasion_behaviour.h"
#include "Library/world/flee_behaviour.h"
#include "Library/world/follow_path_behaviour.h"
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
