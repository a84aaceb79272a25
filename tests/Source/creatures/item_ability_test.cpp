// Item abilities: their record, their charges, and what a use does by its kind.
#include "Source/creatures/item_ability.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/test_stream_support.h"
#include "Library/sound/recorded_sound.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/item_bytes.h"
#include "item_world.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

constexpr uint32_t kArrowType = 9;

class ItemAbilityTest : public ItemWorld {
protected:
    void SetUp() override {
        ItemWorld::SetUp();
        m_archer = Soldier(5, 5, kPlayerSide);
        Define("arrows", ItemEntity::kClassAmmunition, [](ItemEntity& item) {
            AddAbility(item, kAbilityUnusable, 1, kArrowType,
                       [](ItemAbility& a) { a.SetDamage(1, 4, 2, kDamageNormal); });
        });
        Define("bow", ItemEntity::kClassWeapon, [](ItemEntity& item) {
            AddAbility(item, kAbilityAmmunition, 1, kArrowType,
                       [](ItemAbility& a) { a.SetProjectile(3, 0); });
        });
        Define("knives", ItemEntity::kClassWeapon, [](ItemEntity& item) {
            AddAbility(item, kAbilityThrown, 1, 0, [](ItemAbility& a) { a.SetProjectile(4, 1); });
        });
    }
    CreatureInventory& Inventory() { return DataOf(m_archer).GetInventory(); }
    // Carried, then moved whole to the slot.
    ItemEntity* Carry(const char* name, uint16_t quantity, int slot) {
        ItemEntity* item = Make(name, quantity);
        ItemEntity* out = nullptr;
        EXPECT_TRUE(Inventory().AddItem(item, out));
        EXPECT_TRUE(slot == CreatureInventory::kBackpack ||
                    Inventory().AddToSlot(out, quantity, slot, out));
        return out;
    }
    bool Use(ItemEntity* item) {
        return item->Use(m_archer, m_archer->GetPosition(), m_archer, m_archer->GetPosition());
    }

    SoldierEntity* m_archer = nullptr;
};

TEST_F(ItemAbilityTest, AnAbilityIsStoredFieldByField) {
    TypedBytes typed;
    const Bytes bytes = AbilityRecord(typed, AbilityLayout{5, 7, 3, 2}).Get();
    ItemAbility ability;
    TestStream stream(bytes);
    ASSERT_TRUE(ability.Load(stream));
    EXPECT_EQ(WrittenBy([&](Stream& out) { return ability.Save(out); }), bytes);
    EXPECT_EQ(ability.GetAttackKind(), 4);
    EXPECT_EQ(ability.GetKind(), 5);
    EXPECT_EQ(ability.GetTargetType(), 2);
    EXPECT_EQ(ability.GetUseMode(), 3);
    EXPECT_EQ(ability.GetAmmunitionId(), 7u);
    EXPECT_EQ(ability.GetUses(), 3);
    EXPECT_EQ(ability.GetMaxUses(), 7);
    EXPECT_FLOAT_EQ(ability.GetRange(), 1.5f);
    EXPECT_FLOAT_EQ(ability.GetUseTime(), 1.25f);
    EXPECT_EQ(ability.GetDamageBonus(), 3);
    EXPECT_EQ(ability.GetDiceSides(), 6);
    EXPECT_STREQ(ability.GetAnimationName().c_str(), "sword");
    for (size_t length = 0; length < bytes.size(); ++length) {
        TestStream cut(Bytes(bytes.begin(), bytes.begin() + length));
        ItemAbility partial;
        ASSERT_FALSE(partial.Load(cut)) << length;
    }
}

TEST_F(ItemAbilityTest, TheLastRoundIsFiredFromItsCopyAndReleasedOnce) {
    ScriptedRandom random({3, 1});
    m_delivery.finish = true;
    ItemEntity* bow = Carry("bow", 1, CreatureInventory::kFirstHand);
    ItemEntity* arrows = Carry("arrows", 2, CreatureInventory::kBackpack);
    ASSERT_TRUE(bow->RefreshAbility());
    EXPECT_EQ(bow->GetQuantity(), 1);

    ASSERT_TRUE(Use(bow)); // one arrow split off, fired and released
    EXPECT_EQ(m_delivery.ammunitionDamage, 3 + 2);
    EXPECT_TRUE(m_manager.IsLive(arrows));
    EXPECT_EQ(arrows->GetStackSize(), 1);
    ASSERT_TRUE(Use(bow)); // the last one itself
    EXPECT_EQ(m_delivery.ammunitionDamage, 1 + 2);
    EXPECT_EQ(Live(ItemEntity::kClassAmmunition), 0);
    EXPECT_EQ(Inventory().CountBackpackItems(), 0);
    EXPECT_FALSE(Use(bow)); // nothing left to fire
    EXPECT_EQ(m_delivery.calls, (std::vector<std::string>{"fire 3", "fire 3"}));
    EXPECT_EQ(bow->GetQuantity(), 0);
}

TEST_F(ItemAbilityTest, AThrownItemThatCannotFlyComesBackToItsSlot) {
    ItemEntity* knives = Carry("knives", 3, CreatureInventory::kFirstHand);
    m_delivery.result = false;
    EXPECT_FALSE(Use(knives));
    ItemEntity* held = Inventory().GetSlot(CreatureInventory::kFirstHand);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->GetStackSize(), 3);
    EXPECT_EQ(Live(ItemEntity::kClassWeapon), 1);

    m_delivery.result = true;
    ASSERT_TRUE(Use(held));
    EXPECT_EQ(Inventory().GetSlot(CreatureInventory::kFirstHand)->GetStackSize(), 2);
    EXPECT_EQ(held->GetOwner(), nullptr); // in flight
}

// A use's sound is heard from where the user stands.
TEST_F(ItemAbilityTest, AUseSoundsFromItsUsersPlace) {
    RecordedSound sound;
    g_soundMgr = sound.slot;
    GameMode game;
    g_gameMode = &game;
    game.SetMode(kModeAreaMap);
    game.ApplyPendingMode();
    ItemEntity* horn = Make("arrows");
    AddAbility(*horn, kAbilityDirect, 1, 0, [](ItemAbility& a) { a.SetSound("toot"); });
    sound.log.clear();
    EXPECT_TRUE(horn->Use(m_archer, Vector(3, 4, 0), m_archer, m_archer->GetPosition()));
    g_gameMode = nullptr;
    g_soundMgr = nullptr;
    EXPECT_EQ(sound.Count("FSOUND_3D_SetAttributes(7, (3 0 -4), null)"), 1) << sound.log.size();
}

TEST_F(ItemAbilityTest, UsesRunOutUnlessTheItemIsUnlimitedAndUnusableItemsFail) {
    ItemEntity* wand = Make("arrows");
    AddAbility(*wand, kAbilityDirect, 1);
    EXPECT_TRUE(Use(wand));
    EXPECT_FALSE(Use(wand));
    wand->SetItemFlags(ItemEntity::kItemUnlimited);
    EXPECT_TRUE(Use(wand));
    EXPECT_TRUE(Use(wand));
    EXPECT_FALSE(Use(Make("arrows"))); // kind 0
    EXPECT_EQ(m_delivery.calls, (std::vector<std::string>{"apply", "apply", "apply"}));
}

} // namespace

namespace {

TEST_F(ItemAbilityTest, WithoutAMagazineTheLoadedAmmunitionNamesTheRoundsAndKindsGiveTheUseClass) {
    ItemEntity* bow = Carry("bow", 1, CreatureInventory::kFirstHand);
    Carry("arrows", 2, CreatureInventory::kBackpack);
    ASSERT_TRUE(bow->RefreshAbility());
    const auto* ability = dynamic_cast<const ItemAbility*>(bow->GetAbility());
    ASSERT_NE(ability, nullptr);
    EXPECT_STREQ(ability->GetMagazineName().c_str(), "arrows");
    EXPECT_EQ(ability->GetMagazineFactor(), 0.0f);
    EXPECT_EQ(ability->GetUseClass(), 2);
    const struct {
        uint8_t kind;
        int useClass;
    } cases[] = {{kAbilityDirect, 1},   {kAbilityThrown, 2},    {kAbilitySpell, -1},
                 {kAbilityMagazine, 2}, {kAbilityUnlimited, 2}, {kAbilityUnusable, -1}};
    for (const auto& c : cases) {
        ItemAbility use;
        use.DefineUse(c.kind, 4, 0, true, ItemAbility::kUseByMode);
        EXPECT_EQ(use.GetUseClass(), c.useClass) << int{c.kind};
    }
}

} // namespace
