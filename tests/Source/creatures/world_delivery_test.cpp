// A use reaching the world for real: a grenade thrown flies its set, bursts into a fire ring
// and is released once, by the explosion that took its use over.
#include "Source/creatures/world_delivery.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/mem_stream.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/explosion_mgr.h"
#include "Source/creatures/item_ability.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/projectile_entity.h"
#include "Source/entities/projectile_launcher.h"
#include "Source/entities/projectile_mgr.h"
#include "creature_world.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace testsupport;

class WorldDeliveryTest : public CreatureWorld {
protected:
    void SetUp() override {
        CreatureWorld::SetUp();
        g_dataPaths = &m_paths;
        g_gameMode = &m_game;
        m_game.SetMode(kModeAreaMap);
        m_game.ApplyPendingMode();
        SetAbilityDelivery(&m_delivery);
        WriteSet("grenade", 1);
        ExplosionDefinition fireRing;
        fireRing.mode = Explosion::kPulse;
        fireRing.ringFactor = 8;
        fireRing.repeats = 1;
        Write("Data/ExplMgr/fire_ring.dat", [&](Stream& stream) { return fireRing.Write(stream); });
        m_caster = Soldier(10.0f, 10.0f, kPlayerSide);
    }
    void TearDown() override {
        SetAbilityDelivery(nullptr);
        g_gameMode = nullptr;
        g_dataPaths = nullptr;
    }

    void Write(const std::string& file, const std::function<bool(Stream&)>& write) {
        MemStream out(kStreamWriteBinary);
        ASSERT_TRUE(write(out));
        m_dir.WriteFile(file, BytesOf(out));
    }
    // One projectile at 10 units a second bursting into the explosion kind.
    void WriteSet(const char* name, uint16_t explosion) {
        ProjectileEntity record;
        record.Init();
        record.SetSpeed(10.0f);
        record.SetExplosionKind(explosion);
        record.SetVehicleParameters({0.2f, 1.0f, 3.0f, 10.0f});
        ProjectileMgr set;
        set.AddRecord(record);
        Write(std::string("Data/ProjMgr/") + name + ".dat",
              [&](Stream& stream) { return set.Write(stream); });
    }
    // Frames of the region and its explosions.
    void Run(int frames) {
        for (int frame = 0; frame < frames; ++frame) {
            m_manager.Update(33);
            m_explosions.Update(0.033f);
        }
    }
    // A use of an item's ability by the caster at the target, filled as using it would.
    AbilityData& Prepare(ItemAbility& ability, Entity* target, const Vector& point) {
        m_use.Clear();
        m_use.SetSourceTarget(m_caster, m_caster->GetPosition(), target, point);
        m_use.SetFromItemAbility(ability);
        return m_use;
    }

    GameMode m_game;
    EntityMgr* m_slot = &m_manager;
    ProjectileLauncher m_launcher{m_slot};
    ExplosionMgr m_explosions{m_slot};
    UniSpellMgr m_spells;
    ProjectileLauncher* m_launcherSlot = &m_launcher;
    ExplosionMgr* m_explosionsSlot = &m_explosions;
    UniSpellMgr* m_spellsSlot = &m_spells;
    WorldDelivery m_delivery{{m_slot, m_launcherSlot, m_explosionsSlot, m_spellsSlot}};
    SoldierEntity* m_caster = nullptr;
    AbilityData m_use;
};

TEST_F(WorldDeliveryTest, AGrenadeIsReleasedOnceByTheExplosionThatTookItsUseOver) {
    auto* grenade = static_cast<ItemEntity*>(m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem));
    ItemAbility throwing;
    throwing.DefineUse(kAbilityThrown, kAttackThrown, 2, false, 0);
    throwing.SetProjectile(3, 3);
    throwing.SetReach(8.0f, 2.0f, 0.0);
    throwing.SetOwner(grenade);
    ASSERT_TRUE(m_delivery.Fire(3, Prepare(throwing, nullptr, Vector(14.0f, 10.0f, 0.0f))));
    for (int frame = 0; frame < 60 && m_explosions.CountRunning() == 0; ++frame)
        Run(1);
    ASSERT_EQ(m_explosions.CountRunning(), 1);
    EXPECT_TRUE(m_manager.IsLive(grenade)) << "the explosion holds it";
    Entity* coin = m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem);
    Run(200);
    EXPECT_EQ(m_explosions.CountRunning(), 0);
    EXPECT_FALSE(m_manager.IsLive(grenade) && grenade != coin);
    EXPECT_TRUE(m_manager.IsLive(coin)) << "another item is never released in its place";
}

} // namespace
