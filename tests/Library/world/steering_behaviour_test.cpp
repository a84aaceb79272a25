// The behaviours a vehicle never makes itself, the wall contact, and the debug drawings of
// the walls, the wandering and the path, each seen in one pixel.
#include "Library/world/steering_behaviour.h"

#include "Library/geometry/segment.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/world/arrival_behaviour.h"
#include "Library/world/avoid_walls_behaviour.h"
#include "Library/world/follow_path_behaviour.h"
#include "Library/world/forceless_behaviour.h"
#include "Library/world/offset_behaviour.h"
#include "Library/world/wander_behaviour.h"
#include "movement_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const std::vector<std::string> kOpen = {"..........", "..........", "..........", "..........",
                                        ".........."};

class SteeringExtras : public testsupport::MovementMap {
protected:
    void SetUp() override {
        Draw(kOpen);
        Place(Vector(2.5f, 2.5f, 0));
    }
};

TEST_F(SteeringExtras, OffsetArrivesBesideItsTargetAndTheFlockingKindsGiveNoForce) {
    OffsetBehaviour offset(m_vehicle);
    offset.SetTarget(Vector(3, 1, 0), 1.5f, 2.0f);
    ArrivalBehaviour arrival(m_vehicle);
    arrival.SetTarget(Vector(4.5f, 3, 0));
    m_vehicle.SetVelocity(Vector(0.5f, 0, 0));
    EXPECT_EQ(offset.Calculate(), arrival.Calculate());
    EXPECT_EQ(m_vehicle.AddBehaviour(OffsetBehaviour::kKind), nullptr);

    std::unique_ptr<SteeringBehaviour> kinds[] = {std::make_unique<CohesionBehaviour>(m_vehicle),
                                                  std::make_unique<AlignmentBehaviour>(m_vehicle),
                                                  std::make_unique<InterposeBehaviour>(m_vehicle),
                                                  std::make_unique<HideBehaviour>(m_vehicle)};
    const char* names[] = {"COHESION", "ALIGNMENT", "INTERPOSE", "HIDE"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(SteeringBehaviour::KindName(kinds[i]->GetKind()), names[i]);
        EXPECT_EQ(kinds[i]->Calculate(), Vector());
        EXPECT_EQ(kinds[i]->CalculateGroup(), Vector());
        EXPECT_EQ(kinds[i]->CalculateAlt(Vector(1, 1, 0)), Vector());
    }
}

// A point 3 units past a wall along the x axis is pushed straight back, whichever way the
// wall's normal faces; a point on the wall not at all.
TEST_F(SteeringExtras, AWallContactPushesBackAlongTheNormal) {
    AvoidWallsBehaviour walls(m_vehicle);
    for (const auto& ends : {std::make_pair(Vector(0, 0, 0), Vector(10, 0, 0)),
                             std::make_pair(Vector(10, 0, 0), Vector(0, 0, 0))}) {
        Segment wall;
        wall.Set(ends.first, ends.second);
        EXPECT_EQ(walls.WallContact(wall, 0.5f, Vector(5, 3, 0)), Vector(0, -3, 0));
        EXPECT_EQ(walls.WallContact(wall, 0.2f, Vector(2, 0, 0)), Vector(0, 0, 0));
    }
}

// A real screen over the map in the largest view.
class SteeringDrawing : public SteeringExtras {
protected:
    void SetUp() override {
        SteeringExtras::SetUp();
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        m_screen = std::make_unique<Screen>(800, 600, SDL_FULLSCREEN, 16, 0.0);
        ASSERT_TRUE(m_screen->IsReady());
        m_screen->SetDrawColour(0);
        m_screen->Clear();
        m_map.SetViewSize(TileMap::kLargestView);
    }
    void TearDown() override {
        m_screen.reset();
        SDL_Quit();
    }
    uint16_t PixelOf(const Vector& world, int dx = 0, int dy = 0) const {
        int x = 0, y = 0;
        WorldToPixel(m_map, world, x, y);
        const PixelSurface& s = m_screen->GetSurface();
        return s.pixels[(y + dy) * s.width + x + dx];
    }

    std::unique_ptr<Screen> m_screen;
};

TEST_F(SteeringDrawing, ThePathShowsItsStartCellInBlue) {
    m_path.SetStart(Vector(1.5f, 3.5f, 0));
    m_path.Add(Vector(6.5f, 3.5f, 0));
    m_path.SetGoal(Vector(8.5f, 1.5f, 0));
    Add<FollowPathBehaviour>().SetPath(Vector(), 0, m_path);
    m_vehicle.DrawPath(*m_screen);
    EXPECT_EQ(PixelOf(Vector(1, 3, 0), 8, 6), Colour(0, 0, 255).Pack16());
}

TEST_F(SteeringDrawing, AWallContactShowsItsPushInBlue) {
    AvoidWallsBehaviour& walls = Add<AvoidWallsBehaviour>();
    Segment wall;
    wall.Set(Vector(0, 4, 0), Vector(10, 4, 0));
    walls.WallContact(wall, 0.5f, Vector(5, 4.5f, 0));
    walls.DebugDraw(*m_screen);
    EXPECT_EQ(PixelOf(Vector(5, 4, 0)), Colour(0, 0, 255).Pack16());
}

TEST_F(SteeringDrawing, WanderingShowsItsCircleAndTarget) {
    WanderBehaviour& wander = Add<WanderBehaviour>();
    wander.SetWander(Vector(0, 0, 1), 0.5f);
    m_screen->SetDrawColour(0xFFFF);
    wander.DebugDraw(*m_screen);
    const PixelSurface& s = m_screen->GetSurface();
    EXPECT_GT(std::count(s.pixels, s.pixels + s.width * s.height, 0xFFFF), 40);
}

} // namespace
