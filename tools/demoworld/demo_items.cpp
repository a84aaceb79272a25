#include "tools/demoworld/demo_items.h"

#include "Library/files/data_paths.h"
#include "Source/creatures/ability_use.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/creatures/effect_list.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/entity.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/item_magazine.h"
#include "tools/demoworld/creature_art.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/item_art.h"

#include <iterator>

namespace {

constexpr uint32_t kNeutralSide = 31;
constexpr uint32_t kClassShield = 112;
constexpr uint32_t kClassPotion = 109;
constexpr uint8_t kBulletMagazine = 1;
constexpr uint16_t kBulletType = 7;
constexpr uint16_t kBulletProjectile = 1;

// Struck at a living target in reach.
void Melee(ItemAbility& ability, const char* name, uint16_t dice, uint16_t sides) {
    ability.SetText(ItemAbility::kName, name);
    ability.DefineUse(kAbilityUnlimited, kAttackMelee4, kTargetLiving, true,
                      ItemAbility::kUseByMode);
    ability.SetDamage(dice, sides, 0, kDamageNormal);
    ability.SetReach(1.0f, 0.0f, 0.0);
    ability.SetUseTime(1.0f);
    ability.SetAnimationText(0, "sword", 0);
}

void EquipSword(ItemEntity& sword) {
    ItemAbility slash;
    Melee(slash, "Slash", 1, 8);
    sword.AddAbility(slash);
}

void EquipGreataxe(ItemEntity& axe) {
    ItemAbility cleave;
    Melee(cleave, "Cleave", 2, 6);
    axe.AddAbility(cleave);
}

void EquipPistol(ItemEntity& pistol) {
    ItemMagazine magazine;
    magazine.Define(kBulletMagazine, kBulletType, 10);
    pistol.AddMagazine(magazine);
    ItemAbility shoot;
    shoot.SetText(ItemAbility::kName, "Shoot");
    shoot.DefineUse(kAbilityMagazine, kAttackRanged1, kTargetLiving, true, ItemAbility::kUseLaunch);
    shoot.SetAmmunition(kBulletMagazine, 1);
    shoot.SetProjectile(kBulletProjectile, 0);
    shoot.SetDamage(1, 6, 0, kDamageNormal);
    shoot.SetReach(8.0f, 0.0f, 0.0);
    shoot.SetUseTime(1.5f);
    shoot.SetAnimationText(0, CreatureArt::kPistolArt, 0);
    pistol.AddAbility(shoot);
}

// Ammunition: its uses are the rounds one item holds, its dice what each round adds.
void EquipBullets(ItemEntity& bullets) {
    ItemAbility round;
    round.SetText(ItemAbility::kName, "Bullet");
    round.DefineUse(kAbilityUnusable, kAttackRanged1, kTargetLiving, true, 0);
    round.SetAmmunition(kBulletType, 0);
    round.SetUses(10, 10);
    round.SetDamage(1, 4, 0, kDamageNormal);
    bullets.AddAbility(round);
}

void EquipShield(ItemEntity& shield) {
    Effect guard;
    guard.Define(kEffectArmourClass, kUnitWhileWorn, 0.0, 2, 0, 0);
    EffectList::Of(shield.GetEffects())->Add(guard);
}

// Drunk by its carrier: heals 1d6 + 4 at once.
void EquipPotion(ItemEntity& potion) {
    ItemAbility drink;
    drink.SetText(ItemAbility::kName, "Drink");
    drink.DefineUse(kAbilityDirect, kAttackPlain, kTargetLiving, false, 0);
    drink.SetUses(1, 1);
    Effect heal;
    heal.Define(kEffectHealing, kUnitSeconds, 0.0, 4, 0, 0);
    heal.SetDice(1, 6);
    drink.GetEffectList().Add(heal);
    potion.AddAbility(drink);
}

void Plain(ItemEntity&) {}

const DemoItems::Item kItems[] = {
    {"sword", "Sword", "A plain steel sword.", ItemEntity::kClassWeapon, 0, 1, 4, 40, EquipSword},
    {"pistol", "Pistol", "A pistol. Its magazine holds ten bullets.", ItemEntity::kClassWeapon, 0,
     1, 2, 120, EquipPistol},
    {"bullets", "Bullets", "A clip of ten bullets for a pistol.", ItemEntity::kClassAmmunition, 0,
     20, 1, 10, EquipBullets},
    {"shield", "Shield", "A round wooden shield.", kClassShield, 0, 1, 6, 30, EquipShield},
    {"greataxe", "Greataxe", "An axe to swing with both hands.", ItemEntity::kClassWeapon,
     ItemEntity::kItemTwoHanded, 1, 10, 60, EquipGreataxe},
    {"gold", "Gold", "Gold coins.", ItemEntity::kClassMoney, 0, 1000, 0, 1, Plain},
    {"potion", "Healing potion", "A red draught that closes wounds.", kClassPotion,
     ItemEntity::kItemStowedAtDeath, 5, 1, 25, EquipPotion},
};

void Fill(const DemoItems::Item& demo, ItemEntity& item) {
    item.GetRef().Set(kNeutralSide, demo.itemClass, 0, 0, 0, 0, 0);
    item.SetRadius(0.3f, 0);
    item.SetText(ItemEntity::kName, demo.displayName);
    item.SetText(ItemEntity::kDescriptionText, demo.description);
    item.SetItemFlags(demo.flags | ItemEntity::kItemListed);
    item.SetStackLimit(demo.stackLimit);
    item.SetUnitWeight(demo.weight);
    item.SetUnitValue(demo.value);
    item.SetIconName(0, demo.name);
    item.SetIconName(1, Stringc(demo.name) + "_map");
    demo.equip(item);
}

} // namespace

DemoItems::DemoItems(const Stringc& bitmapDir) : m_bitmapDir(bitmapDir) {}

bool DemoItems::Write() const {
    return Write(std::begin(kItems), std::end(kItems));
}

bool DemoItems::Write(const Item* first, const Item* last) const {
    const CreatureItemRules rules;
    const ItemArt art(g_dataPaths->GetAnimDir(), m_bitmapDir);
    for (const Item* demo = first; demo != last; ++demo) {
        const auto fill = [&](Entity& entity) { Fill(*demo, static_cast<ItemEntity&>(entity)); };
        if (!art.Write(demo->name) || !WriteTemplate(Entity::kTypeItem, demo->name, fill))
            return false;
    }
    return true;
}
