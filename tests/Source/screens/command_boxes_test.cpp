// The command boxes' buttons for each kind of thing, and the stat descriptions' hover areas.
#include "Source/screens/command_boxes.h"

#include "../creatures/item_world.h"
#include "../entities/entity_fakes.h"
#include "Library/interface/mouse_position.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/item_magazine.h"
#include "Source/entities/trigger_entity.h"
#include "Source/screens/description_scripts.h"
#include "Source/screens/sheet_texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace testsupport;

constexpr uint32_t kBulletType = 7;

std::vector<int> Ids(const CommandBoxLayout& layout) {
    std::vector<int> ids;
    for (int button = 0; button < layout.count; ++button)
        ids.push_back(layout.buttons[button].id);
    return ids;
}

class CommandBoxes : public ItemWorld {
protected:
    Entity* Make(int type, uint32_t kind = 0, const char* text = "") {
        Entity* entity = m_manager.CreateEntity(1, 1, 0, type);
        MapObject* object = nullptr;
        DoorEntity* door = nullptr;
        ContainerMapEntity* chest = nullptr;
        TriggerEntity* trigger = nullptr;
        if (Entity::AsDoor(entity, &door))
            object = &door->GetMapObject();
        if (Entity::AsContainerMap(entity, &chest))
            object = &chest->GetMapObject();
        if (Entity::AsTrigger(entity, &trigger)) {
            object = &trigger->GetMapObject();
            EXPECT_TRUE(object->SetKind(kind));
        }
        if (object)
            object->SetField(6, text);
        return entity;
    }
};

TEST_F(CommandBoxes, EveryKindOfThingOnTheMapOffersItsCommands) {
    Entity* member = Soldier(3, 3, kPlayerSide);
    Entity* dead = Soldier(5, 5);
    dead->SetFlags(dead->GetFlags() & ~Entity::kFlagAlive);
    const struct {
        Entity* entity;
        const char* image;
        std::vector<int> ids;
    } cases[] = {
        {Make(Entity::kTypeItem), "cmd_box_3.tga", {0, 5}},
        {member, "cmd_box_7.tga", {0}},
        {Soldier(4, 4), "cmd_box_1b.tga", {0, 4, 3}},
        {dead, "cmd_box_2.tga", {0, 6}},
        {Make(Entity::kTypeDoor), "cmd_box_5.tga", {0, 6, 7, 8}},
        {Make(Entity::kTypeContainerMap, 0, "Hello."), "cmd_box_10.tga", {0, 6, 7, 8, 4}},
        {Make(Entity::kTypeTrigger, kMapObjectInfo), "cmd_box_7.tga", {0}},
        {Make(Entity::kTypeTrigger, kMapObjectInfo, "Read me."), "cmd_box_11.tga", {0, 4}},
        {Make(Entity::kTypeTrigger, kMapObjectTrap), "cmd_box_4.tga", {0, 8}},
        {Make(Entity::kTypeTrigger, kMapObjectTravel), nullptr, {}},
        {Make(Entity::kTypeCycle), nullptr, {}},
        {Make(Entity::kTypeTown), nullptr, {}},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.entity->GetType());
        const CommandBoxLayout layout = ObjectCommands(*each.entity, member);
        EXPECT_STREQ(layout.image, each.image);
        EXPECT_EQ(Ids(layout), each.ids);
    }
    EXPECT_STREQ(ObjectCommands(*dead, member).buttons[1].image, "button_search.tga");
}

TEST_F(CommandBoxes, ItemsOfferExamineAndTheirUseOrUnload) {
    Define("bullets", ItemEntity::kClassAmmunition,
           [](ItemEntity& item) { AddAbility(item, kAbilityUnusable, 10, kBulletType); });
    DefinePistol(kBulletType);
    Define("potion", 109);
    Define("relic", 116);
    Define("keepsake", 114); // a kind that offers nothing
    ItemEntity* loaded = ItemWorld::Make("pistol");
    ASSERT_TRUE(loaded->LoadAmmo(*ItemWorld::Make("bullets")));
    const struct {
        ItemEntity* item;
        const char* image;
        std::vector<int> ids;
    } cases[] = {
        {loaded, "cmd_box_9.tga", {0, 2}},
        {ItemWorld::Make("pistol"), "cmd_box_7.tga", {0}},
        {ItemWorld::Make("bullets"), "cmd_box_7.tga", {0}},
        {ItemWorld::Make("potion"), "cmd_box_8.tga", {0, 1}},
        {ItemWorld::Make("relic"), nullptr, {}},
        {ItemWorld::Make("keepsake"), nullptr, {}},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.item->GetTemplateName().c_str());
        const CommandBoxLayout layout = ItemCommands(*each.item);
        EXPECT_STREQ(layout.image, each.image);
        EXPECT_EQ(Ids(layout), each.ids);
    }
}

TEST_F(CommandBoxes, TheSheetCountsHitPointsToTheNearestWholePoint) {
    Entity* member = Soldier(3, 3, kPlayerSide);
    DataOf(member).SetMaxHitPoints(20.0f);
    DataOf(member).AddHitPoints(11.6f - DataOf(member).GetHitPoints());
    EXPECT_STREQ(HitPointsText(member).c_str(), "12/20");
    EXPECT_STREQ(HitPointsText(nullptr).c_str(), "");
}

// Rectangles 20 (y 51-66) and 21 (y 64-79) share rows 64 to 66 of the sheet.
TEST_F(CommandBoxes, TheStatDescriptionHearsOfEachAreaOnceWhileThePointerStaysInIt) {
    CallLog log;
    RecordingScriptFactory scripts(log);
    RunStatDescScript(100, 50);
    EXPECT_EQ(log, (CallLog{"region event 1", "region update"}));
    const struct {
        int x, y;
        bool told;
    } moves[] = {
        {480, 105, true},                    // 20
        {480, 115, false},                   // still 20, though 21 holds it too
        {480, 116, false}, {480, 120, true}, // 21 alone
        {480, 115, false},                   // back in the overlap: still 21
        {102, 52, false},                    // rectangle 2 is empty
        {100, 133, true},                    // 0
    };
    log.clear();
    for (const auto& move : moves) {
        g_mouseX = move.x;
        g_mouseY = move.y;
        EXPECT_EQ(UpdateStatDescHover(), move.told) << move.x << "," << move.y;
    }
    EXPECT_EQ(log, (CallLog{"region event 12 20", "region update", "region event 12 21",
                            "region update", "region event 12 0", "region update"}));
    FreeStatDescScript();
    EXPECT_FALSE(UpdateStatDescHover());
}

} // namespace
