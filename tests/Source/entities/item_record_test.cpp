// The records of items, their magazines and abilities, and of containers, typed from their
// layouts; cut and forged records.
#include "Source/creatures/creature_item_rules.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "item_bytes.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

// A cartridge of ammunition class 106 without abilities.
Bytes Cartridge() {
    ItemLayout cartridge;
    cartridge.itemClass = 106;
    return ItemRecord(cartridge);
}

// A pistol of three in a stack: a worn armour bonus, a magazine, and two abilities, the
// second current: fire from the magazine (with its own armour bonus), and strike.
ItemLayout Pistol(std::vector<AbilityLayout> abilities, int16_t current, const Bytes* magazine) {
    ItemLayout pistol;
    pistol.quantity = 3;
    pistol.limit = 50;
    pistol.effects = 1;
    pistol.magazine = magazine;
    pistol.abilities = std::move(abilities);
    pistol.current = current;
    return pistol;
}

const AbilityLayout kFire{5, 1, 4, 1};
const AbilityLayout kStrike{6, 0, 9, 0};
const AbilityLayout kThrow{2, 0, 2, 2};

class ItemRecordTest : public ::testing::Test {
protected:
    CreatureItemRules m_rules;
    EntityMgr m_manager;
};

TEST_F(ItemRecordTest, AnItemIsStoredFieldByFieldWithItsMagazinesAndAbilities) {
    const Bytes magazine = MagazineRecord(Cartridge());
    const Bytes bytes = ItemRecord(Pistol({kFire, kStrike}, 1, &magazine));
    ItemEntity item;
    item.Init();
    ASSERT_TRUE(LoadFrom(item, bytes));
    EXPECT_EQ(SavedForm(item), bytes);

    EXPECT_STREQ(item.GetDisplayName().c_str(), "Barrel"); // not identified
    EXPECT_EQ(item.GetItemClass(), 101u);
    EXPECT_EQ(item.GetTotalValue(), 15u); // the unit value's low 16 bits, times 3
    EXPECT_FLOAT_EQ(item.GetTotalWeight(), 36.0f);
    EXPECT_EQ(item.GetKind(), 6);
    EXPECT_EQ(item.GetCount(), 9);
    EXPECT_FLOAT_EQ(item.GetUseTime(), 1.25f);
    item.ForListEntries(0); // the magazine's id names it: its rounds are the count
    EXPECT_EQ(item.GetKind(), 5);
    EXPECT_EQ(item.GetCount(), 8);
    EXPECT_EQ(item.GetCapacity(), 10);
    item.RefreshName(1);
    EXPECT_STREQ(item.GetDisplayName().c_str(), "Cask");
    EXPECT_STREQ(item.GetDescription().c_str(), "Old.");
    EXPECT_STREQ(item.GetAbilityName().c_str(), "Cleave");

    for (size_t length = 0; length < bytes.size(); ++length) {
        ItemEntity cut;
        cut.Init();
        ASSERT_FALSE(LoadFrom(cut, Bytes(bytes.begin(), bytes.begin() + length))) << length;
    }
}

TEST_F(ItemRecordTest, TheWriterNumbersTheAbilitiesInUseAndTheCurrentAmongThem) {
    ItemEntity item;
    item.Init();
    ASSERT_TRUE(LoadFrom(item, ItemRecord(Pistol({kFire, kThrow, kStrike}, 2, nullptr))));
    item.GetAbilities().Free(1);
    EXPECT_EQ(SavedForm(item), ItemRecord(Pistol({kFire, kStrike}, 1, nullptr)));

    ASSERT_TRUE(LoadFrom(item, ItemRecord(Pistol({kFire}, -1, nullptr))));
    EXPECT_EQ(item.GetAbility(), nullptr);
    EXPECT_EQ(item.GetKind(), 0);
    EXPECT_EQ(SavedForm(item), ItemRecord(Pistol({kFire}, -1, nullptr)));
}

TEST_F(ItemRecordTest, ForgedCountsAndCartridgesNestedTooDeepAreRefused) {
    Bytes nested = Cartridge();
    for (int depth = 1; depth <= ItemEntity::kMaxCartridgeDepth; ++depth) {
        const Bytes magazine = MagazineRecord(nested);
        ItemLayout holder;
        holder.magazine = &magazine;
        nested = ItemRecord(holder);
    }
    ItemEntity item;
    item.Init();
    EXPECT_TRUE(LoadFrom(item, nested));
    const Bytes magazine = MagazineRecord(nested);
    ItemLayout tooDeep;
    tooDeep.magazine = &magazine;
    EXPECT_FALSE(LoadFrom(item, ItemRecord(tooDeep)));

    const Bytes plain = ItemRecord(ItemLayout());
    const size_t effectsAt = plain.size() - 2 - 4 - 4 - 4; // count, magazines, abilities, index
    for (const size_t at : {effectsAt, effectsAt + 4, effectsAt + 8}) {
        Bytes forged = plain;
        PutFieldAt(forged.data(), static_cast<long>(at), uint32_t{0x40000000});
        EXPECT_FALSE(LoadFrom(item, forged)) << at;
    }
}

TEST_F(ItemRecordTest, AContainerStoresEachItemWithItsTypeAndReadsThemBackOnce) {
    ItemLayout bullets;
    bullets.itemClass = 106;
    bullets.quantity = 4;
    const Bytes held = Concat({ItemRecord(bullets)});
    Bytes hiddenHeld = held;
    PutFieldAt(hiddenHeld.data(), kFlagsAt, Entity::kFlagShown | Entity::kFlagHidden);
    const Bytes bytes = ContainerRecord({hiddenHeld, hiddenHeld});

    ContainerEntity chest;
    chest.SetManager(&m_manager);
    chest.Init();
    ASSERT_TRUE(LoadFrom(chest, ContainerRecord({held, held})));
    EXPECT_EQ(SavedForm(chest), bytes); // held items are hidden from the map
    EXPECT_EQ(m_manager.GetSlotCount(Entity::kTypeItem), 2);
    ASSERT_TRUE(LoadFrom(chest, bytes));
    EXPECT_EQ(SavedForm(chest), bytes);
    EXPECT_EQ(chest.CountHeld(), 2);
    EXPECT_FLOAT_EQ(chest.GetWeight(), 2.5f + 2 * 48.0f);
    EXPECT_EQ(chest.GetValue(), 40u + 2 * 20u);
    int live = 0;
    for (int slot = 0; slot < m_manager.GetSlotCount(Entity::kTypeItem); ++slot)
        live += m_manager.IsSlotUsed(Entity::kTypeItem, slot);
    EXPECT_EQ(live, 2); // the first load's items were released

    Bytes foreign = bytes;
    const size_t typeAt = QueuedBarrel(8, Entity::kFlagShown).size() + 12 + 4 + held.size();
    PutFieldAt(foreign.data(), static_cast<long>(typeAt), uint32_t{Entity::kTypeSoldier});
    for (const Bytes& bad : {foreign, Cut(bytes)}) {
        EXPECT_FALSE(LoadFrom(chest, bad));
        EXPECT_EQ(chest.CountHeld(), 0);
        EXPECT_FALSE(m_manager.IsSlotUsed(Entity::kTypeItem, 0)); // what it made is released
        EXPECT_FALSE(m_manager.IsSlotUsed(Entity::kTypeItem, 1));
    }
}

TEST_F(ItemRecordTest, AContainerReleasesOnlyTheLiveItemsStillLinkedToIt) {
    ContainerEntity chest;
    chest.SetManager(&m_manager);
    chest.Init();
    ASSERT_TRUE(LoadFrom(chest, ContainerRecord({Cartridge()})));
    m_manager.Clear(); // the region is left: the list names a free slot
    Entity* newcomer = m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem); // the same object
    chest.Init();
    EXPECT_TRUE(m_manager.IsLive(newcomer));
    EXPECT_EQ(chest.CountHeld(), 0);
}

// Its icons, its sounds, its ammunition's template and its abilities' sounds name files.
TEST_F(ItemRecordTest, NamesLeadingOutOfTheirFoldersAreRefused) {
    const Bytes magazine = MagazineRecord(Cartridge());
    const Bytes bytes = ItemRecord(Pistol({kFire, kStrike}, 1, &magazine));
    for (const char* name : {"barrel_map", "thud", "bullets", "swish"}) {
        ItemEntity item;
        item.Init();
        ASSERT_TRUE(LoadFrom(item, bytes));
        EXPECT_FALSE(LoadFrom(item, WithText(bytes, name, "../x"))) << name;
    }
}

} // namespace
