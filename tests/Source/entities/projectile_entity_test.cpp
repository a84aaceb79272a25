// Projectiles: their record and sets, their flight over a map and what they do on arrival.
#include "Source/entities/projectile_entity.h"

#include "Library/files/data_tree_support.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map_support.h"
#include "Library/world/tile_record.h"
#include "Library/world/vehicle.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/projectile_launcher.h"
#include "Source/entities/projectile_mgr.h"
#include "entity_record_bytes.h"
#include "launched_ability_fake.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace testsupport;

constexpr uint32_t kGround[3] = {0, TileRecord::kWalkable, 0};
constexpr uint32_t kLaunched = Entity::kFlagAlive | Entity::kFlagShown;

// A barrel-named projectile record: byte 7, speed 10, 15 degrees off, launch angle 0.5,
// distance 100, seeking its point, explosion kind 2, a vehicle of radius 0.25 reaching 12.
Bytes ProjectileRecord() {
    TypedBytes own;
    own.U8(7).F32(10.0f).F64(15.0).F64(0.5).F32(100.0f).U32(1).U16(2);
    own.F32(0.25f).F32(1.0f).F32(10.0f).F32(12.0f);
    return Concat({QueuedBarrel(4, kLaunched), own.Get()});
}

Bytes SetFile(int32_t value, int32_t count, int records) {
    TypedBytes head;
    head.I32(value).I32(count);
    Bytes bytes = head.Get();
    for (int record = 0; record < records; ++record)
        bytes = Concat({bytes, ProjectileRecord()});
    return bytes;
}

TEST(ProjectileRecord, IsTheQueuedRecordThenItsFlightValuesAndVehicle) {
    ProjectileEntity projectile;
    projectile.Init();
    ASSERT_TRUE(LoadFrom(projectile, ProjectileRecord()));
    EXPECT_EQ(SavedForm(projectile), ProjectileRecord());
    EXPECT_EQ(projectile.GetFlightMode(), ProjectileEntity::kSeekPoint);
    EXPECT_FLOAT_EQ(projectile.GetSpeed(), 10.0f);
    const size_t ownBytes = ProjectileRecord().size() - QueuedBarrel(4, kLaunched).size();
    for (size_t dropped = 1; dropped <= ownBytes; ++dropped)
        EXPECT_FALSE(LoadFrom(projectile, Cut(ProjectileRecord(), dropped))) << dropped;
}

TEST(ProjectileSet, KeepsItsRecordsOutsidePlayAndRefusesCutOrForgedFiles) {
    ProjectileMgr set;
    ASSERT_TRUE(ReadFrom(set, SetFile(-3, 2, 2)));
    EXPECT_EQ(set.GetValue(), -3);
    EXPECT_EQ(set.CountRecords(), 2);
    EXPECT_EQ(WrittenBy([&](Stream& out) { return set.Write(out); }), SetFile(-3, 2, 2));

    const Bytes whole = SetFile(0, 2, 2);
    for (size_t length = 1; length <= whole.size(); length += 7)
        EXPECT_FALSE(ReadFrom(set, Cut(whole, length))) << length;
    for (int32_t forged : {-1, 3, 0x7FFFFFFF}) {
        EXPECT_FALSE(ReadFrom(set, SetFile(0, forged, 2))) << forged;
        EXPECT_LE(set.CountRecords(), 2);
    }
}

// A 16 x 16 field of ground with a wall along column 8 from row 0 to row 12.
class ProjectileFlight : public MapDataRoot {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadBytes(MapBytes(16, 16, kGround)));
        for (int y = 0; y <= 12; ++y)
            m_map.SetWalkable(8, y, false);
    }

    Entity* Place(const char* name, float x, float y, int type = Entity::kTypeBase) {
        Entity* entity = m_manager.CreateEntity(x, y, 0.0f, type);
        entity->SetTemplateName(name);
        entity->SetRadius(0.5f, 0);
        return entity;
    }
    // Speed 8, straight at its mark.
    ProjectileEntity* Projectile() {
        auto* projectile = static_cast<ProjectileEntity*>(
            m_manager.CreateEntity(0.0f, 0.0f, 0.0f, Entity::kTypeProjectile));
        projectile->SetSpeed(8.0f);
        projectile->SetVehicleParameters({0.25f, 1.0f, 10.0f, 8.0f});
        return projectile;
    }
    // Frames of the entity manager until the projectile has arrived; false after 300.
    bool FlyOut(const ProjectileEntity& projectile) {
        for (int frame = 0; frame < 300; ++frame) {
            m_manager.Update(33);
            if (!projectile.IsActive())
                return true;
        }
        return false;
    }

    CallLog m_log;
    FakeLaunchedAbility m_use{m_log};
    EntityMgr m_manager{&m_map};
};

// A pursuing projectile is stopped by nothing but its target, so it reaches a creature
// behind a wall.
TEST_F(ProjectileFlight, ArrivesAtItsMarkOrTheFirstWallOnTheWay) {
    struct Case {
        const char* what;
        Vector targetPoint;
        bool aimedAtTarget;
        std::string arrival;
    };
    const Case cases[] = {
        {"a point in the open", {5.5f, 14.5f, 0}, false, "hit - at 5,14"},
        {"a point behind the wall", {12.5f, 4.5f, 0}, false, "hit - at 7,4"},
        {"a creature behind the wall", {12.5f, 4.5f, 0}, true, "hit mark at 12,4"},
        {"a creature in the open", {3.5f, 12.5f, 0}, true, "hit mark at 3,12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_log.clear();
        Entity* mark = Place("mark", c.targetPoint.x, c.targetPoint.y);
        m_use.origin = Vector(2.5f, 4.5f, 0);
        m_use.targetPoint = c.targetPoint;
        m_use.target = c.aimedAtTarget ? mark : nullptr;
        Entity* thrower = Place("thrower", 1.5f, 4.5f);
        m_use.user = thrower;
        ProjectileEntity* projectile = Projectile();
        ASSERT_TRUE(projectile->Launch(m_use));
        EXPECT_TRUE(projectile->GetExclusions().Holds(thrower));
        EXPECT_EQ(projectile->GetFlightMode(),
                  c.aimedAtTarget ? ProjectileEntity::kPursue : ProjectileEntity::kSeekPoint);
        ASSERT_TRUE(FlyOut(*projectile));
        EXPECT_EQ(m_log, (CallLog{c.arrival, "finish"}));
        m_manager.Update(33);
        EXPECT_FALSE(m_manager.IsLive(projectile)) << "released the frame after";
        m_manager.ReleaseEntity(mark);
        m_manager.ReleaseEntity(thrower);
        m_use.user = nullptr;
    }
}

TEST_F(ProjectileFlight, APursuedTargetGoneInFlightLeavesItFlyingToItsLastPoint) {
    Entity* quarry = Place("quarry", 12.5f, 14.5f);
    m_use.origin = Vector(2.5f, 14.5f, 0);
    m_use.target = quarry;
    ProjectileEntity* projectile = Projectile();
    ASSERT_TRUE(projectile->Launch(m_use));
    for (int frame = 0; frame < 5; ++frame)
        m_manager.Update(33);
    quarry->SetPosition(Vector(10.5f, 14.5f, 0)); // it stepped closer, then went
    m_manager.Update(33);
    m_manager.ReleaseEntity(quarry);
    Entity* newcomer = Place("newcomer", 3.5f, 1.5f); // in the old one's slot
    ASSERT_EQ(newcomer, quarry);

    ASSERT_TRUE(FlyOut(*projectile));
    EXPECT_EQ(m_log, (CallLog{"hit - at 10,14", "finish"}));
}

TEST_F(ProjectileFlight, AnAreaUseExplodesOrHitsAroundWhileAThrownItemLandsOrReturns) {
    struct Case {
        const char* what;
        float radius;
        bool explodes;
        int delivery;
        CallLog expected;
    };
    using L = LaunchedAbility;
    const Case cases[] = {
        {"it explodes", 2.0f, true, L::kDeliveryUsedUp, {"explosion 2 at 5,10"}},
        {"nothing explodes",
         2.0f,
         false,
         L::kDeliveryStays,
         {"explosion 2 at 5,10", "radius at 5,10", "finish"}},
        {"a knife comes back",
         0.0f,
         true,
         L::kDeliveryReturns,
         {"return knife", "hit target at 5,10", "finish"}},
        {"a knife lands", 0.0f, true, L::kDeliveryLands, {"hit target at 5,10", "finish"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_log.clear();
        Entity* target = Place("target", 5.5f, 10.5f);
        auto* knife = static_cast<ItemEntity*>(Place("knife", 0, 0, Entity::kTypeItem));
        knife->AddFlags(Entity::kFlagUnsearchable);
        m_use.origin = Vector(5.5f, 13.5f, 0);
        m_use.target = target;
        m_use.radius = c.radius;
        m_use.explodes = c.explodes;
        m_use.item = knife;
        m_use.delivery = c.delivery;
        ProjectileEntity* projectile = Projectile();
        projectile->SetExplosionKind(2);
        ASSERT_TRUE(projectile->Launch(m_use));
        ASSERT_TRUE(FlyOut(*projectile));
        EXPECT_EQ(m_log, c.expected);
        EXPECT_FALSE(knife->HasAnyFlag(Entity::kFlagUnsearchable));
        if (c.delivery == LaunchedAbility::kDeliveryLands) {
            EXPECT_EQ(knife->GetPosition(), target->GetPosition());
        }
        m_manager.ReleaseEntity(target);
        m_manager.ReleaseEntity(knife);
    }
}

TEST_F(ProjectileFlight, TheLauncherFliesTheSetOfItsKindOnlyOnTheAreaMap) {
    ScopedDataRoot root;
    const Bytes arrows = SetFile(0, 2, 2);
    root.WriteFile("Data/ProjMgr/arrow.dat", std::string(arrows.begin(), arrows.end()));
    GameMode game;
    g_gameMode = &game;
    EntityMgr* slot = &m_manager;
    ProjectileLauncher launcher(slot);
    m_use.targetPoint = Vector(6.5f, 14.5f, 0);
    for (int kind : {0, 12, 2}) // no set for 0 and 12; no rock set here
        EXPECT_FALSE(launcher.Fire(kind, m_use)) << kind;
    EXPECT_TRUE(launcher.Fire(1, m_use));
    EXPECT_EQ(m_manager.GetSlotCount(Entity::kTypeProjectile), 0) << "off the area map: read";
    game.SetMode(kModeAreaMap);
    game.ApplyPendingMode();
    EXPECT_TRUE(launcher.Fire(1, m_use));
    EXPECT_EQ(m_manager.GetSlotCount(Entity::kTypeProjectile), 2);
    EntityMgr mapless; // where nothing can fly
    slot = &mapless;
    EXPECT_FALSE(launcher.Fire(1, m_use));
    EXPECT_FALSE(mapless.IsSlotUsed(Entity::kTypeProjectile, 0));
    g_gameMode = nullptr;
}

} // namespace
