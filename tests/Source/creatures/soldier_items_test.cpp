// Soldiers with what they carry: choosing a weapon and ammunition, attacking with the
// weapon in hand, and the art of the carried items.
#include "Source/creatures/creature_animation_mgr.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/creature_meeting.h"
#include "item_world.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kClassPotion = 109;
constexpr uint32_t kClassCloak = 107; // worn in slot 6
constexpr uint16_t kStones = 7;

class SoldierItems : public testsupport::ItemWorld {
protected:
    // A weapon whose ability is of the kind, taking ammunition of the type when it has
    // one, and shown with the art of that name.
    static void Weapon(ItemEntity& item, uint8_t kind, uint32_t ammunition, const char* art) {
        AddAbility(item, kind, 5, ammunition,
                   [&](ItemAbility& ability) { ability.SetAnimationText(0, art, 0); });
    }

    void SetUp() override {
        ItemWorld::SetUp();
        Define("club", ItemEntity::kClassWeapon,
               [](ItemEntity& item) { Weapon(item, kAbilityDirect, 0, "club"); });
        Define("mace", ItemEntity::kClassWeapon,
               [](ItemEntity& item) { Weapon(item, kAbilityDirect, 0, "mace"); });
        Define("sling", ItemEntity::kClassWeapon,
               [](ItemEntity& item) { Weapon(item, kAbilityAmmunition, kStones, "sling"); });
        Define("cloak", kClassCloak,
               [](ItemEntity& item) { Weapon(item, kAbilityDirect, 0, "cloak"); });
        Define("potion", kClassPotion);
        for (const char* stone : {"pebble", "rock"})
            Define(stone, ItemEntity::kClassAmmunition,
                   [](ItemEntity& item) { AddAbility(item, kAbilityDirect, 3, kStones); });
        Define("bolt", ItemEntity::kClassAmmunition,
               [](ItemEntity& item) { AddAbility(item, kAbilityDirect, 3, kStones + 1); });
        m_fighter = Soldier(10.5f, 10.5f, kPlayerSide);
        DataOf(m_fighter).SetMaxHitPoints(10);
        DataOf(m_fighter).AddHitPoints(10);
    }
    CreatureInventory& Inventory() { return DataOf(m_fighter).GetInventory(); }
    ItemEntity* Hold(const char* name) {
        ItemEntity* held = nullptr;
        EXPECT_TRUE(Inventory().AddToCurrentHand(Make(name), held)) << name;
        return held;
    }

    SoldierEntity* m_fighter = nullptr;
};

// The first ready weapon of the list wins; one of another fire mode, or whose ammunition
// the backpack does not hold, is not ready.
TEST_F(SoldierItems, TheFirstReadyWeaponWinsAndAmmunitionIsFoundByTypeAndName) {
    ItemEntity* potion = Make("potion");
    ItemEntity* club = Make("club");
    ItemEntity* mace = Make("mace");
    ItemEntity* sling = Make("sling");
    ItemEntity* out = nullptr;
    EXPECT_TRUE(ChooseBestWeapon(*m_fighter, {potion, club, mace}, 0, out));
    EXPECT_EQ(out, club);
    EXPECT_FALSE(ChooseBestWeapon(*m_fighter, {potion, club, mace}, 2, out));
    EXPECT_TRUE(ChooseBestWeapon(*m_fighter, {sling, mace}, 0, out));
    EXPECT_EQ(out, mace);
    ItemEntity* carried = nullptr;
    ASSERT_TRUE(Inventory().AddItem(Make("rock"), carried));
    EXPECT_TRUE(ChooseBestWeapon(*m_fighter, {sling, mace}, 2, out));
    EXPECT_EQ(out, sling);

    ItemEntity* bolt = Make("bolt");
    ItemEntity* pebble = Make("pebble");
    ItemEntity* rock = Make("rock");
    const std::vector<ItemEntity*> ammunition = {club, bolt, pebble, rock};
    EXPECT_TRUE(FindAmmoByName("", kStones, ammunition, out));
    EXPECT_EQ(out, pebble);
    EXPECT_TRUE(FindAmmoByName("ROCK", kStones, ammunition, out));
    EXPECT_EQ(out, rock);
    EXPECT_FALSE(FindAmmoByName("", kStones + 2, ammunition, out));
    EXPECT_EQ(out, nullptr);
}

// A weapon is used on the target, which notes the attacker; anything else held is no
// attack, and an empty hand fails.
TEST_F(SoldierItems, AnAttackUsesTheWeaponInHandOnItsTarget) {
    SoldierEntity* target = Soldier(11.5f, 10.5f);
    EXPECT_FALSE(m_fighter->AttackWithCurrentItem(target));
    Hold("club");
    EXPECT_TRUE(m_fighter->AttackWithCurrentItem(target));
    EXPECT_EQ(m_delivery.calls, (std::vector<std::string>{"apply"}));
    EntityRef attacker;
    int32_t value = 0;
    ASSERT_TRUE(Creature::Of(target)->GetTargets().GetAttackedBy(attacker, value));
    EXPECT_EQ(attacker.GetEntity(), m_fighter);
    EXPECT_EQ(value, kAbilityDirect);
}

// A move to a slot takes the item's move count, its stack limit; a move to the backpack
// takes the whole stack.
TEST_F(SoldierItems, AMoveToASlotTakesTheMoveCountAndOneToTheBackpackTheStack) {
    Define("flask", kClassPotion, [](ItemEntity& item) { item.SetStackLimit(2); });
    const auto held = [this](int slot) {
        const ItemEntity* item = Inventory().GetSlot(slot);
        return item ? item->GetStackSize() : 0;
    };
    const auto packed = [this] {
        int count = 0;
        for (int index = 0; index < Inventory().GetBackpack().CountHeld(); ++index)
            count += Inventory().GetBackpack().GetItemAt(index)->GetStackSize();
        return count;
    };
    ItemEntity* flasks = nullptr;
    ASSERT_TRUE(Inventory().AddItem(Make("flask", 5), flasks));
    EXPECT_TRUE(m_fighter->ChargeItemMoveCost(flasks, 14));
    EXPECT_TRUE(m_fighter->TakeNamedItemFrom("flask", 15));
    EXPECT_EQ(held(14), 2);
    EXPECT_EQ(held(15), 2);
    EXPECT_EQ(packed(), 1);
    EXPECT_TRUE(m_fighter->TakeNamedItemToBackpack("flask")); // the first slot's
    EXPECT_EQ(held(14), 0);
    EXPECT_EQ(packed(), 3);
    EXPECT_TRUE(m_fighter->PutItemInSlot(Inventory().GetSlot(15)));
    EXPECT_EQ(held(15), 0);
    EXPECT_EQ(packed(), 5);
}

// The composite body shows what it carries; the hand's art waits for an attack to end.
// Layers are drawn furthest back first: the shadow (key 20), then those of equal keys in
// their order, the body, the hand, slot 6.
TEST_F(SoldierItems, TheHandsArtStaysWhileAttacking) {
    testsupport::ScriptedRandom random({0, 0, 0, 0});
    DataOf(m_fighter).SetBodyType(0, CreatureAnimationMgr::kCompositeBody);
    CreatureAnimationMgr& art = Creature::Of(m_fighter)->GetArt();
    const AnimationMgr& hand = art.GetLayer(CreatureAnimationMgr::kHandItem);
    ItemEntity* club = Hold("club");
    ItemEntity* cloak = nullptr;
    ASSERT_TRUE(Inventory().AddItem(Make("cloak"), cloak));
    ItemEntity* worn = nullptr;
    ASSERT_TRUE(Inventory().AddToSlot(cloak, 1, 6, worn));
    art.Refresh(0);
    EXPECT_STREQ(hand.GetAnimationName().c_str(), "Item/club");
    EXPECT_STREQ(art.GetLayer(CreatureAnimationMgr::kSlot6Item).GetAnimationName().c_str(),
                 "Item/cloak");
    art.Update();
    const AnimationMgr* order[CreatureAnimationMgr::kLayerCount + 1] = {};
    ASSERT_EQ(art.GetDrawOrder(order, CreatureAnimationMgr::kLayerCount + 1), 4);
    EXPECT_EQ(order[0], &art.GetLayer(CreatureAnimationMgr::kShadow));
    EXPECT_EQ(order[1], &m_fighter->GetAnimation());
    EXPECT_EQ(order[2], &hand);
    EXPECT_EQ(order[3], &art.GetLayer(CreatureAnimationMgr::kSlot6Item));

    m_fighter->SetState(SoldierEntity::kStateAttacking);
    ItemEntity* swapped = nullptr;
    ASSERT_TRUE(Inventory().AddToSlot(club, 1, CreatureInventory::kBackpack, swapped));
    Hold("mace");
    art.Refresh(0);
    EXPECT_STREQ(hand.GetAnimationName().c_str(), "Item/club");
    m_fighter->SetState(SoldierEntity::kStateStanding);
    art.Refresh(0);
    EXPECT_STREQ(hand.GetAnimationName().c_str(), "Item/mace");
}

} // namespace
