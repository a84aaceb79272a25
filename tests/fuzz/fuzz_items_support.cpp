#include "fuzz/fuzz_items.h"

#include "Source/creatures/effect_list.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/item_magazine.h"

namespace {

ItemEntity* NewItem(EntityMgr& manager, const char* name, uint32_t itemClass, uint16_t quantity) {
    auto* item = static_cast<ItemEntity*>(manager.CreateEntity(1, 2, 0, Entity::kTypeItem));
    item->SetTemplateName(name);
    item->GetRef().Set(31, itemClass, 0, 0, 0, 0, 0);
    item->SetText(ItemEntity::kName, name);
    item->SetStackSize(quantity);
    item->SetStackLimit(20);
    return item;
}

Effect Bonus(int32_t amount) {
    Effect effect;
    effect.Define(kEffectArmourClass, kUnitWhileWorn, 0.0, amount, 0, 0);
    return effect;
}

} // namespace

ItemEntity* FuzzPistol(EntityMgr& manager) {
    ItemEntity* pistol = NewItem(manager, "pistol", ItemEntity::kClassWeapon, 2);
    if (EffectList* worn = EffectList::Of(pistol->GetEffects()))
        worn->Add(Bonus(1));
    ItemMagazine magazine;
    magazine.Define(1, 7, 10);
    pistol->AddMagazine(magazine);
    ItemAbility fire;
    fire.DefineUse(kAbilityMagazine, 1, 2, true, ItemAbility::kUseLaunch);
    fire.SetAmmunition(1, 1);
    fire.SetDamage(2, 6, 1, 2);
    fire.GetEffectList().Add(Bonus(2));
    pistol->AddAbility(fire);
    ItemAbility strike;
    strike.DefineUse(kAbilityUnlimited, 4, 2, true, ItemAbility::kUseByMode);
    strike.SetText(ItemAbility::kName, "Strike");
    pistol->AddAbility(strike);
    return pistol;
}

ItemEntity* FuzzBolts(EntityMgr& manager) {
    ItemEntity* bolts = NewItem(manager, "bolts", ItemEntity::kClassAmmunition, 5);
    ItemAbility bolt;
    bolt.DefineUse(kAbilityUnusable, 0, 0, false, 0);
    bolt.SetUses(3, 3);
    bolt.SetAmmunition(7, 0);
    bolts->AddAbility(bolt);
    return bolts;
}

int LiveItems(const EntityMgr& manager) {
    int live = 0;
    for (int slot = 0; slot < manager.GetSlotCount(Entity::kTypeItem); ++slot)
        live += manager.IsSlotUsed(Entity::kTypeItem, slot) ? 1 : 0;
    return live;
}
