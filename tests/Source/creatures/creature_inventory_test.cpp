// What a creature carries: its record, what goes where, stacks moved between slots, the
// effects of what it wears, and items picked up and given back.
#include "Source/creatures/creature_inventory.h"

#include "Library/core/test_stream_support.h"
#include "Source/creatures/effect_list.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/item_bytes.h"
#include "item_world.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

constexpr int kHand = CreatureInventory::kFirstHand;
constexpr int kBackpack = CreatureInventory::kBackpack;

class InventoryTest : public ItemWorld {
protected:
    void SetUp() override {
        ItemWorld::SetUp();
        m_owner = Soldier(5, 5, kPlayerSide);
        m_owner->AddFlags(Entity::kFlagPartyMember);
        Define("sword", ItemEntity::kClassWeapon, [](ItemEntity& sword) {
            Effect bonus;
            bonus.Define(kEffectArmourClass, kUnitWhileWorn, 0.0, 2, 0, 0);
            EffectList::Of(sword.GetEffects())->Add(bonus);
        });
        Define("claymore", ItemEntity::kClassWeapon,
               [](ItemEntity& item) { item.SetItemFlags(ItemEntity::kItemTwoHanded); });
        Define("shield", 112);
        Define("bolts", ItemEntity::kClassAmmunition);
        for (const char* helmet : {"cap", "helm"})
            Define(helmet, 103);
        Define("amulet", 114);
        Define("potion", 109);
    }
    CreatureInventory& Inventory() { return DataOf(m_owner).GetInventory(); }
    // Carried, then moved to the slot.
    ItemEntity* Carry(const char* name, uint16_t quantity = 1, int slot = kBackpack) {
        ItemEntity* out = nullptr;
        EXPECT_TRUE(Inventory().AddItem(Make(name, quantity), out));
        if (slot != kBackpack) {
            EXPECT_TRUE(Inventory().AddToSlot(out, quantity, slot, out)) << name;
        }
        return out;
    }

    SoldierEntity* m_owner = nullptr;
};

// What it carries is typed in the creature's record; an empty one is this.
TEST_F(InventoryTest, AnEmptyInventoryIsTheHandSeventeenEmptySlotsAndTheBackpack) {
    TypedBytes b;
    b.U32(13);
    for (int slot = 0; slot < CreatureInventory::kSlotCount; ++slot)
        b.U32(0xFFFFFFFF);
    const Bytes bytes = Concat({b.Get(), ContainerRecord({}, Entity::kFlagHidden)});
    TestStream stream(bytes);
    ASSERT_TRUE(Inventory().Load(stream));
    EXPECT_EQ(WrittenBy([&](Stream& out) { return Inventory().Save(out); }), bytes);
}

TEST_F(InventoryTest, EachSlotTakesItsKindAndShieldsExcludeTwoHandedWeapons) {
    struct Case {
        const char* what;
        const char* item;
        int slot;
        bool fits;
        int refusal;
    };
    const Case before[] = {
        {"a helmet on the head", "cap", 0, true, 0},
        {"an amulet on the head", "amulet", 0, false, 1},
        {"a potion on the belt", "potion", 15, true, 0},
        {"bolts into an empty hand", "bolts", kHand, false, 1},
        {"anything to slot 10", "potion", 10, true, 0},
    };
    for (const Case& c : before) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Inventory().CanPutInSlot(Carry(c.item), c.slot), c.fits);
        EXPECT_EQ(Inventory().TakeRefusal(), c.refusal);
        EXPECT_EQ(Inventory().TakeRefusal(), 0);
    }
    Carry("claymore", 1, kHand + 1);
    EXPECT_FALSE(Inventory().CanPutInSlot(Carry("shield"), CreatureInventory::kShieldSlot));
    EXPECT_EQ(Inventory().TakeRefusal(), 2);
    ItemEntity* claymore = Inventory().GetSlot(kHand + 1);
    ItemEntity* out = nullptr;
    ASSERT_TRUE(Inventory().AddToSlot(claymore, 1, kBackpack, out));
    Carry("shield", 1, CreatureInventory::kShieldSlot);
    EXPECT_FALSE(Inventory().AddToSlot(claymore, 1, kHand, out));
    EXPECT_EQ(Inventory().TakeRefusal(), 2);
}

TEST_F(InventoryTest, AStackTakesOnlyWhatItsLimitLeavesRoomFor) {
    ItemEntity* held = Carry("potion", 45, 14);
    ItemEntity* more = Carry("potion", 10);
    ItemEntity* out = nullptr;
    ASSERT_TRUE(Inventory().AddToSlot(more, 10, 14, out));
    EXPECT_EQ(out, held);
    EXPECT_EQ(held->GetStackSize(), 50);
    EXPECT_EQ(Inventory().GetBackpack().GetFirstItem()->GetStackSize(), 5);
    EXPECT_FALSE(Inventory().AddToSlot(Inventory().GetBackpack().GetFirstItem(), 5, 14, out));
}

TEST_F(InventoryTest, AWeaponsBonusFollowsTheCurrentHandExactly) {
    CreatureData& data = DataOf(m_owner);
    Carry("sword", 1, kHand + 1);
    EXPECT_EQ(data.GetArmourClass(), 0);
    Inventory().SetCurrentHand(kHand + 1);
    EXPECT_EQ(data.GetArmourClass(), 2);
    for (const int expected : {0, 0, 2}) {
        Inventory().SelectNextHand();
        EXPECT_EQ(data.GetArmourClass(), expected);
    }
    Inventory().SelectPrevHand();
    EXPECT_EQ(data.GetArmourClass(), 0);
    EXPECT_EQ(Inventory().GetCurrentHand(), kHand);
    ItemEntity* out = nullptr;
    Inventory().SetCurrentHand(kHand + 1);
    ASSERT_TRUE(Inventory().AddToSlot(Inventory().GetSlot(kHand + 1), 1, kBackpack, out));
    EXPECT_EQ(data.GetArmourClass(), 0);
}

TEST_F(InventoryTest, APartThatCannotBePlacedGoesBackWhereItCameFrom) {
    ItemEntity* cap = Carry("cap", 1, 0);
    cap->SetStackSize(0); // an empty stack the backpack refuses to take
    ItemEntity* helms = Carry("helm", 2);
    ItemEntity* out = nullptr;
    const int live = Live();
    EXPECT_FALSE(Inventory().AddToSlot(helms, 1, 0, out));
    EXPECT_EQ(Inventory().GetSlot(0), cap);
    ASSERT_EQ(Inventory().CountBackpackItems(), 1);
    EXPECT_EQ(Inventory().GetBackpack().GetFirstItem()->GetStackSize(), 2); // joined again
    EXPECT_EQ(Live(), live);
}

TEST_F(InventoryTest, PickingUpTakesOneOfAMapStackIntoAFreeHand) {
    ItemEntity* stack = Make("sword", 3);
    ASSERT_TRUE(m_map.AddObject(stack));
    ASSERT_TRUE(Inventory().PickUp(stack));
    EXPECT_EQ(stack->GetStackSize(), 2);
    EXPECT_FALSE(Inventory().Contains(stack));
    ASSERT_NE(Inventory().GetSlot(kHand), nullptr);
    EXPECT_EQ(Inventory().GetSlot(kHand)->GetStackSize(), 1);
    EXPECT_FALSE(Inventory().PickUp(Inventory().GetSlot(kHand))); // carried already
}

TEST_F(InventoryTest, ResettingReleasesOnlyTheLiveItemsOfThisCreature) {
    Carry("sword", 1, kHand);
    Carry("bolts", 4);
    Inventory().Reset();
    EXPECT_EQ(Live(), 0);
    EXPECT_EQ(DataOf(m_owner).GetArmourClass(), 0);

    CreatureInventory& inventory = Inventory();
    Carry("sword", 1, kHand);
    Carry("bolts", 4);
    m_manager.Clear(); // the region is left: the lists name objects handed out again
    Make("cap");       // the sword's object, lying on the map
    Make("potion");    // the bolts' object
    inventory.Reset();
    EXPECT_EQ(Live(), 2);
    EXPECT_EQ(inventory.GetSlot(kHand), nullptr);
    EXPECT_EQ(inventory.CountBackpackItems(), 0);
}

} // namespace

namespace {

TEST_F(InventoryTest, AmmunitionIsFoundByTypeAndNameAndOneOfAStackTakenApart) {
    for (const char* name : {"darts", "quills"})
        Define(name, ItemEntity::kClassAmmunition,
               [](ItemEntity& item) { AddAbility(item, kAbilityUnusable, 10, 7); });
    ItemEntity* quills = Carry("quills");
    ItemEntity* darts = Carry("darts", 3);
    ItemEntity* out = nullptr;
    ASSERT_TRUE(Inventory().FindAmmoInBackpack("", 7, out));
    EXPECT_EQ(out, darts) << "any name: the first of the type";
    ASSERT_TRUE(Inventory().FindAmmoInBackpack("QUILLS", 7, out));
    EXPECT_EQ(out, quills);
    EXPECT_FALSE(Inventory().FindAmmoInBackpack("quills", 8, out));

    ItemEntity* one = nullptr;
    ASSERT_TRUE(Inventory().TakeFromBackpack(darts, one));
    EXPECT_NE(one, darts);
    EXPECT_EQ(one->GetStackSize(), 1);
    EXPECT_EQ(darts->GetStackSize(), 2);
    EXPECT_EQ(Inventory().CountBackpackItems(), 3) << "apart, not stacked back";
    EXPECT_EQ(one->GetCount(), darts->GetCount()) << "its uses restored";
    ItemEntity* same = nullptr;
    ASSERT_TRUE(Inventory().TakeFromBackpack(one, same));
    EXPECT_EQ(same, one);
    EXPECT_EQ(Inventory().CountBackpackItems(), 3);
    EXPECT_FALSE(Inventory().TakeFromBackpack(Carry("sword", 1, kHand), same));
}

} // namespace
