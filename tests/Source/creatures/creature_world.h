#pragma once
// Soldiers with real creatures on an open 64 x 64 meadow of an entity manager, for the
// tests of what creatures do among entities.

#include "Library/world/tile_map_support.h"
#include "Library/world/tile_record.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"

#include <gtest/gtest.h>

namespace testsupport {

class CreatureWorld : public MapDataRoot {
protected:
    static constexpr uint32_t kPlayerSide = 2;
    static constexpr uint32_t kHostileSide = 200;

    void SetUp() override {
        const uint32_t ground[3] = {0, TileRecord::kWalkable, 0};
        ASSERT_TRUE(ReadBytes(MapBytes(64, 64, ground)));
    }

    // A living soldier of radius 0.5 at (x, y) with its creature, which sees from there.
    SoldierEntity* Soldier(float x, float y, uint32_t side = kHostileSide) {
        auto* soldier =
            static_cast<SoldierEntity*>(m_manager.CreateEntity(x, y, 0, Entity::kTypeSoldier));
        soldier->GetRef().Set(side, 1, 0, 0, 0, 0, 0);
        soldier->SetRadius(0.5f, 0);
        Creature::Of(soldier)->RecomputeVision(soldier->GetPosition());
        return soldier;
    }
    static CreatureData& DataOf(Entity* soldier) { return Creature::Of(soldier)->GetData(); }

    ScopedCreatureFactory m_creatures;
    EntityMgr m_manager{&m_map};
};

} // namespace testsupport
