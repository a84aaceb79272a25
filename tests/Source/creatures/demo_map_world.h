#pragma once
// The demo world's map with its art, spells and the real delivery of what creatures use:
// soldiers made from its templates live, walk, fight and cast there, frame by frame.

#include "Library/graphics/graphic.h"
#include "Library/graphics/screen_fixture.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature_factory.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/creatures/explosion_mgr.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/creatures/world_delivery.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/projectile_launcher.h"
#include "Source/scripting/game_machine_factory.h"
#include "demo_world_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace testsupport {

class DemoMapWorld : public ScreenTest {
protected:
    static constexpr uint32_t kFrameMs = 33;

    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_TRUE(m_world.Built());
        m_mode.BuildPaths(m_world.Root().c_str());
        g_gameMode = &m_mode;
        g_dataPaths = &m_mode.Paths();
        m_mode.SetMode(kModeAreaMap);
        m_mode.ApplyPendingMode();
        g_uniAnimationMgr = &m_animations;
        g_uniSpellMgr = &m_spells;
        ASSERT_TRUE(m_spells.LoadAll());
        SetAbilityDelivery(&m_delivery);
        ASSERT_TRUE(Graphic::InitScratch());
        ASSERT_TRUE(m_map.Load("demo"));
        for (int y = 0; y < m_map.GetHeight(); ++y)
            for (int x = 0; x < m_map.GetWidth(); ++x) {
                m_map.SetExplored(x, y, true);
                m_map.SetInView(x, y, true);
            }
    }
    void TearDown() override {
        SetAbilityDelivery(nullptr);
        g_uniSpellMgr = nullptr;
        m_manager.reset();
        Graphic::FreeScratch();
        g_uniAnimationMgr = nullptr;
        g_dataPaths = nullptr;
        g_gameMode = nullptr;
        ScreenTest::TearDown();
    }

    // Frames until done() or the limit; whether done() came.
    bool RunUntil(
        int frames, const std::function<bool()>& done, const std::function<void()>& each = [] {}) {
        for (int frame = 0; frame < frames; ++frame) {
            m_manager->Update(kFrameMs);
            m_explosions.Update(kFrameMs * 0.001f);
            each();
            if (done())
                return true;
        }
        return false;
    }
    // Corners are cut by less than a tenth of a cell.
    bool NearWalkable(const Vector& point) const {
        for (float dx : {-0.1f, 0.0f, 0.1f})
            for (float dy : {-0.1f, 0.0f, 0.1f})
                if (m_map.IsWalkableAt(point + Vector(dx, dy, 0)))
                    return true;
        return false;
    }
    // Twice: a creature shows from the second frame after it moved into the picture.
    void DrawScene() {
        for (int frame = 0; frame < 2; ++frame) {
            m_map.Draw(*m_screen, TileMap::kFogOfWar);
            m_map.DrawObjects(*m_screen);
        }
    }

    testsupport::DemoWorldDir m_world;
    GameMode m_mode;
    UniAnimationMgr m_animations;
    TileMap m_map{m_mode.Paths(), nullptr};
    ScopedCreatureFactory m_creatures;
    ScopedGameMachineFactory m_machines; // the scientists run their scripts
    CreatureItemRules m_rules;
    std::unique_ptr<EntityMgr> m_manager = std::make_unique<EntityMgr>(&m_map);
    // What the creatures' weapons and spells reach the region through.
    EntityMgr* m_region = m_manager.get();
    ProjectileLauncher m_launcher{m_region};
    ExplosionMgr m_explosions{m_region};
    UniSpellMgr m_spells;
    ProjectileLauncher* m_launcherSlot = &m_launcher;
    ExplosionMgr* m_explosionsSlot = &m_explosions;
    UniSpellMgr* m_spellsSlot = &m_spells;
    WorldDelivery m_delivery{{m_region, m_launcherSlot, m_explosionsSlot, m_spellsSlot}};
};

} // namespace testsupport
