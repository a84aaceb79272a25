// A creature's sight follows it, and is not worked out again while it stands still.
#include "creature_world.h"

#include <gtest/gtest.h>

namespace {

using CreatureVision = testsupport::CreatureWorld;

// Standing still the grid is left as it is; recomputed from elsewhere by its other user, it
// is worked out again from where the creature stands.
TEST_F(CreatureVision, AStillCreatureKeepsItsGridUntilItMovesOrAnotherRecomputesIt) {
    SoldierEntity* soldier = Soldier(10.5f, 10.5f);
    Creature& creature = *Creature::Of(soldier);
    const Vector here(10.5f, 10.5f, 0.0f);
    const Vector farAway(45.5f, 45.5f, 0.0f); // out of sight of here
    creature.RecomputeVision(here);
    creature.RecomputeVision(here);
    VisionGrid& grid = *creature.GetVision();
    EXPECT_FALSE(grid.HasChanged());
    EXPECT_TRUE(creature.CanSee(here));

    ASSERT_TRUE(grid.Recompute(farAway, VisionGrid::kMaxRadius));
    EXPECT_FALSE(creature.CanSee(here));
    creature.RecomputeVision(here);
    EXPECT_TRUE(creature.CanSee(here)) << "worked out again from where it stands";
    EXPECT_TRUE(grid.HasChanged());
    creature.RecomputeVision(here);
    EXPECT_FALSE(grid.HasChanged());

    creature.RecomputeVision(farAway);
    EXPECT_TRUE(grid.HasChanged());
    EXPECT_FALSE(creature.CanSee(here)) << "it moved";
}

// A move along one axis alone is a move: the grid is worked out again from the new place.
TEST_F(CreatureVision, AStepAlongEitherAxisAloneIsAMove) {
    SoldierEntity* soldier = Soldier(10.5f, 10.5f);
    Creature& creature = *Creature::Of(soldier);
    const Vector here(10.5f, 10.5f, 0.0f);
    for (const Vector& there : {Vector(10.5f, 45.5f, 0.0f), Vector(45.5f, 10.5f, 0.0f)}) {
        creature.RecomputeVision(here);
        creature.RecomputeVision(here);
        ASSERT_TRUE(creature.CanSee(here));
        creature.RecomputeVision(there);
        EXPECT_TRUE(creature.GetVision()->HasChanged()) << there.x << ", " << there.y;
        EXPECT_FALSE(creature.CanSee(here)) << there.x << ", " << there.y;
        EXPECT_TRUE(creature.CanSee(there)) << there.x << ", " << there.y;
    }
}

} // namespace
