#include "Source/scripting/creature_script_functions.h"

#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/spell_ability.h"
#include "Source/entities/item_entity.h"
#include "Source/scripting/creature_item_functions.h"
#include "Source/scripting/game_natives.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"
#include "Source/scripting/script_world.h"

#include <functional>

using namespace testsupport;

namespace {

class CreatureFunctions : public ScriptWorld {
protected:
    void SetUp() override {
        ScriptWorld::SetUp();
        m_orc = Named("orc", 10, 10);
        m_troll = Named("troll", 12, 10);
        Define("sword", ItemEntity::kClassWeapon, [](ItemEntity& item) { AddAbility(item, 1); });
        Define("rope", 110);
    }

    CreatureInventory& InventoryOf(Entity* soldier) { return DataOf(soldier).GetInventory(); }
    ItemEntity* Carry(Entity* soldier, const char* name, uint16_t quantity = 1) {
        ItemEntity* held = nullptr;
        EXPECT_TRUE(InventoryOf(soldier).AddItem(Make(name, quantity), held));
        return held;
    }
    int Carried(Entity* soldier, const char* name) {
        ItemEntity* item = nullptr;
        return InventoryOf(soldier).FindByName(name, item) ? item->GetStackSize() : 0;
    }
    const std::vector<std::string>& Commands(SoldierEntity* soldier) {
        return BehaviourOf(soldier).log;
    }

    SoldierEntity* m_orc = nullptr;
    SoldierEntity* m_troll = nullptr;
};

TEST_F(CreatureFunctions, FacingIsHeldWithinTheEightDirections) {
    const struct {
        int32_t asked;
        int facing;
    } cases[] = {{-3, 0}, {0, 0}, {5, 5}, {7, 7}, {12, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        EXPECT_TRUE(ScriptCmdSetFacing(m_orc, c.asked));
        EXPECT_EQ(m_orc->GetDirection(), c.facing);
    }
    EXPECT_TRUE(ScriptCmdFaceEntity(m_orc, m_troll)); // straight along +x: right
    EXPECT_EQ(m_orc->GetDirection(), 2);
    EXPECT_FALSE(ScriptCmdFaceEntity(m_orc, m_orc));
}

TEST_F(CreatureFunctions, AScriptedCreatureSpeaksInItsBubble) {
    ScriptBuilder script("greets");
    script.Call(kNativeEventTest, 1).JumpIfFalse("end");
    script.Call(kNativeAction, 3, "Halt!").Call(kNativeAction, 3, "");
    Install(SlotOf(m_orc), script.Label("end").End());
    SlotOf(m_orc).PostStartEvent();
    SlotOf(m_orc).Update(0);
    EXPECT_EQ(BubbleOf(m_orc).said, (std::vector<std::string>{"say Halt!", "say "}));
    EXPECT_FALSE(ScriptCmdSay(Make("rope"), "Halt!"));
}

TEST_F(CreatureFunctions, AnAttackIsIssuedOnlyOnAnotherLivingCreature) {
    SoldierEntity* dead = Named("corpse", 14, 10);
    dead->GetRef().SetLifeState(EntityRef::kLifeDead);
    SoldierEntity* gone = Named("gone", 16, 10);
    m_manager.ReleaseEntity(gone);
    const struct {
        const char* what;
        Entity* target;
    } refused[] = {
        {"no target", nullptr},   {"itself", m_orc},         {"a dead creature", dead},
        {"a released one", gone}, {"an item", Make("rope")},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ScriptCmdAttack(m_orc, c.target));
        EXPECT_FALSE(ScriptCmdAttackOneRound(m_orc, c.target));
    }
    EXPECT_TRUE(Commands(m_orc).empty());
    EXPECT_FALSE(ScriptCmdAttack(Make("rope"), m_troll)) << "an item does not fight";
    EXPECT_TRUE(ScriptCmdAttack(m_orc, m_troll));
    EXPECT_EQ(Commands(m_orc), std::vector<std::string>{"command 3 troll"});
}

TEST_F(CreatureFunctions, NoticesReachTheLivingInSightButNeverTheCaller) {
    SoldierEntity* near = Named("near", 13, 10);
    SoldierEntity* far = Named("far", 40, 40);
    SoldierEntity* dead = Named("dead", 11, 11);
    dead->GetRef().SetLifeState(EntityRef::kLifeDead);
    const auto pending = [](SoldierEntity* soldier) {
        return Creature::Of(soldier)->GetTargets().GetPending();
    };
    EXPECT_TRUE(ScriptCmdNotifyNearby(m_orc, 5));
    EXPECT_TRUE(ScriptCmdNotifyNearbyOfSelf(m_orc));
    EXPECT_TRUE(ScriptCmdNotifySameRef(m_orc, Pattern("near"), 6));
    const uint32_t nearby = CreatureTargets::kSignal10Bit | CreatureTargets::kSignal11Bit;
    EXPECT_EQ(pending(m_troll), nearby);
    EXPECT_EQ(pending(near), nearby | CreatureTargets::kSignal9Bit);
    for (SoldierEntity* unreached : {m_orc, far, dead})
        EXPECT_EQ(pending(unreached), 0u) << unreached->GetRef().GetName().c_str();
    EntityRef shouter;
    int32_t number = 0;
    ASSERT_TRUE(Creature::Of(near)->GetTargets().GetSignal10(shouter, number));
    EXPECT_STREQ(shouter.GetName().c_str(), "orc");
    EXPECT_EQ(number, 5);

    EXPECT_TRUE(ScriptCmdNotifyMatching(m_manager, Pattern("far"), 9)) << "however far";
    EXPECT_TRUE(ScriptCmdNotifyMatching(m_manager, Pattern("dead"), 9)) << "dead or alive";
    EXPECT_EQ(pending(far), CreatureTargets::kSignalNumberBit);
    EXPECT_EQ(pending(dead), CreatureTargets::kSignalNumberBit);
    EXPECT_EQ(Creature::Of(far)->GetTargets().GetSignalNumber(), 9);
}

TEST_F(CreatureFunctions, ReadyingAWeaponTakesTheReadyOneIntoAHand) {
    ItemEntity* sword = Carry(m_orc, "sword");
    EXPECT_FALSE(ScriptCmdReadyWeapon(m_orc, 2)) << "no weapon of the second fire mode";
    EXPECT_EQ(m_orc->GetCurrentItem(), nullptr);
    EXPECT_TRUE(ScriptCmdReadyWeapon(m_orc, 1));
    ASSERT_NE(m_orc->GetCurrentItem(), nullptr);
    EXPECT_STREQ(m_orc->GetCurrentItem()->GetTemplateName().c_str(), "sword");
    EXPECT_TRUE(CreatureInventory::IsHandSlot(InventoryOf(m_orc).GetCurrentHand()));
    EXPECT_FALSE(InventoryOf(m_orc).BackpackContains(sword));

    InventoryOf(m_orc).SelectNextHand(); // an empty hand: the sword's becomes current again
    EXPECT_TRUE(ScriptCmdReadyWeaponFirst2(m_orc)) << "falls back to the first fire mode";
    EXPECT_STREQ(m_orc->GetCurrentItem()->GetTemplateName().c_str(), "sword");
    EXPECT_TRUE(ScriptCmdReadyWeaponFirst1(m_troll)) << "nothing to ready is no refusal";
}

TEST_F(CreatureFunctions, ItemsMoveBetweenCreaturesWithoutGettingLost) {
    Carry(m_orc, "rope", 3);
    EXPECT_TRUE(ScriptCmdTransferItem(m_orc, "rope", m_troll));
    EXPECT_EQ(Carried(m_orc, "rope"), 2);
    EXPECT_EQ(Carried(m_troll, "rope"), 1);
    EXPECT_FALSE(ScriptCmdTransferItem(m_orc, "sword", m_troll)) << "not carried";
    EXPECT_FALSE(ScriptCmdTransferItem(m_orc, "rope", Make("rope"))) << "no creature takes it";
    EXPECT_EQ(Carried(m_orc, "rope"), 2) << "given back";

    EXPECT_TRUE(ScriptCmdGiveNewItem(m_orc, "sword", 1));
    Define("dust", 110, [](ItemEntity& item) { item.SetStackSize(0); }); // nothing holds it
    ItemEntity dust;
    ASSERT_TRUE(dust.LoadByName("dust"));
    ASSERT_EQ(dust.GetStackSize(), 0);
    const int live = Live();
    EXPECT_FALSE(ScriptCmdGiveNewItem(m_orc, "dust", 1)) << "made, refused and released";
    EXPECT_FALSE(ScriptCmdGiveNewItem(m_orc, "no such item", 1));
    EXPECT_FALSE(ScriptCmdGiveNewItem(Make("rope"), "sword", 1)) << "an item holds nothing";
    EXPECT_EQ(Live(), live + 1) << "only the rope made as holder stays";
    EXPECT_TRUE(ScriptCmdHasItem(m_orc, "SWORD"));

    EXPECT_TRUE(ScriptCmdDestroyAllNamedItems(m_orc, "rope"));
    EXPECT_EQ(Carried(m_orc, "rope"), 0);
    EXPECT_TRUE(ScriptCmdDestroyAllNamedItems(m_orc, "rope")) << "none left is no failure";
    EXPECT_TRUE(ScriptCmdDestroyNamedItem(m_orc, "sword"));
    EXPECT_FALSE(ScriptCmdDestroyNamedItem(m_orc, "sword"));
    EXPECT_FALSE(ScriptCmdHasItem(m_orc, "sword"));
}

TEST_F(CreatureFunctions, ItemsArePlacedOnlyOnTheMap) {
    const struct {
        Vector point;
        bool placed;
    } cases[] = {
        {Vector(0, 0, 0), true},    {Vector(63.5f, 63.5f, 0), true}, {Vector(64, 10, 0), false},
        {Vector(10, 64, 0), false}, {Vector(-0.5f, 10, 0), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.point.x);
        const int live = Live();
        EXPECT_EQ(ScriptCmdCreateItemAt(m_manager, c.point, "rope", 1), c.placed);
        EXPECT_EQ(Live(), live + (c.placed ? 1 : 0));
    }
}

TEST_F(CreatureFunctions, SpellsAreCastOnlyWithinReachOnTheMapAndWithAChargeWhenAsked) {
    SpellAbility spell;
    spell.Define(0, SpellAbility::kOnTarget, kTargetAny, 0, 0, 20.0f, 0.0f, 0.0,
                 SpellAbility::kNoProjectile, 1.0f);
    const struct {
        const char* what;
        Vector point;
        uint8_t useCharge;
        bool cast;
    } atPoints[] = {
        {"in reach", Vector(20, 10, 0), 0, true},
        {"beyond reach", Vector(40, 10, 0), 0, false},
        {"on the right edge", Vector(64, 10, 0), 0, false},
        {"without a ready charge", Vector(20, 10, 0), 1, false},
    };
    for (const auto& c : atPoints) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ScriptCmdSpellPoint(m_orc, &spell, nullptr, c.point, c.useCharge), c.cast);
    }
    EXPECT_TRUE(ScriptCmdSpellTarget(m_orc, &spell, m_troll, 0));
    EXPECT_TRUE(ScriptCmdSpell(m_orc, &spell, 0));
    EXPECT_FALSE(ScriptCmdSpell(m_orc, nullptr, 0));
    EXPECT_EQ(Commands(m_orc),
              (std::vector<std::string>{"command 23", "command 24", "command 22"}));
}

TEST_F(CreatureFunctions, CommandsNeedAUsableTarget) {
    const Vector offset(1, 0, 0);
    EXPECT_FALSE(ScriptCmdGoToTargOffset(m_orc, nullptr, offset));
    EXPECT_FALSE(ScriptCmdGoToTargOffset(m_orc, m_orc, offset));
    EXPECT_TRUE(ScriptCmdGoToTargOffset(m_orc, m_troll, offset));
    EXPECT_FALSE(ScriptCmdUseItemPoint(m_orc, "rope", offset)) << "not carried";
    Carry(m_orc, "rope");
    EXPECT_TRUE(ScriptCmdUseItemPoint(m_orc, "rope", offset));
    EXPECT_TRUE(ScriptCmdEscapeArea(m_orc, 1));
    EXPECT_FALSE(ScriptCmdFollowWayPoints(m_orc)) << "no way point laid";
    EXPECT_TRUE(ScriptCmdAddWayPoint(m_orc, offset));
    EXPECT_TRUE(ScriptCmdFollowWayPoints(m_orc));
    EXPECT_FALSE(ScriptCmdGoToTargStartDialogue(m_orc, m_troll, -1.0f));
    EXPECT_EQ(m_orc->GetDirection(), 2) << "turned to the troll all the same";
    EXPECT_EQ(Commands(m_orc), (std::vector<std::string>{"command 16 troll", "command 20 rope",
                                                         "clear", "command 11", "command 17"}));
}

// Whatever a script or a caller leaves out, nothing breaks and nothing is done.
TEST_F(CreatureFunctions, CallsWithoutTheirArgumentsFail) {
    const int32_t creatureNatives[] = {3,  5,  6,  7,  8,  9,  10,  16,  18,  19,  22, 23, 24,
                                       26, 27, 28, 29, 30, 31, 32,  43,  59,  60,  61, 62, 63,
                                       64, 65, 66, 67, 68, 69, 70,  71,  72,  73,  74, 75, 76,
                                       84, 86, 87, 97, 98, 99, 100, 101, 214, 501, 502};
    GameVirtualMachine ownerless(nullptr);
    GameVirtualMachine orcs(m_orc);
    for (const int32_t number : creatureNatives) {
        SCOPED_TRACE(number);
        ScriptFuncHeader bare = ScriptBuilder::Header(kNativeAction, number);
        EXPECT_EQ(GetGameNatives().Call(kNativeAction, number, NativeCall(ownerless, bare)), 0);
        GetGameNatives().Call(kNativeAction, number, NativeCall(orcs, bare));
    }
    BehaviourOf(m_orc).log.clear();
    const Vector point;
    const std::function<bool()> refusals[] = {
        [&] { return ScriptCmdGoToDest(nullptr, point); },
        [&] { return ScriptCmdGoToTarg(m_orc, nullptr, 1.0f); },
        [&] { return ScriptCmdProtectTarget(m_orc, nullptr); },
        [&] { return ScriptCmdCollectItemMap(m_orc, nullptr); },
        [&] { return ScriptCmdUseItemOnTarget(m_orc, nullptr, m_troll); },
        [&] { return ScriptCmdGoToTargStartDialogue(m_orc, nullptr, 1.0f); },
        [&] { return ScriptCmdSpellTarget(m_orc, nullptr, m_troll, 0); },
        [&] { return ScriptCmdSpellPoint(nullptr, nullptr, nullptr, point, 0); },
        [&] { return ScriptCmdSay(nullptr, "hello"); },
        [&] { return ScriptCmdLearnSpell(nullptr, 1, 1, 1, 1); },
        [&] { return ScriptCmdNotifyNearby(nullptr, 1); },
        [&] { return ScriptCmdReload(nullptr); },
        [&] { return ScriptCmdEquipMatching(nullptr); },
        [&] { return ScriptCmdTakeNamedItem(nullptr, "rope", 11); },
        [&] { return ScriptCmdGiveNewItemByFile(nullptr, "rope.dat"); },
        [&] { return ScriptCmdTransferItem(nullptr, "rope", m_troll); },
        [&] { return ScriptCmdDestroyAllNamedItems(nullptr, "rope"); },
    };
    for (size_t i = 0; i < std::size(refusals); ++i)
        EXPECT_FALSE(refusals[i]()) << "refusal " << i;
    EXPECT_TRUE(Commands(m_orc).empty());
}

} // namespace
