// The play screen's spell keys in the player's hands: from the title menu by the tutorial and
// by a new game to the demo map's gate, each key over a creature spends a charge of its own
// spell and sends that spell's projectile off, and a spell with no charge left is refused.
#include "Library/geometry/map_view.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/projectile_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/demo_game.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testsupport;

constexpr Point kTitleNewGame{400, 262};
constexpr Point kTitleTutorial{400, 300};
constexpr Point kNewGameDone{653, 544};
constexpr int kMaxCastFrames = 150;

const struct {
    SDLKey key;
    uint32_t spell;
    const char* projectile; // its animation
} kSpellKeys[] = {
    {SDLK_b, 2213, "Projectile/fireball"},
    {SDLK_m, 2112, "Projectile/magic_missile"},
    {SDLK_n, 2304, "Projectile/stinking_cloud"},
};

class SpellKeys : public DemoGame {
protected:
    // The page's choice, 1, takes the party to the gate.
    void ChooseTheGate() {
        ASSERT_EQ(Mode(), kModeStoryPage);
        Release(SDLK_1);
        Frames(2);
        ASSERT_EQ(Mode(), kModeAreaMap);
        ASSERT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    }

    static SpellMgr& Spells() { return Creature::Of(Leader())->GetData().GetSpellMgr(); }
    static int Ready(uint32_t spell) { return Spells().CountCharges(spell, true); }

    static int Flying(const char* animation) {
        int count = 0;
        for (int slot = 0; slot < g_entityMgr->GetSlotCount(Entity::kTypeProjectile); ++slot) {
            const auto* projectile = static_cast<const ProjectileEntity*>(
                g_entityMgr->GetEntity(Entity::kTypeProjectile, slot));
            count += g_entityMgr->IsSlotUsed(Entity::kTypeProjectile, slot) &&
                     projectile->GetAnimationName() == animation;
        }
        return count;
    }

    // A creature east of the leader that lives through every spell, the pointer at its feet.
    void PointAtATarget() {
        SoldierEntity* target = CreateCreature(*g_entityMgr, "scimale_neutral",
                                               Leader()->GetPosition() + Vector(5, 0, 0), 0);
        ASSERT_NE(target, nullptr);
        CreatureData& data = Creature::Of(target)->GetData();
        data.SetMaxHitPoints(1000.0f);
        data.AddHitPoints(1000.0f);
        Frame();
        Point at{};
        WorldToPixel(*g_tileMap, target->GetPosition(), at.x, at.y);
        MoveTo(at.x, at.y);
    }

    // Each key in turn, once the last cast is done.
    void CastEachKey() {
        PointAtATarget();
        ASSERT_FALSE(HasFatalFailure());
        for (const auto& cast : kSpellKeys) {
            const int ready = Ready(cast.spell);
            ASSERT_GT(ready, 0) << cast.spell;
            Release(cast.key);
            int frame = 0;
            for (; frame < kMaxCastFrames && Flying(cast.projectile) == 0; ++frame)
                Frame();
            EXPECT_LT(frame, kMaxCastFrames) << cast.projectile << " never flew";
            EXPECT_EQ(Ready(cast.spell), ready - 1) << cast.spell;
            for (const auto& other : kSpellKeys)
                EXPECT_EQ(Flying(other.projectile) > 0, other.spell == cast.spell)
                    << other.projectile;
            for (frame = 0; frame < kMaxCastFrames && Flying(cast.projectile) > 0; ++frame)
                Frame();
            Frames(30); // the cast's own time runs out
        }
    }
};

TEST_F(SpellKeys, TheTutorialsCharacterCastsEachSpellOfTheKeysAtACreature) {
    RunTitleUntilMenu();
    Click(kTitleTutorial);
    Frames(3);
    ChooseTheGate();
    ASSERT_FALSE(HasFatalFailure());
    CastEachKey();
}

// A new game's character casts the same spells, and the last charge spent, the key says so.
TEST_F(SpellKeys, ANewGamesCharacterCastsEachSpellOfTheKeysUntilItsChargesAreSpent) {
    RunTitleUntilMenu();
    Click(kTitleNewGame);
    Frame();
    ASSERT_EQ(Mode(), kModeNewGame);
    Click(kNewGameDone);
    Frame();
    ChooseTheGate();
    ASSERT_FALSE(HasFatalFailure());
    CastEachKey();
    ASSERT_FALSE(HasFatalFailure());

    const auto& fireball = kSpellKeys[0];
    while (Ready(fireball.spell) > 0)
        ASSERT_TRUE(Spells().UseCharge(fireball.spell));
    Release(fireball.key);
    Frames(2);
    EXPECT_EQ(LastMessage(), "You don't have that spell memorised.");
    EXPECT_EQ(Flying(fireball.projectile), 0);
}

} // namespace
