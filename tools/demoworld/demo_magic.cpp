#include "tools/demoworld/demo_magic.h"

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/effect.h"
#include "Source/creatures/explosion.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/item_ability.h"
#include "Source/creatures/spell.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/projectile_entity.h"
#include "Source/entities/projectile_mgr.h"
#include "tools/demoworld/demo_items.h"
#include "tools/demoworld/demo_output.h"

#include <functional>
#include <initializer_list>
#include <iterator>

namespace {

enum ProjectileKind : uint16_t {
    kArrowKind = 1,
    kGrenadeKind = 3,
    kMissileKind = 7, // one missile; 8 and 9 two and three
    kStinkingCloudKind = 10,
    kFireballKind = 11,
};
enum ExplosionKind : uint16_t { kFireRing = 1, kGreenGasCloud = 2 };

constexpr uint8_t kDefinitionLevel = 1;
// The steering force of a flight as a share of its speed: a missile sent off its aim
// curves back onto it within a few units.
constexpr float kTurnShare = 0.25f;
constexpr int kLockPickSkill = 10;
constexpr int kTrapSkill = 12; // mode 0 disarms, mode 1 searches

// One flight: how fast, how far off the aim, what it bursts into and how it steers.
struct Flight {
    float speed;
    double angleOffset;
    uint16_t explosion;
};

bool WriteSet(const Stringc& directory, const char* name, const char* art, float radius,
              std::initializer_list<Flight> flights) {
    ProjectileMgr set;
    for (const Flight& flight : flights) {
        ProjectileEntity record;
        record.Init();
        record.SetAnimationName(Stringc("Projectile/") + art);
        record.SetSpeed(flight.speed);
        record.SetAngleOffset(flight.angleOffset);
        record.SetExplosionKind(flight.explosion);
        record.SetFlightMode(ProjectileEntity::kSeekPoint);
        record.SetVehicleParameters({radius, 1.0f, kTurnShare * flight.speed, flight.speed});
        set.AddRecord(record);
    }
    return WriteDemoFile(directory + "/" + name + ".dat",
                         [&set](Stream& stream) { return set.Write(stream); });
}

Effect Damage(uint16_t dice, uint16_t sides, int32_t bonus, uint32_t damageType) {
    Effect damage;
    damage.Define(kEffectDamage, kUnitSeconds, 0.0, bonus, 0, damageType);
    damage.SetDice(dice, sides);
    return damage;
}

Effect Effected(uint16_t kind, int32_t amount, int32_t parameterA, uint32_t parameterB) {
    Effect effect;
    effect.Define(kind, kUnitSeconds, 0.0, amount, parameterA, parameterB);
    return effect;
}

// One level of a definition.
struct Level {
    uint8_t delivery;
    uint8_t targetType;
    uint8_t deliveryMode;
    uint16_t minimumLevel;
    float range;
    float radius;
    uint16_t projectileKind;
    Effect effect;
};

bool WriteSpell(const Stringc& directory, const char* file, const char* name, uint16_t id,
                bool offensive, const char* sound, std::initializer_list<Level> levels) {
    Spell spell;
    spell.SetName(name);
    spell.SetId(id);
    spell.SetLevel(kDefinitionLevel);
    spell.SetOffensive(offensive);
    spell.SetSound(sound);
    for (const Level& level : levels) {
        SpellAbility ability;
        ability.Define(kAttackPlain, level.delivery, level.targetType, level.deliveryMode,
                       level.minimumLevel, level.range, level.radius, 0.0, level.projectileKind,
                       1.0f);
        ability.GetEffects().Add(level.effect);
        spell.AddAbility(ability);
    }
    return WriteDemoFile(directory + "/" + file + ".dat",
                         [&spell](Stream& stream) { return spell.WriteFields(stream); });
}

ExplosionDefinition Burst(uint8_t mode, int32_t repeats, const char* prefix, uint32_t clouds,
                          const Colour& tint) {
    ExplosionDefinition burst;
    burst.mode = mode;
    burst.ringFactor = 8;
    burst.cloudFactor = clouds;
    burst.repeats = repeats;
    burst.centreAnimation = Stringc(prefix) + "_centre";
    burst.projectileAnimation = Stringc(prefix) + (mode == Explosion::kPulse ? "_spark" : "_puff");
    burst.heightSpread = 4.0f;
    burst.cloudAnimation = Stringc(prefix) + (mode == Explosion::kPulse ? "_flame" : "_cloud");
    burst.cloudLoops = 3;
    burst.cloudEndAnimation = Stringc(prefix) + (mode == Explosion::kPulse ? "_embers" : "_fade");
    burst.cloudWait = 1;
    for (ExplosionDefinition::Tint& each : burst.tints) {
        each.enabled = 1;
        each.colour = tint;
    }
    return burst;
}

constexpr uint16_t kArrowType = 11; // the ammunition a bow takes
constexpr uint16_t kReleasedAfterThrow = 3;

// Shoots the arrows it finds in its carrier's backpack; an arrow adds its own dice.
void EquipBow(ItemEntity& bow) {
    ItemAbility shoot;
    shoot.SetText(ItemAbility::kName, "Shoot");
    shoot.DefineUse(kAbilityAmmunition, kAttackRanged1, kTargetLiving, true, 0);
    shoot.SetAmmunition(kArrowType, 0);
    shoot.SetProjectile(kArrowKind, 0);
    shoot.SetDamage(1, 4, 0, kDamageNormal);
    shoot.SetReach(12.0f, 0.0f, 0.0);
    shoot.SetUseTime(1.2f);
    shoot.SetAnimationText(0, "sword", 0);
    bow.AddAbility(shoot);
}

void EquipArrows(ItemEntity& arrows) {
    ItemAbility arrow;
    arrow.SetText(ItemAbility::kName, "Arrow");
    arrow.DefineUse(kAbilityUnusable, kAttackRanged1, kTargetLiving, true, 0);
    arrow.SetAmmunition(kArrowType, 0);
    arrow.SetDamage(1, 6, 0, kDamageNormal);
    arrows.AddAbility(arrow);
}

// Thrown at a point, it bursts into a fire ring there and is gone.
void EquipGrenade(ItemEntity& grenade) {
    ItemAbility hurl;
    hurl.SetText(ItemAbility::kName, "Throw");
    hurl.DefineUse(kAbilityThrown, kAttackThrown, kTargetAny, false, 0);
    hurl.SetProjectile(kGrenadeKind, kReleasedAfterThrow);
    hurl.SetDamage(2, 6, 0, kDamageType4);
    hurl.SetReach(8.0f, 2.5f, 0.0);
    hurl.SetUseTime(1.5f);
    hurl.SetAnimationText(0, "sword", 0);
    grenade.AddAbility(hurl);
}

const DemoItems::Item kWeapons[] = {
    {"bow", "Bow", "A short hunting bow. It shoots arrows.", ItemEntity::kClassWeapon,
     ItemEntity::kItemTwoHanded, 1, 3, 50, EquipBow},
    {"arrows", "Arrows", "Arrows for a bow.", ItemEntity::kClassAmmunition, 0, 20, 1, 2,
     EquipArrows},
    {"grenade", "Grenade", "It bursts into flames where it lands.", ItemEntity::kClassWeapon, 0, 5,
     1, 40, EquipGrenade},
};

} // namespace

bool DemoMagic::Write() const {
    return WriteProjectileSets() && WriteExplosions() && WriteSpells() && WriteWeapons();
}

bool DemoMagic::WriteWeapons() const {
    return DemoItems(m_bitmapDir).Write(std::begin(kWeapons), std::end(kWeapons));
}

bool DemoMagic::WriteProjectileSets() const {
    const Stringc& directory = m_paths.GetProjMgrDir();
    return WriteSet(directory, "arrow", "arrow", 0.2f, {{18.0f, 0.0, 0}}) &&
           WriteSet(directory, "grenade", "grenade", 0.25f, {{9.0f, 0.0, kFireRing}}) &&
           WriteSet(directory, "fireball", "fireball", 0.3f, {{11.0f, 0.0, kFireRing}}) &&
           WriteSet(directory, "stinking_cloud", "stinking_cloud", 0.3f,
                    {{8.0f, 0.0, kGreenGasCloud}}) &&
           WriteSet(directory, "magic_missle_1", "magic_missile", 0.2f, {{14.0f, 0.0, 0}}) &&
           WriteSet(directory, "magic_missle_2", "magic_missile", 0.2f,
                    {{14.0f, -20.0, 0}, {14.0f, 20.0, 0}}) &&
           WriteSet(directory, "magic_missle_3", "magic_missile", 0.2f,
                    {{14.0f, -30.0, 0}, {14.0f, 0.0, 0}, {14.0f, 30.0, 0}});
}

// The fire ring hits again a second after its ring has flown; the gas cloud lingers and
// starts again once.
bool DemoMagic::WriteExplosions() const {
    const ExplosionDefinition fireRing =
        Burst(Explosion::kPulse, 1, "fire", 2, Colour(255, 150, 60));
    const ExplosionDefinition gasCloud =
        Burst(Explosion::kRestart, 1, "gas", 3, Colour(160, 255, 120));
    const Stringc& directory = m_paths.GetExplMgrDir();
    return WriteDemoFile(directory + "/fire_ring.dat",
                         [&](Stream& stream) { return fireRing.Write(stream); }) &&
           WriteDemoFile(directory + "/green_gas_cloud.dat",
                         [&](Stream& stream) { return gasCloud.Write(stream); });
}

// A lock or a trap is worked on from wherever the chest can be opened (an Open reaches
// 4.75 cells from the character).
constexpr float kReach = 5.0f;

bool DemoMagic::WriteSpells() const {
    const Stringc& dir = m_paths.GetSpellDir();
    using A = SpellAbility;
    const uint8_t object = kTargetMapObject;
    const uint8_t living = kTargetLiving;
    return WriteSpell(dir, "skill_detect_traps", "Find Traps", 4005, false, "",
                      {{A::kOnTarget, object, 0, 0, kReach, 0.0f, A::kNoProjectile,
                        Effected(kEffectSkillUse, 0, kTrapSkill, 1)}}) &&
           WriteSpell(dir, "skill_disarm_traps", "Disarm Traps", 4007, false, "",
                      {{A::kOnTarget, object, 0, 0, kReach, 0.0f, A::kNoProjectile,
                        Effected(kEffectSkillUse, 0, kTrapSkill, 0)}}) &&
           WriteSpell(dir, "skill_first_aid", "First Aid", 4006, false, "",
                      {{A::kOnTarget, living, 0, 0, 2.0f, 0.0f, A::kNoProjectile,
                        Effected(kEffectHealing, 4, 0, 0)}}) &&
           WriteSpell(dir, "skill_lock_pick", "Pick Lock", 4004, false, "",
                      {{A::kOnTarget, object, 0, 0, kReach, 0.0f, A::kNoProjectile,
                        Effected(kEffectSkillUse, 0, kLockPickSkill, 0)}}) &&
           WriteSpell(dir, "skill_sneak", "Sneak", 4001, false, "",
                      {{A::kOnCaster, living, 0, 0, 0.0f, 0.0f, A::kNoProjectile,
                        Effected(kEffectNone21, 0, 0, 0)}}) &&
           WriteSpell(dir, "skill_steal", "Steal", 4002, false, "",
                      {{A::kOnTarget, living, 0, 0, 2.0f, 0.0f, A::kNoProjectile,
                        Effected(kEffectNone21, 0, 0, 0)}}) &&
           WriteSpell(dir, "wizard_fireball", "Fireball", 2213, true, "",
                      {{A::kByMode, living, A::kModeProjectile, 1, 15.0f, 2.5f, kFireballKind,
                        Damage(2, 6, 0, kDamageType4)},
                       {A::kByMode, living, A::kModeProjectile, 5, 18.0f, 3.5f, kFireballKind,
                        Damage(3, 6, 0, kDamageType4)}}) &&
           WriteSpell(dir, "wizard_magic_missile", "Magic Missile", 2112, true, "",
                      {{A::kByMode, living, A::kModeProjectile, 1, 14.0f, 0.0f, kMissileKind,
                        Damage(1, 4, 1, kDamageType8)},
                       {A::kByMode, living, A::kModeProjectile, 3, 14.0f, 0.0f, kMissileKind + 1,
                        Damage(1, 4, 1, kDamageType8)},
                       {A::kByMode, living, A::kModeProjectile, 5, 14.0f, 0.0f, kMissileKind + 2,
                        Damage(1, 4, 1, kDamageType8)}}) &&
           WriteSpell(dir, "wizard_stinking_cloud", "Stinking Cloud", 2304, true, "",
                      {{A::kByMode, living, A::kModeProjectile, 1, 12.0f, 3.0f, kStinkingCloudKind,
                        Damage(1, 3, 0, kDamageNormal)}});
}
