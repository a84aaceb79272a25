// Items at play: magazines loading and handing out rounds, stacks splitting and merging,
// and containers taking, stacking and unloading them.
#include "../creatures/item_world.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/item_magazine.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace testsupport;

constexpr uint32_t kBulletType = 7;
using Stacks = std::vector<std::pair<int, int>>; // quantity and uses

class ItemTest : public ItemWorld {
protected:
    void SetUp() override {
        ItemWorld::SetUp();
        for (const char* name : {"bullets", "slugs"})
            Define(name, ItemEntity::kClassAmmunition,
                   [](ItemEntity& item) { AddAbility(item, kAbilityUnusable, 10, kBulletType); });
        DefinePistol(kBulletType);
        m_chest.SetManager(&m_manager);
        m_chest.Init();
    }

    // Each held item's, in list order.
    Stacks Held() const {
        Stacks held;
        for (int index = 0; index < m_chest.CountHeld(); ++index)
            held.emplace_back(m_chest.GetItemAt(index)->GetStackSize(),
                              m_chest.GetItemAt(index)->GetCount());
        return held;
    }

    ContainerEntity m_chest;
};

TEST_F(ItemTest, AMagazineTakesWhatFitsAndOnlyItsOwnAmmunitionOnceLoaded) {
    ItemMagazine magazine;
    magazine.Define(1, kBulletType, 10);
    ItemEntity* eight = Make("bullets");
    eight->SetCount(8);
    ASSERT_TRUE(magazine.LoadFrom(*eight));
    ItemEntity* five = Make("bullets");
    five->SetCount(5);
    ASSERT_TRUE(magazine.LoadFrom(*five));
    EXPECT_EQ(magazine.GetCount(), 10);
    EXPECT_EQ(five->GetCount(), 3);
    EXPECT_FALSE(magazine.LoadFrom(*five)); // full

    int taken = 0;
    ASSERT_TRUE(magazine.TakeRounds(3, taken));
    EXPECT_EQ(taken, 3);
    ItemEntity* slugs = Make("slugs");
    EXPECT_FALSE(magazine.AcceptsAmmo(*slugs)); // holds bullets
    ASSERT_TRUE(magazine.TakeRounds(0, taken));
    EXPECT_EQ(taken, 1); // nothing taken, one reported
    ASSERT_TRUE(magazine.TakeRounds(20, taken));
    EXPECT_EQ(taken, 7);
    EXPECT_FALSE(magazine.TakeRounds(1, taken));
    EXPECT_TRUE(magazine.AcceptsAmmo(*slugs)); // empty
}

TEST_F(ItemTest, SplittingHoldsTheCountWithinTheStackAndKeepsItWhenNothingCanBeMade) {
    ItemEntity* stack = Make("bullets", 3);
    stack->SetCount(4); // used: its part keeps 4 uses, not the template's 10
    ItemEntity* split = nullptr;
    ASSERT_TRUE(stack->SplitCount(5, split));
    EXPECT_EQ(split->GetStackSize(), 3);
    EXPECT_EQ(split->GetCount(), 4);
    EXPECT_EQ(stack->GetStackSize(), 0);
    EXPECT_FALSE(Make("bullets", 1)->SplitCount(1, split));

    ItemEntity* orphan = Make("bullets", 4);
    orphan->SetTemplateName("melted");
    const int live = Live();
    EXPECT_FALSE(orphan->SplitCount(2, split));
    EXPECT_EQ(orphan->GetStackSize(), 4);
    EXPECT_EQ(Live(), live); // the new item went back
}

TEST_F(ItemTest, AContainerStacksWhatItCanAndHandsOutTheCountTaken) {
    ItemEntity* out = nullptr;
    ASSERT_TRUE(m_chest.AddItem(Make("bullets", 5), out));
    ItemEntity* more = Make("bullets", 2);
    ASSERT_TRUE(m_chest.AddItem(more, out));
    EXPECT_FALSE(m_manager.IsLive(more)); // stacked fully, released
    ASSERT_TRUE(m_chest.AddItem(Make("slugs", 1), out));
    EXPECT_EQ(Held(), (Stacks{{1, 10}, {7, 10}})); // the newcomer first

    ItemEntity* bullets = m_chest.GetItemAt(1);
    ASSERT_TRUE(m_chest.TakeItem(2, bullets));
    EXPECT_EQ(bullets->GetStackSize(), 2);
    EXPECT_FALSE(bullets->IsHidden());
    EXPECT_EQ(Held(), (Stacks{{1, 10}, {5, 10}}));
    EXPECT_FALSE(m_chest.TakeItem(0, m_chest.GetItemAt(1)));
    EXPECT_FALSE(m_chest.AddOrStack(m_chest.GetItemAt(0), out)); // held already
}

TEST_F(ItemTest, SelectingAnInventorySelectsEveryItemItHoldsAndNoOther) {
    ItemEntity* out = nullptr;
    ASSERT_TRUE(m_chest.AddItem(Make("bullets", 5), out));
    ASSERT_TRUE(m_chest.AddItem(Make("slugs", 1), out));
    const ItemEntity* loose = Make("bullets", 2);
    SelectAllItems(m_chest);
    EXPECT_TRUE(m_chest.GetItemAt(0)->IsCandidate());
    EXPECT_TRUE(m_chest.GetItemAt(1)->IsCandidate());
    EXPECT_FALSE(loose->IsCandidate());
}

TEST_F(ItemTest, UnloadingAWeaponMakesWholeItemsAndOneForTheRest) {
    struct Case {
        const char* what;
        int rounds;
        uint32_t uses; // of the ammunition's template
        Stacks held;
    };
    const Case cases[] = {
        {"25 at 10 a piece", 25, 10, {{1, 5}, {2, 10}}},
        {"5 at 10 a piece", 5, 10, {{1, 5}}},
        {"ammunition without uses", 3, 0, {{3, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Define("shells", ItemEntity::kClassAmmunition,
               [](ItemEntity& item) { AddAbility(item, kAbilityUnusable, 30, kBulletType); });
        ItemEntity* pistol = Make("pistol");
        ItemEntity* probe = Make("shells");
        probe->SetCount(c.rounds);
        ASSERT_TRUE(pistol->LoadAmmo(*probe));
        Define("shells", ItemEntity::kClassAmmunition, [&](ItemEntity& item) {
            if (c.uses > 0)
                AddAbility(item, kAbilityUnusable, c.uses, kBulletType);
        });
        m_chest.Init();
        ASSERT_TRUE(m_chest.UnloadWeapon(pistol));
        EXPECT_EQ(Held(), c.held);
        EXPECT_FALSE(pistol->HasLoadableMagazine());
    }

    ItemEntity* pistol = Make("pistol");
    ASSERT_TRUE(pistol->TestAgainstTemplate("bullets", 2)); // 20 rounds
    pistol->SetTemplateName("pistol");
    ASSERT_EQ(std::remove(TemplateWriter::PathOf(Entity::kTypeItem, "bullets").c_str()), 0);
    m_chest.Init();
    EXPECT_FALSE(m_chest.UnloadWeapon(pistol));
    EXPECT_TRUE(pistol->HasLoadableMagazine()); // no rounds lost
}

} // namespace
