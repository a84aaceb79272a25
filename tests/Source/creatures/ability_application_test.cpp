// What one use of an ability does to the creatures around: by target mode, in a cone as a
// burst from the nearest outward, and within a radius.
#include "Source/creatures/ability_application.h"

#include "Source/creatures/ability_data.h"
#include "Source/creatures/effect.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/entity_fakes.h"
#include "Source/entities/map_object.h"
#include "Source/entities/map_object_bytes.h"
#include "Source/entities/trigger_entity.h"
#include "creature_world.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testsupport;

constexpr int kArmourMark = 5; // the lasting armour a hit leaves, to tell it happened

Effect Mark() {
    Effect mark;
    mark.Define(kEffectArmourClass, kUnitLasting, 0.0, kArmourMark, 0, 0);
    return mark;
}

class AbilityApplication : public CreatureWorld {
protected:
    void SetUp() override {
        CreatureWorld::SetUp();
        m_shooter = Soldier(10.0f, 10.0f, kPlayerSide);
    }
    // A use by the shooter at (10, 10) aimed along +x: 12 long, 0.6 wide, 4 damage a hit,
    // leaving armour behind on what it hits; one with a radius is centred at (15, 10).
    AbilityData& Use(int targetMode, bool rollsToHit, float radius, Entity* target = nullptr,
                     const Effect& effect = Mark()) {
        ItemAbility ability;
        ability.DefineUse(kAbilityUnlimited, kAttackRanged1, static_cast<uint8_t>(targetMode),
                          rollsToHit, ItemAbility::kUseNearestInArea);
        ability.SetDamage(0, 0, 4, kDamageNormal);
        ability.SetReach(12.0f, radius, 0.6);
        ability.GetEffectList().Add(effect);
        m_use.Clear();
        const Vector origin = radius > 0.0f ? Vector(15.0f, 10.0f, 0.0f) : m_shooter->GetPosition();
        m_use.SetSourceTarget(m_shooter, origin, target, Vector(20.0f, 10.0f, 0.0f));
        m_use.SetFromItemAbility(ability);
        return m_use;
    }
    static bool Marked(Entity* creature) {
        return DataOf(creature).GetArmourClass() == kArmourMark;
    }

    SoldierEntity* m_shooter = nullptr;
    AbilityData m_use;
};

TEST_F(AbilityApplication, EachEntryPointReachesWhatItsTargetModeNames) {
    struct Case {
        int mode;
        bool byMode, nearest, radius;                 // the results
        std::string byModeHit, nearestHit, radiusHit; // "living", "dead" or ""
    };
    const Case cases[] = {
        {0, false, false, true, "", "", ""},
        {1, false, false, false, "", "", ""},
        {2, true, true, true, "living", "living", "living"},
        {3, true, true, true, "", "dead", "dead"},
        {4, false, false, false, "", "", ""},
        {5, false, false, true, "", "", "living"},
        {6, false, false, false, "", "", ""},
        {7, true, true, true, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const auto check = [&](const char* entry, bool result, bool expected,
                               const std::string& hit, SoldierEntity* living, SoldierEntity* dead) {
            EXPECT_EQ(result, expected) << entry;
            EXPECT_EQ(Marked(living), hit == "living") << entry;
            EXPECT_EQ(Marked(dead), hit == "dead") << entry;
            m_manager.ReleaseEntity(living);
            m_manager.ReleaseEntity(dead);
        };
        const auto pair = [&](SoldierEntity*& living, SoldierEntity*& dead) {
            living = Soldier(14.0f, 10.0f);
            dead = Soldier(16.0f, 10.2f);
            dead->GetRef().Set(kHostileSide, 3, 0, 0, 0, 0, 0);
        };
        SoldierEntity *living, *dead;
        pair(living, dead);
        const bool byMode = ApplyAbilityToTargetByMode(Use(c.mode, false, 0.0f, living));
        check("by mode", byMode, c.byMode, c.byModeHit, living, dead);
        pair(living, dead);
        const bool nearest = ApplyAbilityToNearestInArea(m_manager, Use(c.mode, false, 0.0f));
        check("nearest", nearest, c.nearest, c.nearestHit, living, dead);
        pair(living, dead);
        const bool radius = ApplyAbilityInRadius(m_manager, Use(c.mode, false, 3.0f));
        check("radius", radius, c.radius, c.radiusHit, living, dead);
        EXPECT_FALSE(Marked(m_shooter));
    }
    Entity* barrel = m_manager.CreateEntity(12.0f, 10.0f, 0.0f, Entity::kTypeBase);
    EXPECT_TRUE(ApplyAbilityToTarget(m_use, barrel)) << "accepted untouched";
    EXPECT_TRUE(ApplyAbilityToTarget(m_use, nullptr));
}

// Rolls of 0 hit (critically, for a creature of no skill); 50 misses, and a miss leaves no
// effects.
TEST_F(AbilityApplication, ABurstSpendsItsShotsOnTheNearestAndLeavesOnlyTheMissesForTheNext) {
    SoldierEntity* far = Soldier(18.0f, 10.0f);
    SoldierEntity* near = Soldier(13.0f, 10.0f);
    Soldier(26.0f, 10.0f); // past the cone's 12 units: no roll
    AbilityData& burst = Use(2, true, 0.0f);
    burst.SetShots(3);
    ScriptedRandom rolls({0, 50, 50, 50, 50});
    EXPECT_TRUE(ApplyAbilityToNearestInArea(m_manager, burst));
    EXPECT_EQ(rolls.Ranges().size(), 5u) << "three for the nearer, the two misses for the other";
    EXPECT_EQ(burst.GetShots(), 2);
    EXPECT_TRUE(Marked(near));
    EXPECT_FALSE(Marked(far));
}

// Scripts that, whenever they run, select every soldier about, as a hit script looking for
// its nearest enemy does through the shared selection.
class SelectingScripts : public ScriptMachineFactory {
public:
    explicit SelectingScripts(EntityMgr& manager) : m_manager(manager) {
        SetScriptMachineFactory(this);
    }
    ~SelectingScripts() override { SetScriptMachineFactory(nullptr); }
    std::unique_ptr<ScriptMachine> Create(Entity*) const override {
        return std::make_unique<Selecting>(m_manager);
    }

private:
    class Selecting : public RecordingScript {
    public:
        explicit Selecting(EntityMgr& manager) : RecordingScript(nullptr), m_manager(manager) {}
        bool Update(uint32_t) override {
            EntityPtrList* list = nullptr;
            m_manager.SelectInRadius(Entity::kTypeSoldier, Vector(10, 10, 0), 100.0f, list);
            return false;
        }

    private:
        EntityMgr& m_manager;
    };
    EntityMgr& m_manager;
};

TEST_F(AbilityApplication, AHitScriptsOwnSelectionDoesNotRedirectTheRestOfTheBurst) {
    const SelectingScripts scripts(m_manager);
    SoldierEntity* far = Soldier(18.0f, 10.0f);
    SoldierEntity* near = Soldier(13.0f, 10.0f);
    AbilityData& burst = Use(2, true, 0.0f);
    burst.SetShots(3);
    ScriptedRandom rolls({0, 50, 50, 50, 50});
    EXPECT_TRUE(ApplyAbilityToNearestInArea(m_manager, burst));
    EXPECT_EQ(rolls.Ranges().size(), 5u) << "the shooter and the nearer are not shot again";
    EXPECT_TRUE(Marked(near));
    EXPECT_FALSE(Marked(far));
    EXPECT_FALSE(Marked(m_shooter));
}

TEST_F(AbilityApplication, MapObjectsInTheRadiusAreSearchedWithTheUsersSkill) {
    CallLog log;
    RecordingScriptFactory scripts(log); // its script loads
    auto* trap = static_cast<TriggerEntity*>(m_manager.CreateEntity(0, 0, 0, 10));
    TestStream placement(MapObjectRecord(kMapObjectTrap, 0x09)); // its zone near (2, 2)
    ASSERT_TRUE(trap->LoadPlacement(placement));
    SoldierEntity* bystander = Soldier(13.0f, 10.0f);
    DataOf(m_shooter).SetSkill(12, kBase, 100);
    Effect search;
    search.Define(kEffectSkillUse, kUnitSeconds, 0.0, 0, 12, 1);
    AbilityData& use = Use(0, false, 3.0f, nullptr, search);
    use.SetSourceTarget(m_shooter, Vector(4.0f, 2.0f, 0.0f), nullptr, Vector());
    ScriptedRandom rolls({0});
    EXPECT_TRUE(ApplyAbilityInRadius(m_manager, use));
    EXPECT_EQ(trap->GetMapObject().GetSettings().trapFound, 1);
    EXPECT_EQ(DataOf(bystander).GetArmourClass(), 0);
}

} // namespace
